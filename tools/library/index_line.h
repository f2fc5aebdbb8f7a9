// Index lines of library files: a run of "<key>offset" entries, offsets
// counted in bytes from the first byte of line 2 (offset 1). Books and
// notes files end the run with "*", dictionaries with a closing "<".
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace library {

enum class IndexEnd { Star, Bracket };

struct IndexEntry {
    std::string key;
    long offset = 0;
};

// The key of a body line: the text before its first ">" ("" without one).
std::string lineKey(const std::string& line);

// Builds the index line (without CR LF) for the given body lines, which are
// written one per line with CR LF after the index line. Lines for which
// wanted returns false get no entry (the end marker, fillers).
std::string buildIndexLine(const std::vector<std::string>& body, IndexEnd end,
                           bool (*wanted)(const std::string& line));

// Every line that has a key gets an entry.
bool hasKey(const std::string& line);

// The key of a dictionary line: the text before its first ": ". Dictionary
// lines are shown whole, so they carry their key as their first word.
std::string dictionaryLineKey(const std::string& line);

// Builds an index line with the keys keyOf gives; lines with an empty key
// get no entry.
std::string buildIndexLineWith(const std::vector<std::string>& body, IndexEnd end,
                               std::string (*keyOf)(const std::string& line));

// Parses an index line. Returns nothing and sets error when the line is not
// a run of well-formed entries with the right ending.
std::optional<std::vector<IndexEntry>> parseIndexLine(const std::string& line, IndexEnd end,
                                                      std::string& error);

// Writes a library file: the index line, CR LF, then every body line with
// CR LF. Replaces the file atomically. Returns false with error set on failure.
bool writeIndexedFile(const std::string& path, const std::vector<std::string>& body, IndexEnd end,
                      bool (*wanted)(const std::string& line), std::string& error);

} // namespace library
