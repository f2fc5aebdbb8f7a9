#include "library/check_markup.h"

#include <cctype>
#include <cstdio>

#include "platform/text_file.h"

namespace library::check {

namespace {

// The length of the character entity at s[at] ("&#8220;", "&#x201C;",
// "&amp;"), 0 when there is none.
size_t entityAt(std::string_view s, size_t at) {
    const size_t semi = s.find(';', at);
    if (semi == std::string_view::npos || semi - at < 3 || semi - at > 9)
        return 0;
    const std::string_view name = s.substr(at + 1, semi - at - 1);
    for (std::string_view named : {"amp", "lt", "gt", "quot", "apos", "nbsp"})
        if (name == named)
            return semi - at + 1;
    if (name[0] != '#')
        return 0;
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty())
        return 0;
    for (char c : digits)
        if (!(hex ? std::isxdigit(static_cast<unsigned char>(c))
                  : std::isdigit(static_cast<unsigned char>(c))))
            return 0;
    return semi - at + 1;
}

// "\nd" not followed by a letter (passage lists hold "\nah 1:1"), or "\+".
bool markerAt(std::string_view s, size_t at) {
    if (at + 1 < s.size() && s[at + 1] == '+')
        return true;
    return s.substr(at + 1, 2) == "nd" &&
           (at + 3 == s.size() || !std::islower(static_cast<unsigned char>(s[at + 3])));
}

// The length of a well-formed UTF-8 sequence of two to four bytes at
// s[at], and its code point; 0 when there is none. Windows-1252 text holds
// such a run only by mistake ("Ã©" for "é", "â€™" for "’").
size_t utf8At(std::string_view s, size_t at, unsigned long& code) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[at + i]); };
    const unsigned lead = byte(0);
    size_t n = 0;
    unsigned low = 0x80, high = 0xBF; // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3;
        code = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4;
        code = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + n > s.size() || byte(1) < low || byte(1) > high)
        return 0;
    for (size_t i = 1; i < n; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    return n;
}

constexpr int kMaxUtf8FaultsPerFile = 10;

} // namespace

void checkLeftoverMarkup(const SourceFile& file, Report& report) {
    const std::string& b = file.bytes();
    const std::string_view s = b;
    for (size_t at = s.find_first_of("&\\"); at != std::string_view::npos;
         at = s.find_first_of("&\\", at + 1)) {
        const long offset = static_cast<long>(at);
        if (s[at] == '&') {
            if (const size_t n = entityAt(s, at))
                report.tally(file, "entity", offset,
                             "character entity \"" + std::string(s.substr(at, n)) +
                                 "\" left in the text");
        } else if (markerAt(s, at)) {
            report.tally(file, "marker", offset,
                         "source marker \"" + excerpt(s.substr(at, 6), 6) + "\" left in the text");
        }
    }
}

void checkUtf8(const SourceFile& file, Report& report) {
    if (file.byteOrderMark())
        report.at(file, 0,
                  "a UTF-8 byte-order mark starts the file: the library is Windows-1252 text");
    const std::string_view s = file.bytes();
    int faults = 0;
    long more = 0, lastLine = 0;
    for (size_t at = file.byteOrderMark() ? platform::kByteOrderMark.size() : 0; at < s.size();
         ++at) {
        if (static_cast<unsigned char>(s[at]) < 0xC2)
            continue;
        unsigned long code = 0;
        const size_t n = utf8At(s, at, code);
        if (n == 0)
            continue;
        const long line = file.lineNumber(static_cast<long>(at));
        if (line != lastLine) { // one fault per line
            lastLine = line;
            if (faults < kMaxUtf8FaultsPerFile) {
                char what[96];
                std::snprintf(what, sizeof what, "U+%04lX (bytes", code);
                std::string bytes = what;
                for (size_t i = 0; i < n; ++i) {
                    std::snprintf(what, sizeof what, " %02X",
                                  static_cast<unsigned>(static_cast<unsigned char>(s[at + i])));
                    bytes += what;
                }
                report.at(file, static_cast<long>(at),
                          std::string(code == 0xFEFF ? "a UTF-8 byte-order mark "
                                                     : "a UTF-8 character ") +
                              bytes + ") in the text: the library is Windows-1252 text");
                ++faults;
            } else {
                ++more;
            }
        }
        at += n - 1;
    }
    if (more > 0)
        report.file(file.name(),
                    std::to_string(more) + " more lines with UTF-8 characters in the text");
}

} // namespace library::check
