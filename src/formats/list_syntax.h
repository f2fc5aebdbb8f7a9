// The line syntax of the catalogue list files: items split at a separator,
// the kinds of third-level lists and what their lines show, and the markers
// that make a second-level item a Bible division.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace formats {

// A line split at the first separator: further separators stay in right.
struct Split {
    bool found = false;
    std::string left;
    std::string right;
};
Split splitAt(const std::string& line, char separator);

// An item of a list file whose lines are "key@text" (the start list, the
// second-level lists, the advice list, the abbreviations): the key before
// the first "@" and the text after it.
struct ListEntry {
    std::string key;
    std::string text;
};
// The items of such a file, in order: each line holding "@" is one, other
// lines are skipped. At most limit items are read; the rest of the file is
// not.
std::vector<ListEntry> listEntries(const std::vector<std::string>& lines, size_t limit);

// The kinds of third-level lists: PBD, STQ, PTQ, STX, SXX, PNV and PRE.
bool isListKind(const std::string& kind);

// What a chosen item of a list of the kind opens, by its key: a book in the
// reading window (STX, and SEL), a text file shown whole (SXX), the passages
// of a passage list (PNV, PRE, PTQ), one passage (PBD), or nothing (STQ, and
// every other kind).
enum class ItemsOpen { Nothing, Book, TextFile, Passages, OnePassage };
ItemsOpen itemsOpen(const std::string& kind);

// The kind of a third-level list file: the upper-cased text after the key's
// first ".", or the whole upper-cased key when it has none.
std::string listKind(const std::string& key);

// One item of a third-level list as its kind shows it.
struct ListItem {
    std::string shown; // the text in the list (headings end in ":-")
    std::string key;   // what the item opens; empty for headings
    std::string ref;   // PRE lists: the reference after ">", or three blanks
};

// The item a line of a third-level list of the given kind adds; nothing when
// the line adds no item (no "@" separator, an STX/SXX line without key, or an
// unknown kind).
[[nodiscard]] std::optional<ListItem> thirdLevelItem(const std::string& kind,
                                                     const std::string& line);

// The original language a second-level item's text names ("Heb", "Grk"), or
// empty when the item is not a Bible division.
std::string languageOf(const std::string& text);

} // namespace formats
