// The page history file: one item per book, the book's file name without its
// last four characters (its "." and extension), "=" and the number of the
// page it was left at ("GEN=12"), one item a line, each ended by CR LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

// The name under which a book file's page is kept: the file name without
// its last four characters; empty for a name of four characters or fewer.
std::string historyName(const std::string& bookFile);

// An item taken apart at its last "=": the book's name before it, the page
// after it. Nothing for an item without "=".
struct HistoryItem {
    std::string_view name;
    std::string_view page;
};
std::optional<HistoryItem> parseHistoryItem(std::string_view item);

// Whether item is the one of the book kept under name: its name part is
// name exactly ("GEN2=2" is not the item of GEN).
bool isHistoryItemOf(std::string_view item, std::string_view name);

// The page a book opens at for an item's page part: the page when it is a
// number other than 0 written in digits only, else empty (the first page).
std::string usablePage(std::string_view page);

// The largest history file read; one larger is not read (and not replaced).
constexpr size_t kMaxHistoryFileSize = 16 * 1024 * 1024;

// The items of a history file's content: every line that is not empty, in
// file order, whether lines end in CR LF, LF or CR alone; a byte-order mark
// at the start is no part of the first line.
std::vector<std::string> readHistoryFile(std::string_view content);

// The file's content for items: each followed by CR LF.
std::string historyFileText(const std::vector<std::string>& items);

} // namespace formats
