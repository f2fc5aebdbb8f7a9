// Bookmark items and the bookmark file that keeps them between runs.
//
// An item is a title part, a separator ("--" for a verse of a Bible book,
// "-" otherwise) and a key (page ":" paragraph, or chapter ":" verse), joined
// without blanks: "Collected Letters-12:3", "John--3:16". The file holds one
// item per line in the order of the list, Windows-1252, each line ended by
// CR LF; an empty file is an empty list.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

// The file's name; it lies beside the page history.
constexpr const char* kBookmarkFile = "!Bookmarks.ini";

// Limits of the list, and so of the file: far more than a reader sets, and
// small enough to be read whole at every start.
constexpr size_t kMaxBookmarks = 4096;
constexpr size_t kMaxBookmarkLength = 500; // bytes of one item, without its line end
constexpr size_t kMaxBookmarkFileSize = kMaxBookmarks * (kMaxBookmarkLength + 2);

// The title part of a book title: the text before its first ","; without
// ",", before its first " by"; without either, the whole title.
std::string bookmarkTitlePart(const std::string& title);

// The item of a bookmark: title part, "--" in a Bible book or "-"
// otherwise, and the key.
std::string bookmarkItem(const std::string& title, bool bible, const std::string& key);

// An item read back: the separator is the last "--" before the item's first
// ":", else the last "-" before it; the title is trimmed of blanks. Nothing
// when the item has no ":" or no "-" before it.
struct BookmarkPlace {
    bool bible = false;
    std::string title;
    std::string key;
};
[[nodiscard]] std::optional<BookmarkPlace> parseBookmark(std::string_view item);

// Why an item cannot be a line of the file.
enum class BookmarkFault {
    None,
    Empty,
    ControlCharacter, // a byte below 32 other than a tab, or 127: NUL, CR, LF and the like
    TooLong,          // more than kMaxBookmarkLength bytes
    NoPlace,          // parseBookmark finds no title and key in it
};
BookmarkFault bookmarkFault(std::string_view item);

// What a fault says of a line, in words for the reader: "is empty", "holds a
// control character", "is longer than 500 characters", "is not a book mark".
std::string describe(BookmarkFault fault);

// The content of a bookmark file read: the items in order, or why the file
// is damaged (fault, e.g. "line 3 is not a book mark"; then no items).
struct BookmarkFile {
    std::vector<std::string> items;
    std::string fault;
    bool damaged() const { return !fault.empty(); }
};

// Reads a file's content, without a byte-order mark at its start. Lines may
// end in CR LF or a bare LF, the last one also in nothing. The file is damaged when it is larger
// than kMaxBookmarkFileSize, holds more than kMaxBookmarks lines, or has a line that is not an item
// (see bookmarkFault) or that repeats an earlier line.
[[nodiscard]] BookmarkFile readBookmarkFile(std::string_view content);

// The file's content for items: each followed by CR LF.
std::string bookmarkFileText(const std::vector<std::string>& items);

} // namespace formats
