// Writing library files that open with an index line. The rules of the
// index line itself are in formats/index_line.h; these are the tool's
// choices of which lines get an entry, and the writing of whole files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formats/dictionary_file.h"
#include "formats/index_line.h"

namespace library {

using formats::dictionaryLineKey;
using formats::IndexEnd;
using formats::IndexEntry;

// The key of a body line: the text before its first ">" ("" without one).
std::string lineKey(const std::string& line);

// Every line that has a key gets an entry.
bool hasKey(const std::string& line);

// The index line (without CR LF) for body lines written one per line with
// CR LF after it: an entry with lineKey for every line that wanted accepts.
std::string buildIndexLine(const std::vector<std::string>& body, IndexEnd end,
                           bool (*wanted)(const std::string& line));

// The same with the keys keyOf gives; lines with an empty key get no entry.
std::string buildIndexLineWith(const std::vector<std::string>& body, IndexEnd end,
                               std::string (*keyOf)(const std::string& line));

// The entries of a well-formed index line; nothing, with error set to the
// first fault, otherwise.
[[nodiscard]] std::optional<std::vector<IndexEntry>>
parseIndexLine(const std::string& line, IndexEnd end, std::string& error);

// Writes a library file: the index line, CR LF, then every body line with
// CR LF. Replaces the file atomically. Returns false with error set on failure.
[[nodiscard]] bool writeIndexedFile(const std::string& path, const std::vector<std::string>& body,
                                    IndexEnd end, bool (*wanted)(const std::string& line),
                                    std::string& error);

} // namespace library
