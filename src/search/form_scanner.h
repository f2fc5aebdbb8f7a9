// A fast scan of a book for the occurrences of a search text's forms: the
// forms differ in their first character only, so one pass compares two
// anchor characters at many candidate starts at a time and checks the whole
// text only where both anchors fit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace search {

class SearchText;

class FormScanner {
public:
    explicit FormScanner(const SearchText& text);

    // The position of the first occurrence of either form that starts at or
    // after from, or npos. An empty text is never found.
    size_t next(std::string_view hay, size_t from) const;

    // Where the anchors are: offsets into the text, the first not above the second.
    size_t anchor1() const { return m_anchor1; }
    size_t anchor2() const { return m_anchor2; }

    // True when either form starts at at (which must have room for it).
    bool matchesAt(const char* at) const;
    // The first start in i .. i + 31 whose bit is set in mask that holds a
    // form, or npos.
    size_t verify(const char* h, size_t i, unsigned mask) const;

private:
    std::string m_first;
    char m_otherInitial; // the first character of the second form
    size_t m_anchor1;
    size_t m_anchor2;
};

} // namespace search
