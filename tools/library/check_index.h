// Checks of the index line that opens books, notes files and dictionaries,
// and of the bodies of books and notes files.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "library/check_report.h"
#include "library/check_source.h"

namespace library::check {

enum class FileKind { Book, Notes, Dictionary };

struct Entry {
    std::string key;
    long pos = 0;               // 0-based offset of the entry's "<"
    std::optional<long> offset; // the offset, when it is a number
    std::optional<size_t> line; // the body line it reaches, when that line carries key
};

struct Index {
    long length = 0; // bytes of line 1 with its line end: offsets count from here
    std::vector<Entry> entries;
    std::unordered_map<std::string, size_t> first; // key -> its first entry
};

// Reads line 1 of file as the index of a file of the given kind, reporting
// malformed entries, duplicate keys and offsets that do not reach the start
// of a line beginning with key + ">" (in dictionaries key + ": ").
Index readIndex(const SourceFile& file, FileKind kind, Report& report);

// Book rules: page:para keys in page order and file order, body lines with
// ">", the end marker, pages the loader cuts short (bibleModes: the BibleMode
// values the book is opened with).
void checkBook(const SourceFile& file, const Index& index, const std::set<bool>& bibleModes,
               Report& report);

// Notes-file rules: every note line carries a key and ">".
void checkNotes(const SourceFile& file, Report& report);

} // namespace library::check
