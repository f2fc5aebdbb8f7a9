// The word a click in the parallel window's verse or notes box looks up:
// cut out of the box's text around the caret, stripped of its punctuation,
// and mapped to a dictionary file and key. The verse window and
// tessary-library's checks both cut words with it.
#pragma once

#include <string>
#include <string_view>

namespace formats {

struct WordLookup {
    // NotAWord: no word at the click; NoResponse: the bracket rule or an
    // unclosed G[ or H[ stops it; NoDictionary: no file serves the word.
    enum Outcome { NotAWord, NoDictionary, NoResponse, Found };
    Outcome outcome = NotAWord;
    std::string file;      // the dictionary file name ("lgrkdict.txd"), when found
    std::string key;       // the key looked up, with a final "'" kept, when found
    bool prefixed = false; // the word was written G[...] or H[...]
    std::string why;       // what stopped the lookup, for messages
};

// The lookup of a click with caret characters before the caret in text, the
// box's whole text. The word runs from the blank before the first blank at or
// after the character just before the caret; so a click just after a blank
// takes the word before it, and caret 0 takes nothing. With bracketRule only
// a word with "[" among the first three characters of its cut (blank
// included) responds: G[word] and H[word], not (G[word]). A leading ">", '"'
// or "(" and up to two final characters below "0" are dropped; G[ and H[
// choose Greek or Hebrew, otherwise lang ("Grk", "Heb" or "") does. A word
// ending in "'" (before a blank or before "]") keeps it in its key.
WordLookup clickedWord(std::string_view text, size_t caret, bool bracketRule,
                       std::string_view lang);

} // namespace formats
