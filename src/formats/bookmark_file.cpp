#include "formats/bookmark_file.h"

#include <unordered_map>

#include "formats/trim.h"
#include "platform/text_file.h"

namespace formats {

std::string bookmarkTitlePart(const std::string& title) {
    size_t cut = title.find(',');
    if (cut == std::string::npos)
        cut = title.find(" by");
    return title.substr(0, cut);
}

std::string bookmarkItem(const std::string& title, bool bible, const std::string& key) {
    return bookmarkTitlePart(title) + (bible ? "--" : "-") + key;
}

std::optional<BookmarkPlace> parseBookmark(std::string_view item) {
    const size_t colon = item.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::string_view before = item.substr(0, colon);
    BookmarkPlace place;
    size_t sep = before.rfind("--");
    size_t sepLength = 2;
    place.bible = sep != std::string_view::npos;
    if (!place.bible) {
        sep = before.rfind('-');
        sepLength = 1;
        if (sep == std::string_view::npos)
            return std::nullopt;
    }
    place.title = std::string(trimBlanks(item.substr(0, sep)));
    place.key = std::string(item.substr(sep + sepLength));
    return place;
}

BookmarkFault bookmarkFault(std::string_view item) {
    if (item.empty())
        return BookmarkFault::Empty;
    for (const char c : item) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 32 && byte != '\t') || byte == 127)
            return BookmarkFault::ControlCharacter;
    }
    if (item.size() > kMaxBookmarkLength)
        return BookmarkFault::TooLong;
    if (!parseBookmark(item))
        return BookmarkFault::NoPlace;
    return BookmarkFault::None;
}

std::string describe(BookmarkFault fault) {
    switch (fault) {
    case BookmarkFault::Empty:
        return "is empty";
    case BookmarkFault::ControlCharacter:
        return "holds a control character";
    case BookmarkFault::TooLong:
        return "is longer than " + std::to_string(kMaxBookmarkLength) + " characters";
    case BookmarkFault::NoPlace:
        return "is not a book mark";
    case BookmarkFault::None:
        break;
    }
    return {};
}

BookmarkFile readBookmarkFile(std::string_view content) {
    content = platform::withoutByteOrderMark(content);
    BookmarkFile file;
    auto damaged = [&file](std::string fault) {
        file.items.clear();
        file.fault = std::move(fault);
        return file;
    };
    if (content.size() > kMaxBookmarkFileSize)
        return damaged("it is larger than " + std::to_string(kMaxBookmarkFileSize) + " bytes");
    std::unordered_map<std::string_view, size_t> seen; // an item and its line
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string_view::npos)
            end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        start = end + 1;
        const size_t number = file.items.size() + 1;
        if (number > kMaxBookmarks)
            return damaged("it holds more than " + std::to_string(kMaxBookmarks) + " book marks");
        const std::string where = "line " + std::to_string(number) + " ";
        if (const BookmarkFault fault = bookmarkFault(line); fault != BookmarkFault::None)
            return damaged(where + describe(fault));
        if (const auto [at, added] = seen.emplace(line, number); !added)
            return damaged(where + "repeats line " + std::to_string(at->second));
        file.items.emplace_back(line);
    }
    return file;
}

std::string bookmarkFileText(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += item + "\r\n";
    return text;
}

} // namespace formats
