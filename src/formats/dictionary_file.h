// Dictionary files: one per initial letter and language (agrkdict.txd), an
// index line of "<key>offset" entries each followed by "<", then one
// definition per line, shown whole and beginning with its key and ": ".
// Keys are words in lower case.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formats/indexed_file.h"

namespace formats {

// The dictionary file that holds a key, or why no file does.
struct DictionaryChoice {
    std::optional<std::string> file; // "agrkdict.txd"
    std::string why;                 // when there is no file: the reason, for messages
};

// The file a key (in lower case) is looked up in for language lang ("Grk",
// "Heb" or ""): its first letter, or its second after a leading "'", "-" or
// "["; Greek q, u, v and y words are filed with the Hebrew ones. There is no
// file for f, j and w, for Hebrew x, nor for a first character below "A".
DictionaryChoice dictionaryFor(std::string_view key, std::string_view lang);

// The key that a definition line names: the text before its first ": "
// ("" without one).
std::string dictionaryLineKey(const std::string& line);

// The definition of key, read from a dictionary whose index line is head;
// nothing when the key is not in the index or its offset is not followed
// by "<".
[[nodiscard]] std::optional<std::string>
readDefinition(platform::TextFile& file, const IndexHead& head, std::string_view key);

} // namespace formats
