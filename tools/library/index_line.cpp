#include "library/index_line.h"

#include <filesystem>

#include "platform/data_folder.h"

namespace library {

std::string lineKey(const std::string& line) {
    auto gt = line.find('>');
    return gt == std::string::npos ? std::string() : line.substr(0, gt);
}

bool hasKey(const std::string& line) {
    return !lineKey(line).empty();
}

std::string dictionaryLineKey(const std::string& line) {
    auto colon = line.find(": ");
    return colon == std::string::npos ? std::string() : line.substr(0, colon);
}

std::string buildIndexLineWith(const std::vector<std::string>& body, IndexEnd end,
                               std::string (*keyOf)(const std::string& line)) {
    std::string index;
    long offset = 1;
    for (const std::string& line : body) {
        const std::string key = keyOf(line);
        if (!key.empty())
            index += "<" + key + ">" + std::to_string(offset);
        offset += static_cast<long>(line.size()) + 2;
    }
    index += end == IndexEnd::Star ? "*" : "<";
    return index;
}

std::string buildIndexLine(const std::vector<std::string>& body, IndexEnd end,
                           bool (*wanted)(const std::string& line)) {
    std::string index;
    long offset = 1;
    for (const std::string& line : body) {
        if (wanted(line))
            index += "<" + lineKey(line) + ">" + std::to_string(offset);
        offset += static_cast<long>(line.size()) + 2;
    }
    index += end == IndexEnd::Star ? "*" : "<";
    return index;
}

std::optional<std::vector<IndexEntry>> parseIndexLine(const std::string& line, IndexEnd end,
                                                      std::string& error) {
    std::vector<IndexEntry> entries;
    const char closing = end == IndexEnd::Star ? '*' : '<';
    size_t at = line.find('<');
    if (at == std::string::npos) {
        error = "the index line has no entries";
        return std::nullopt;
    }
    while (at < line.size()) {
        const size_t gt = line.find('>', at + 1);
        const size_t nextLt = line.find('<', at + 1);
        if (gt == std::string::npos || (nextLt != std::string::npos && nextLt < gt)) {
            if (end == IndexEnd::Bracket && at + 1 == line.size())
                return entries; // the closing "<"
            error = "an index entry without \">\" at byte " + std::to_string(at + 1);
            return std::nullopt;
        }
        IndexEntry e;
        e.key = line.substr(at + 1, gt - at - 1);
        size_t stop = line.find_first_of(end == IndexEnd::Star ? "<*" : "<", gt + 1);
        if (stop == std::string::npos) {
            error = std::string("the index line does not end with \"") + closing + "\"";
            return std::nullopt;
        }
        std::string number = line.substr(gt + 1, stop - gt - 1);
        while (!number.empty() && number.front() == ' ')
            number.erase(0, 1);
        while (!number.empty() && number.back() == ' ')
            number.pop_back();
        if (number.empty() || number.size() > 12 ||
            number.find_first_not_of("0123456789") != std::string::npos) {
            error = "the offset of \"" + e.key + "\" is not a number";
            return std::nullopt;
        }
        e.offset = std::stol(number);
        entries.push_back(e);
        if (line[stop] == '*') {
            if (stop + 1 != line.size()) {
                error = "text after the \"*\" that ends the index line";
                return std::nullopt;
            }
            return entries;
        }
        at = stop;
        if (end == IndexEnd::Bracket && at + 1 == line.size())
            return entries;
    }
    error = std::string("the index line does not end with \"") + closing + "\"";
    return std::nullopt;
}

bool writeIndexedFile(const std::string& path, const std::vector<std::string>& body, IndexEnd end,
                      bool (*wanted)(const std::string& line), std::string& error) {
    std::string content = buildIndexLine(body, end, wanted) + "\r\n";
    size_t size = content.size();
    for (const std::string& line : body)
        size += line.size() + 2;
    content.reserve(size);
    for (const std::string& line : body) {
        content += line;
        content += "\r\n";
    }
    const std::filesystem::path p(path);
    platform::DataFolder folder(p.has_parent_path() ? p.parent_path().string() : ".");
    if (!folder.writeAtomic(p.filename().string(), content)) {
        error = "could not write " + path;
        return false;
    }
    return true;
}

} // namespace library
