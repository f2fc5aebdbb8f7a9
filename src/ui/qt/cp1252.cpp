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
    return toBoxText(model, {});
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

namespace {

bool isCrLf(const std::string& model, size_t i) {
    return model[i] == '\r' && i + 1 < model.size() && model[i + 1] == '\n';
}

} // namespace

std::vector<int> pieceBreaks(const std::string& model) {
    std::vector<int> breaks;
    size_t run = 0; // characters since the paragraph's start or the last break
    for (size_t i = 0; i < model.size(); ++i) {
        const char c = model[i];
        if (c == '\r' || c == '\n') {
            run = 0;
            continue;
        }
        ++run;
        const bool due = (run >= kPieceLength && c == ' ') || run >= 2 * size_t{kPieceLength};
        // No break where the paragraph ends anyway.
        if (due && i + 1 < model.size() && model[i + 1] != '\r' && model[i + 1] != '\n') {
            breaks.push_back(static_cast<int>(i + 1));
            run = 0;
        }
    }
    return breaks;
}

QString toBoxText(const std::string& model, const std::vector<int>& breaks) {
    // Written in place: appending character by character costs several
    // times as much for a page of text.
    QString out(static_cast<qsizetype>(model.size() + breaks.size()), Qt::Uninitialized);
    QChar* put = out.data();
    size_t next = 0;
    for (size_t i = 0; i < model.size(); ++i) {
        if (next < breaks.size() && breaks[next] == static_cast<int>(i)) {
            *put++ = QLatin1Char('\n');
            ++next;
        }
        if (model[i] == '\r') {
            *put++ = QLatin1Char('\n');
            if (isCrLf(model, i))
                ++i;
        } else {
            *put++ = cp1252Char(static_cast<unsigned char>(model[i]));
        }
    }
    out.truncate(put - out.constData());
    return out;
}

int modelToBoxPos(const std::string& model, const std::vector<int>& breaks, int pos) {
    const int end = std::clamp(pos, 0, static_cast<int>(model.size()));
    int w = 0;
    size_t next = 0;
    for (int i = 0; i < end; ++i) {
        if (next < breaks.size() && breaks[next] == i) {
            ++w;
            ++next;
        }
        ++w;
        if (isCrLf(model, static_cast<size_t>(i)))
            ++i;
    }
    if (next < breaks.size() && breaks[next] == end)
        ++w;
    return w;
}

int boxToModelPos(const std::string& model, const std::vector<int>& breaks, int pos) {
    const int size = static_cast<int>(model.size());
    int m = 0;
    size_t next = 0;
    for (int w = 0; w < pos && m < size; ++w) {
        if (next < breaks.size() && breaks[next] == m)
            ++next; // the box's own break: no model character
        else
            m += isCrLf(model, static_cast<size_t>(m)) ? 2 : 1;
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
