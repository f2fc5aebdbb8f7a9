// Index lines, line 1 of books, notes files and dictionaries: a run of
// entries "<" key ">" offset, each offset a byte count from the first byte of
// line 2 (offset 1). Books and notes files end the run with "*",
// dictionaries with a closing "<". A key's entry is found by one search of
// the line for "<" + key + ">"; its first occurrence counts.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

// How the run of entries ends: "*" (books, notes files) or "<" (dictionaries).
enum class IndexEnd { Star, Bracket };

struct IndexEntry {
    std::string key;
    long offset = 0;
};

// The position of the "<" of key's entry, or nothing when "<" + key + ">"
// does not occur.
[[nodiscard]] std::optional<size_t> findEntry(std::string_view index, std::string_view key);

// The first entry (the first "<"), if any.
[[nodiscard]] std::optional<size_t> firstEntry(std::string_view index);

// The first entry of a page (the first "<" + page + ":"), page written in
// decimal as the caller gives it.
[[nodiscard]] std::optional<size_t> findPageEntry(std::string_view index, std::string_view page);

// The last entry of a page (the last "<" + page + ":").
[[nodiscard]] std::optional<size_t> findLastPageEntry(std::string_view index,
                                                      std::string_view page);

// The first entry of the highest page from low to below - 1 that has one
// (its "<" + page + ":" written in decimal without leading zeros), found in
// one walk along the line; nothing when no page in that range has an entry.
struct PageEntry {
    size_t at = 0; // the position of its "<"
    long page = 0;
};
[[nodiscard]] std::optional<PageEntry> findHighestPageBelow(std::string_view index, long low,
                                                            long below);

// The entry after the one whose "<" stands at at: the next "<", if any.
[[nodiscard]] std::optional<size_t> entryAfter(std::string_view index, size_t at);

// The key of the entry whose "<" stands at at: the text up to the next ">",
// or the rest of the line when no ">" follows.
std::string_view keyAt(std::string_view index, size_t at);

// The page label of the entry whose "<" stands at at: the text up to the
// next ":", and the position of that ":"; nothing when no ":" follows.
struct PageLabel {
    std::string_view label;
    size_t colon = 0;
};
[[nodiscard]] std::optional<PageLabel> pageLabelAt(std::string_view index, size_t at);

// The offset text that starts at from (just after a key's ">"): up to the
// next "<", or with IndexEnd::Star the next "<" or "*", whichever comes first,
// or the end of the line. Nothing for IndexEnd::Bracket when no "<" follows.
[[nodiscard]] std::optional<std::string_view> offsetText(std::string_view index, size_t from,
                                                         IndexEnd end);

// The offset of key's entry; nothing when the key has no entry or its
// offset text is not a number.
[[nodiscard]] std::optional<long> offsetOfKey(std::string_view index, std::string_view key,
                                              IndexEnd end);

// One entry as a walk along the index line meets it.
struct ScannedEntry {
    size_t at = 0;          // the position of its "<"
    bool keyClosed = false; // a ">" follows before the next entry; nothing below is set without
    std::string_view key;
    size_t offsetAt = 0;                        // the position of its offset text
    std::optional<std::string_view> offsetText; // nothing: no "<" after a dictionary's offset
    std::optional<long> offset;                 // the offset, when its text is a number
};

struct IndexScan {
    bool hasEntries = false;   // a "<" stands before the end of the run
    std::optional<size_t> end; // IndexEnd::Star: the position of the first "*", if any
    std::vector<ScannedEntry> entries;
    // With IndexEnd::Star: whether text follows the "*".
    bool textAfterEnd(std::string_view line) const { return end && *end + 1 < line.size(); }
};

// Walks the index line entry by entry up to the end of its run (the first
// "*", or a closing "<" at the very end of a dictionary's line). Text before
// the first "<" is passed over; faults are left for the caller to judge.
IndexScan scanIndexLine(std::string_view line, IndexEnd end);

// A well-formed index line's entries; fault is empty then, else it says
// what is wrong first and entries is empty.
struct ParsedIndex {
    std::vector<IndexEntry> entries;
    std::string fault;
};
[[nodiscard]] ParsedIndex parseIndexLine(std::string_view line, IndexEnd end);

// The index line (without its CR LF) for body lines written one per line
// with CR LF after it: an entry for every line whose keyOf is not empty.
std::string buildIndexLine(const std::vector<std::string>& body, IndexEnd end,
                           const std::function<std::string(const std::string&)>& keyOf);

} // namespace formats
