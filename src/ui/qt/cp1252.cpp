#include "ui/qt/cp1252.h"

#include <algorithm>

#include "formats/cp1252.h"

namespace ui::qt {

namespace {

char encodeChar(char16_t c) {
    return static_cast<char>(formats::unicodeToCp1252(c).value_or('?'));
}

} // namespace

QChar cp1252Char(unsigned char byte) {
    return QChar(static_cast<char16_t>(formats::cp1252ToUnicode(byte)));
}

QString decode(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes)
        out.append(cp1252Char(static_cast<unsigned char>(c)));
    return out;
}

std::string encode(const QString& text) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text)
        out.push_back(encodeChar(c.unicode()));
    return out;
}

QString toWidgetText(const std::string& model) {
    QString out;
    out.reserve(static_cast<qsizetype>(model.size()));
    for (size_t i = 0; i < model.size(); ++i) {
        char c = model[i];
        if (c == '\r') {
            out.append(QLatin1Char('\n'));
            if (i + 1 < model.size() && model[i + 1] == '\n')
                ++i;
        } else {
            out.append(cp1252Char(static_cast<unsigned char>(c)));
        }
    }
    return out;
}

std::string fromWidgetText(const QString& widget) {
    std::string out;
    out.reserve(static_cast<size_t>(widget.size()));
    for (QChar c : widget) {
        if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator)
            out += "\r\n";
        else
            out.push_back(encodeChar(c.unicode()));
    }
    return out;
}

int modelToWidgetPos(const std::string& model, int pos) {
    const int end = std::clamp(pos, 0, static_cast<int>(model.size()));
    int w = 0;
    for (int i = 0; i < end; ++i) {
        ++w;
        // The LF of a CR LF pair adds nothing: the pair is one widget character.
        if (model[static_cast<size_t>(i)] == '\r' && i + 1 < static_cast<int>(model.size()) &&
            model[static_cast<size_t>(i) + 1] == '\n')
            ++i;
    }
    return w;
}

int widgetToModelPos(const std::string& model, int pos) {
    const int size = static_cast<int>(model.size());
    int m = 0;
    for (int w = 0; w < pos && m < size; ++w) {
        if (model[static_cast<size_t>(m)] == '\r' && m + 1 < size &&
            model[static_cast<size_t>(m) + 1] == '\n')
            m += 2;
        else
            ++m;
    }
    return m;
}

int clickInTrailingBlanks(const std::string& model, int pos) {
    const size_t last = model.find_last_not_of(' ');
    const int first = last == std::string::npos ? 0 : static_cast<int>(last) + 1;
    return first < static_cast<int>(model.size()) && pos > first ? first : pos;
}

QString withoutMnemonics(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                out.append(QLatin1Char('&'));
                ++i;
            }
            continue;
        }
        out.append(caption[i]);
    }
    return out;
}

} // namespace ui::qt
