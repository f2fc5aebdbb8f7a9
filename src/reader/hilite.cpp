#include "reader/hilite.h"

#include "formats/letter_case.h"

namespace reader {

namespace {
std::optional<size_t> find(const std::string& text, const std::string& what) {
    size_t at = text.find(what);
    if (at == std::string::npos)
        return std::nullopt;
    return at;
}

std::string withFirst(std::string s, bool capital) {
    s[0] = capital ? formats::upperLetter(s[0]) : formats::lowerLetter(s[0]);
    return s;
}
} // namespace

std::optional<size_t> findHilite(const std::string& text, const std::string& hilite,
                                 bool caseSensitive) {
    if (hilite.empty())
        return std::nullopt;
    if (caseSensitive)
        return find(text, hilite);
    if (auto at = find(text, withFirst(hilite, true)))
        return at;
    return find(text, withFirst(hilite, false));
}

} // namespace reader
