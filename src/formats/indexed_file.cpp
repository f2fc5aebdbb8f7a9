#include "formats/indexed_file.h"

namespace formats {

std::optional<IndexHead> readIndexHead(platform::TextFile& file) {
    IndexHead head;
    if (!file.readLine(head.line))
        return std::nullopt;
    head.length = file.position() - 1;
    return head;
}

bool seekToOffset(platform::TextFile& file, long base, long offset) {
    return offset >= 1 && file.seek(base + offset) && !file.eof();
}

std::optional<std::string> readLineAt(platform::TextFile& file, long base, long offset) {
    std::string line;
    if (!seekToOffset(file, base, offset) || !file.readLine(line))
        return std::nullopt;
    return line;
}

std::optional<std::string> readEntryLine(platform::TextFile& file, const IndexHead& head,
                                         std::string_view key, IndexEnd end) {
    const auto offset = offsetOfKey(head.line, key, end);
    if (!offset)
        return std::nullopt;
    return readLineAt(file, head.length, *offset);
}

} // namespace formats
