#include "library/index_line.h"

#include <filesystem>

#include "formats/book_file.h"
#include "formats/letter_case.h"
#include "platform/data_folder.h"

namespace library {

std::string lineKey(const std::string& line) {
    const formats::BodyLine body = formats::splitBodyLine(line);
    return body.keyClosed ? std::string(body.key) : std::string();
}

bool hasKey(const std::string& line) {
    return !lineKey(line).empty();
}

std::string buildIndexLineWith(const std::vector<std::string>& body, IndexEnd end,
                               std::string (*keyOf)(const std::string& line)) {
    return formats::buildIndexLine(body, end, keyOf);
}

std::string buildIndexLine(const std::vector<std::string>& body, IndexEnd end,
                           bool (*wanted)(const std::string& line)) {
    return formats::buildIndexLine(body, end, [wanted](const std::string& line) {
        return wanted(line) ? lineKey(line) : std::string();
    });
}

std::optional<std::vector<IndexEntry>> parseIndexLine(const std::string& line, IndexEnd end,
                                                      std::string& error) {
    formats::ParsedIndex parsed = formats::parseIndexLine(line, end);
    if (!parsed.fault.empty()) {
        error = parsed.fault;
        return std::nullopt;
    }
    return std::move(parsed.entries);
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
    platform::DataFolder folder(p.has_parent_path() ? p.parent_path().string() : ".",
                                formats::lowerText);
    if (!folder.writeAtomic(p.filename().string(), content)) {
        error = "could not write " + path;
        return false;
    }
    return true;
}

} // namespace library
