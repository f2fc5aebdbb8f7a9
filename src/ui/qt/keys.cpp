#include "ui/qt/keys.h"

#include <Qt>

namespace ui::qt {

namespace {

struct KeyPair {
    int qt;
    int code;
};

// The keys outside the letter, digit and function-key ranges.
constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},    {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
    {Qt::Key_Escape, 27},   {Qt::Key_Space, 32}, {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},      {Qt::Key_Home, 36},  {Qt::Key_Left, 37},   {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},  {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46},
};

// A contiguous run of keys: Qt keys first..first+count map to codes from code.
struct KeyRange {
    int qt;
    int code;
    int count;
};

constexpr KeyRange kRanges[] = {
    {Qt::Key_A, 'A', 26},
    {Qt::Key_0, '0', 10},
    {Qt::Key_F1, 112, 12},
};

} // namespace

int windowsKeyCode(int qtKey) {
    for (const KeyRange& r : kRanges)
        if (qtKey >= r.qt && qtKey < r.qt + r.count)
            return r.code + (qtKey - r.qt);
    for (const KeyPair& k : kKeys)
        if (k.qt == qtKey)
            return k.code;
    return 0;
}

int qtKey(int code) {
    for (const KeyRange& r : kRanges)
        if (code >= r.code && code < r.code + r.count)
            return r.qt + (code - r.code);
    // The first pair of a code is its main key (Return rather than Enter).
    for (const KeyPair& k : kKeys)
        if (k.code == code)
            return k.qt;
    return 0;
}

} // namespace ui::qt
