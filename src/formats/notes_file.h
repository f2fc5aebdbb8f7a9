// Notes files (a Bible book's stem followed by "COM.TXV"): an index line of
// "<key>offset" entries ended by "*", then one note per line. A verse's
// original-language text names its notes after a "<" as a list of keys.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/indexed_file.h"

namespace formats {

// The notes of one verse are looked up for at most this many keys.
constexpr size_t kMaxNoteKeys = 50;

// A verse's original-language part split at its first "<": the verse before
// it, the note keys after it (empty without "<").
struct VerseNotes {
    std::string_view verse;
    std::string_view keys;
};
VerseNotes splitVerseNotes(std::string_view text);

// One note key of a verse and where it starts in the key list.
struct NoteKey {
    std::string key;
    size_t at = 0;
};

// The keys of a key list, in order: it is split at each ",", a final ","
// optional, so that "a,b" and "a,b," both give a and b. Keys may be empty
// ("a,,b"); every key is given, also past kMaxNoteKeys.
std::vector<NoteKey> noteKeys(std::string_view keys);

// What a note line shows: the line from its first ">" on, or all of it
// without ">".
std::string_view noteShown(std::string_view line);

// The note of key as it is shown, read from a notes file whose index line
// is head; nothing when the key is not in the index or leads nowhere.
[[nodiscard]] std::optional<std::string> readNote(platform::TextFile& file, const IndexHead& head,
                                                  std::string_view key);

} // namespace formats
