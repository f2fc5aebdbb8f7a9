// The matching rules of the search, free of any window: which part of a book
// line is tested, which forms of the search text are looked for, the
// whole-word test, and the excerpt that a hit leaves in the results text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace search {

// The options of one search.
struct FindOptions {
    bool caseSensitive = false;   // look for the text exactly as typed
    bool wholeWord = false;       // the occurrence must stand between non-word characters
    bool fromVerseWindow = false; // test the original-language part after "^"
    bool bibleMode = false;       // test only the displayed part before "^"
};

// The search text and the forms a search looks for: with case, the text as
// typed; without, its lower-initial form first, then its capitalised form
// (both equal the text when its first character is not a letter).
class SearchText {
public:
    SearchText(std::string text, bool caseSensitive);

    const std::string& first() const { return m_first; }
    // The second form; equal to first() when there is only one.
    const std::string& second() const { return m_second; }
    bool twoForms() const { return m_first != m_second; }
    size_t size() const { return m_first.size(); }
    bool empty() const { return m_first.empty(); }

private:
    std::string m_first;
    std::string m_second;
};

// True for the characters that continue a word: "0" to "9" and "a" to "z".
inline bool isWordChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
}

// The part of a line's text (the text after the key's ">") that a search tests.
// From the verse window: after the first "^", up to the first "<" behind it
// (the note keys are left out); otherwise in a Bible book the part before the
// first "^"; otherwise, and always without "^", the whole text.
std::string_view testedText(std::string_view text, const FindOptions& options);

// Tests one book line (without its line end). On a hit appends the entry
// prefix, key, ">", excerpt, CR LF CR LF to results and returns true. A line
// without ">" is never a hit; only the first occurrence found is tested.
bool searchLine(std::string_view line, const SearchText& text, const FindOptions& options,
                std::string_view prefix, std::string& results);

// Tests every line of a whole book file after its first line (the index
// line); lines end in LF with an optional CR before it. Appends the entries in
// line order and returns how many were appended; stops after the entry that
// makes results longer than enough characters. An empty search text finds
// nothing.
size_t searchBook(std::string_view book, const SearchText& text, const FindOptions& options,
                  std::string_view prefix, std::string& results, size_t enough = std::string::npos);

} // namespace search
