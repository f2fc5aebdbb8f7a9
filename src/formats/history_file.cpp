#include "formats/history_file.h"

#include "platform/text_file.h"

namespace formats {

std::string historyName(const std::string& bookFile) {
    return bookFile.size() > 4 ? bookFile.substr(0, bookFile.size() - 4) : std::string();
}

std::optional<HistoryItem> parseHistoryItem(std::string_view item) {
    const size_t equals = item.rfind('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return HistoryItem{item.substr(0, equals), item.substr(equals + 1)};
}

bool isHistoryItemOf(std::string_view item, std::string_view name) {
    const auto parsed = parseHistoryItem(item);
    return parsed && parsed->name == name;
}

std::string usablePage(std::string_view page) {
    if (page.empty() || page == "0" || page.find_first_not_of("0123456789") != std::string::npos)
        return {};
    return std::string(page);
}

std::vector<std::string> readHistoryFile(std::string_view content) {
    content = platform::withoutByteOrderMark(content);
    std::vector<std::string> items;
    size_t start = 0;
    while (start < content.size()) {
        const size_t end = content.find_first_of("\r\n", start);
        const std::string_view line = content.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty())
            items.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        // CR LF is one line end; a CR or an LF alone is one too.
        start = end + (content.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return items;
}

std::string historyFileText(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += item + "\r\n";
    return text;
}

} // namespace formats
