// Reading a library file through its index line: line 1 is read once, then
// every entry is one seek away.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formats/index_line.h"
#include "platform/text_file.h"

namespace formats {

// Line 1 of a file and its byte length with its line end, the base from
// which offsets count (offset 1 is the byte at position length + 1).
struct IndexHead {
    std::string line;
    long length = 0;
};

// Reads line 1 of a file just opened; nothing when the file is empty.
[[nodiscard]] std::optional<IndexHead> readIndexHead(platform::TextFile& file);

// Moves to the line at offset, counted from the first byte after an index
// line of base bytes; false when offset is below 1, the seek fails, or the
// position is at or past the end of the file.
[[nodiscard]] bool seekToOffset(platform::TextFile& file, long base, long offset);

// The line at offset (see seekToOffset); nothing when it cannot be reached.
[[nodiscard]] std::optional<std::string> readLineAt(platform::TextFile& file, long base,
                                                    long offset);

// The line that key's entry in head names: find the key, take its offset,
// read the line there. Nothing when the key has no entry, its offset is not
// a number or leads past the end of the file.
[[nodiscard]] std::optional<std::string>
readEntryLine(platform::TextFile& file, const IndexHead& head, std::string_view key, IndexEnd end);

} // namespace formats
