// Notes and dictionary files with their index lines, and a count of open files.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "formats/index_line.h"

namespace testing_study {

// The number of files this process holds open.
inline size_t openFiles() {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

inline std::string indexedFile(const std::vector<std::string>& lines, formats::IndexEnd end,
                               const std::function<std::string(const std::string&)>& keyOf) {
    std::string file = formats::buildIndexLine(lines, end, keyOf) + "\r\n";
    for (const std::string& line : lines)
        file += line + "\r\n";
    return file;
}

// A notes file of (key, note line) pairs.
inline std::string notesFile(const std::vector<std::pair<std::string, std::string>>& notes) {
    std::vector<std::string> lines;
    for (const auto& note : notes)
        lines.push_back(note.second);
    size_t next = 0;
    return indexedFile(lines, formats::IndexEnd::Star,
                       [&](const std::string&) { return notes[next++].first; });
}

// A dictionary whose lines begin with their key and ": ".
inline std::string dictionary(const std::vector<std::string>& lines) {
    return indexedFile(lines, formats::IndexEnd::Bracket,
                       [](const std::string& line) { return line.substr(0, line.find(':')); });
}

} // namespace testing_study
