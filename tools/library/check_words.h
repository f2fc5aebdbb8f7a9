// The word lookup of the parallel verse window, replayed without a window:
// which dictionary file and key a click on a word reaches, and the checks
// built on it for Bible verses, their notes and the dictionaries.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formats/clicked_word.h"
#include "library/check_context.h"

namespace library::check {

using Lookup = formats::WordLookup;

// A click on the word that starts at byte pos of text (the box's whole
// text). bracketRule: only words with a "[" within their first characters
// respond. lang is the current division's language ("Heb", "Grk" or "").
Lookup lookupWord(std::string_view text, size_t pos, bool bracketRule, const std::string& lang);

// The verses of a Bible book: the original-language part after "^", its
// words (each a key of its dictionary) and its note keys (each in the index
// of the notes file of bookFile, the book's name as the program writes it).
void checkBibleBook(Context& ctx, const SourceFile& book, const std::string& bookFile,
                    const std::string& lang);

// A dictionary file: keys in byte order, in lower case, in the file their
// first letter chooses; every G[word] and H[word] link of its definitions.
void checkDictionary(Context& ctx, const SourceFile& file);

} // namespace library::check
