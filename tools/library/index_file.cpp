#include "library/index_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "formats/book_file.h"
#include "formats/file_names.h"
#include "formats/letter_case.h"
#include "library/index_line.h"
#include "platform/data_folder.h"

namespace library {

namespace {

// Book lines that get an entry: page:para keys, not the end marker or fillers.
bool isPageLine(const std::string& line) {
    return !formats::isFiller(line) && formats::writtenPageOfKey(lineKey(line)).has_value();
}

// Line 1 may be replaced only when it is an index line (or empty): a body
// line there would be lost.
bool looksLikeIndex(const std::string& line) {
    const size_t p = line.find_first_of("<>");
    if (p == std::string::npos)
        return line.find_first_not_of(" *") == std::string::npos;
    return line[p] == '<';
}

struct Plan {
    IndexEnd end = IndexEnd::Star;
    bool (*wanted)(const std::string&) = nullptr; // books and notes files
    bool dictionary = false;                      // entries from "key: " instead
};

Plan planFor(const std::string& path) {
    const std::string name = formats::upperText(std::filesystem::path(path).filename().string());
    if (name.size() >= 4 && name.compare(name.size() - 4, 4, ".TXD") == 0)
        return {IndexEnd::Bracket, nullptr, true};
    if (formats::isNotesFileName(name))
        return {IndexEnd::Star, hasKey}; // a notes file
    return {IndexEnd::Star, isPageLine};
}

// Splits bytes into lines ended by CR LF; false with error set when a line
// ends otherwise (a lone CR or LF would not survive the rewrite unchanged).
bool splitLines(const std::string& bytes, std::vector<std::string>& lines, bool& lastEnded,
                std::string& error) {
    size_t at = 0;
    lastEnded = true;
    while (at < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(at));
            lastEnded = false;
            break;
        }
        if (bytes[end] == '\n' || end + 1 == bytes.size() || bytes[end + 1] != '\n') {
            error = "line " + std::to_string(lines.size() + 1) + " ends with a lone " +
                    (bytes[end] == '\n' ? "LF" : "CR") + ", not CR LF";
            return false;
        }
        lines.push_back(bytes.substr(at, end - at));
        at = end + 2;
    }
    return true;
}

// Replaces a dictionary with its new index line and its body, atomically.
bool writeDictionary(const std::string& path, const std::string& index,
                     const std::vector<std::string>& body, std::string& error) {
    std::string content = index + "\r\n";
    for (const std::string& line : body)
        content += line + "\r\n";
    const std::filesystem::path p(path);
    const platform::DataFolder folder(p.has_parent_path() ? p.parent_path().string() : ".",
                                      formats::lowerText);
    if (!folder.writeAtomic(p.filename().string(), content)) {
        error = "could not write " + path;
        return false;
    }
    return true;
}

// Rebuilds one file's index; returns the line to report and whether it worked.
bool reindexOne(const std::string& path, std::string& result) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result = "cannot be read; left unchanged";
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        result = "cannot be read; left unchanged";
        return false;
    }
    const std::string bytes = content.str();
    if (const size_t nul = bytes.find('\0'); nul != std::string::npos) {
        result =
            "not a text file (NUL byte at byte " + std::to_string(nul + 1) + "); left unchanged";
        return false;
    }
    std::vector<std::string> lines;
    bool lastEnded = true;
    std::string error;
    if (!splitLines(bytes, lines, lastEnded, error)) {
        result = error + "; left unchanged";
        return false;
    }
    if (lines.empty()) {
        result = "empty file: no index line; left unchanged";
        return false;
    }
    if (!looksLikeIndex(lines[0])) {
        result = "line 1 is not an index line; left unchanged";
        return false;
    }
    const Plan plan = planFor(path);
    const std::vector<std::string> body(lines.begin() + 1, lines.end());
    size_t entries = 0;
    for (const std::string& line : body)
        entries += plan.dictionary ? !dictionaryLineKey(line).empty() : plan.wanted(line);
    // An index without entries is one no reader can open: the file stays as it was.
    if (entries == 0) {
        result = "no line after the index line gets an entry: nothing to index; left unchanged";
        return false;
    }
    const std::string summary = std::to_string(entries) + (entries == 1 ? " entry" : " entries");
    const std::string index = plan.dictionary
                                  ? buildIndexLineWith(body, plan.end, dictionaryLineKey)
                                  : buildIndexLine(body, plan.end, plan.wanted);
    if (lastEnded && index == lines[0]) {
        result = "index already up to date, " + summary;
        return true;
    }
    const bool written = plan.dictionary
                             ? writeDictionary(path, index, body, error)
                             : writeIndexedFile(path, body, plan.end, plan.wanted, error);
    if (!written) {
        result = error + "; left unchanged";
        return false;
    }
    result = "index rebuilt, " + summary + (lastEnded ? "" : " (CR LF added after the last line)");
    return true;
}

} // namespace

bool reindexFiles(const std::vector<std::string>& files, std::ostream& out) {
    bool ok = true;
    for (const std::string& path : files) {
        std::string result;
        ok = reindexOne(path, result) && ok;
        out << path << ": " << result << "\n";
    }
    return ok;
}

} // namespace library
