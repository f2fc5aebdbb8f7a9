#include "formats/notes_file.h"

namespace formats {

VerseNotes splitVerseNotes(std::string_view text) {
    const size_t lt = text.find('<');
    if (lt == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, lt), text.substr(lt + 1)};
}

std::vector<NoteKey> noteKeys(std::string_view keys) {
    std::string list(keys);
    if (list.empty() || list.back() != ',')
        list += ',';
    std::vector<NoteKey> found;
    // While at least two characters are left: a key and its ",".
    for (size_t at = 0; list.size() - at >= 2;) {
        const size_t comma = list.find(',', at);
        found.push_back({list.substr(at, comma - at), at});
        at = comma + 1;
    }
    return found;
}

std::string_view noteShown(std::string_view line) {
    const size_t gt = line.find('>');
    return gt == std::string_view::npos ? line : line.substr(gt);
}

std::optional<std::string> readNote(platform::TextFile& file, const IndexHead& head,
                                    std::string_view key) {
    auto line = readEntryLine(file, head, key, IndexEnd::Star);
    if (!line)
        return std::nullopt;
    return std::string(noteShown(*line));
}

} // namespace formats
