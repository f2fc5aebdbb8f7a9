// Book files: an index line of "<page:para>offset" entries ended by "*", then
// one line "page:para>text" per paragraph or verse. A line " " ends the
// book; a shorter line is a filler that the next line stands in for.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "formats/indexed_file.h"

namespace formats {

// A page's text is cut before the paragraph that would take it past this
// many characters, and a load stores at most this many lines.
constexpr size_t kMaxPageChars = 32000;
constexpr long kMaxPageLines = 2000;

inline bool isEndMarker(std::string_view line) {
    return line == " ";
}
inline bool isFiller(std::string_view line) {
    return line.size() < 2;
}

// "%" inside a paragraph's text breaks it: the text with every "%" replaced
// by lineBreak (CR LF CR LF in page texts, which shows an empty line).
std::string withParagraphBreaks(std::string_view text, std::string_view lineBreak);

// The page number of a key page:para as the page loader reads it: the number
// before the first ":", blanks around it allowed; nothing without ":".
[[nodiscard]] std::optional<long> pageOfKey(std::string_view key);

// The page number of a key as index lines write it: digits without blanks
// or leading zeros before the first ":", and no "<" anywhere in the key.
[[nodiscard]] std::optional<long> writtenPageOfKey(std::string_view key);

// A body line split at its first ">": key before it, text after it. A line
// without ">" is all key and has an empty text.
struct BodyLine {
    std::string_view key;
    std::string_view text;
    bool keyClosed = false; // the line holds ">"
};
BodyLine splitBodyLine(std::string_view line);

// The text of a Bible verse split at its first "^": before it the verse as
// the reading window shows it, after it the character the reader skips and
// the original-language part. Without "^" all of the text is shown.
struct VerseText {
    std::string_view shown;
    std::string_view original;
    bool split = false; // the text holds "^"
};
VerseText splitVerseText(std::string_view text);

// A body line as a page shows it. In Bible books shown is the text before
// the first "^" and rest what follows "^" and the character after it; in
// other books text begins after the ">" of ">References:" when it holds that,
// and shown is text. text is what counts towards kMaxPageChars.
struct PageLine {
    std::string_view key;
    std::string_view text;
    std::string_view shown;
    std::string_view rest;
};
PageLine pageLineOf(std::string_view line, bool bible);

// A book's index line with its first and last entry (their keys trimmed of
// blanks) and the pages they name.
struct BookIndex {
    IndexHead head;
    std::string firstEntry, lastEntry;
    long firstPage = 0, lastPage = 0;
};

// Reads line 1 as a book's index; nothing when it has no "<" or "*", when
// its first or last entry has no ">" or names no page number.
[[nodiscard]] std::optional<BookIndex> bookIndexOf(IndexHead head);

} // namespace formats
