// Passage references in catalogue keys: "stem page:para\", "stem
// page:first-last\" or "stm page:first,page:last\" (a three-letter stem),
// each ended by "\", turned into entries "stem page:para\lines".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

// A key yields at most this many entries.
constexpr size_t kMaxPassageEntries = 150;

// The entries of a passage list key, in order; the list ends at the first
// reference without ":" (in the comma form: in either half) or without a
// blank before its ":", and text after the last "\" is ignored.
std::vector<std::string> passageEntries(const std::string& key);

// The entry of a single-passage (PBD) key, or empty when it opens nothing.
// A key ending in "\" reads one line when text (the item's) begins with ".";
// a key without "\" is taken from next (the item after the chosen one).
std::string singlePassageEntry(std::string key, const std::string& text, const std::string& next);

// An entry reads at most this many lines, whatever count it gives.
constexpr long kMaxPassageLines = 2000;

// One entry taken apart: the book stem, the key of its first line (blanks
// trimmed), the number of lines to read from there (at most
// kMaxPassageLines; 0 or less reads none) and the key of its last line: the
// first key's page and its paragraph number plus lines less one ("1:4" and 6
// lines end at "1:9").
struct PassageEntry {
    std::string stem;
    std::string ref;
    long lines = 0;
    long asked = 0; // the count as the entry gives it, before the cap
    std::string last;
};

// Nothing when the entry has no blank, no "\" or no ":", or its first blank
// does not come before its "\".
[[nodiscard]] std::optional<PassageEntry> parsePassageEntry(std::string_view entry);

// A passage is read by its keys, never as a count of lines in a row: from
// its first key on, a line whose key names another page ends it before
// that line (its chapter has ended), and the line with its last key ends it
// after that line; at most its count of lines is read either way.
enum class PassageLine { Take, TakeLast, Stop };
PassageLine passageLine(const PassageEntry& entry, std::string_view key);

} // namespace formats
