#include "library/check_markup.h"

#include <cctype>

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

// A two-byte UTF-8 letter of the Greek (U+0380..U+03FF) or Hebrew
// (U+0580..U+05FF) block: in Windows-1252 "Î", "Ï", "Ö" or "×" before a byte
// 0x80..0xBF.
bool utf8LetterAt(std::string_view s, size_t at) {
    const auto lead = static_cast<unsigned char>(s[at]);
    if (lead != 0xCE && lead != 0xCF && lead != 0xD6 && lead != 0xD7)
        return false;
    if (at + 1 >= s.size())
        return false;
    const auto next = static_cast<unsigned char>(s[at + 1]);
    return next >= 0x80 && next <= 0xBF;
}

} // namespace

void checkLeftoverMarkup(const SourceFile& file, Report& report) {
    const std::string& b = file.bytes();
    const std::string_view s = b;
    for (size_t at = s.find_first_of("&\\\xCE\xCF\xD6\xD7"); at != std::string_view::npos;
         at = s.find_first_of("&\\\xCE\xCF\xD6\xD7", at + 1)) {
        const long offset = static_cast<long>(at);
        if (s[at] == '&') {
            if (const size_t n = entityAt(s, at))
                report.tally(file, "entity", offset,
                             "character entity \"" + std::string(s.substr(at, n)) +
                                 "\" left in the text");
        } else if (s[at] == '\\') {
            if (markerAt(s, at))
                report.tally(file, "marker", offset,
                             "source marker \"" + excerpt(s.substr(at, 6), 6) +
                                 "\" left in the text");
        } else if (utf8LetterAt(s, at)) {
            report.tally(file, "utf8", offset,
                         "a Greek or Hebrew letter in UTF-8 left in the text");
        }
    }
}

} // namespace library::check
