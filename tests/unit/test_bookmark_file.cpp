// Bookmark items and the bookmark file: what reads back, what is damage.
#include <gtest/gtest.h>

#include "formats/bookmark_file.h"

namespace {

using namespace std::string_literals;
using formats::kMaxBookmarkLength;
using formats::kMaxBookmarks;
using formats::readBookmarkFile;

// A distinct item of exactly length bytes.
std::string itemOfLength(size_t length, size_t n) {
    const std::string tail = "-1:" + std::to_string(n);
    return std::string(length - tail.size(), 'x') + tail;
}

// n distinct items of length bytes, each followed by CR LF.
std::string lines(size_t n, size_t length) {
    std::string text;
    for (size_t i = 0; i < n; ++i)
        text += itemOfLength(length, i) + "\r\n";
    return text;
}

} // namespace

// The title part ends at the first ","; without one, at a small " by".
TEST(BookmarkFile, ItemsAndLinesReadBackOrTheFirstDamage) {
    for (const auto& [title, part] :
         {std::pair{"Collected Letters by an author", "Collected Letters"},
          std::pair{"Words by Night, a memoir", "Words by Night"},
          std::pair{"Stand By Me", "Stand By Me"}, std::pair{"Nearby", "Nearby"},
          std::pair{"", ""}})
        EXPECT_EQ(formats::bookmarkTitlePart(title), part) << title;
    // Separators after the first ":" belong to the key.
    const struct {
        const char* item;
        std::optional<formats::BookmarkPlace> place;
    } rows[] = {
        {"Half-Bible--3:16", formats::BookmarkPlace{true, "Half-Bible", "3:16"}},
        {"  Spaced  -1:2", formats::BookmarkPlace{false, "Spaced", "1:2"}},
        {"Book-1:2-3", formats::BookmarkPlace{false, "Book", "1:2-3"}},
        {"", std::nullopt},
    };
    for (const auto& row : rows) {
        const auto place = formats::parseBookmark(row.item);
        ASSERT_EQ(place.has_value(), row.place.has_value()) << row.item;
        if (place) {
            EXPECT_EQ(place->bible, row.place->bible) << row.item;
            EXPECT_EQ(place->title, row.place->title) << row.item;
            EXPECT_EQ(place->key, row.place->key) << row.item;
        }
    }
    // The file's lines, or the first damage.
    const std::string longest = itemOfLength(kMaxBookmarkLength, 7);
    const struct {
        const char* name;
        std::string content;
        std::vector<std::string> items;
        std::string fault;
    } files[] = {
        {"empty file", "", {}, ""},
        {"lines in CR LF", "Letters-12:3\r\nJohn--3:16\r\n", {"Letters-12:3", "John--3:16"}, ""},
        {"bare LF, last line unended", "A-1:1\nB-2:2", {"A-1:1", "B-2:2"}, ""},
        {"cp1252 bytes",
         "Psalmen f\xfcr \xc4ltere\t-1:1\r\n",
         {"Psalmen f\xfcr \xc4ltere\t-1:1"},
         ""},
        {"longest line", longest + "\r\n", {longest}, ""},
        // Damage: the first faulty line is named, and nothing is kept.
        {"empty line", "A-1:1\r\n\r\nB-1:1\r\n", {}, "line 2 is empty"},
        {"NUL byte", "A-1:1\r\nB-1\0:1\r\n"s, {}, "line 2 holds a control character"},
        {"bare CR inside a line", "A-1:1\rB-2:2\r\n", {}, "line 1 holds a control character"},
        {"CR doubled before LF", "A-1:1\r\r\n", {}, "line 1 holds a control character"},
        {"DEL", "A-1:1\x7f\r\n", {}, "line 1 holds a control character"},
        {"over-long line",
         "A-1:1\r\n" + itemOfLength(kMaxBookmarkLength + 1, 1) + "\r\n",
         {},
         "line 2 is longer than 500 characters"},
        {"no colon", "A-1:1\r\nChapter one\r\n", {}, "line 2 is not a book mark"},
        {"no separator before the colon", "Title 1:1-2\r\n", {}, "line 1 is not a book mark"},
        {"repeated item", "A-1:1\r\nB-1:1\r\nA-1:1\r\n", {}, "line 3 repeats line 1"},
        {"too many lines", lines(kMaxBookmarks + 1, 10), {}, "it holds more than 4096 book marks"},
        {"one byte too many",
         lines(kMaxBookmarks, kMaxBookmarkLength) + "\n",
         {},
         "it is larger than 2056192 bytes"},
    };
    for (const auto& r : files) {
        const formats::BookmarkFile file = readBookmarkFile(r.content);
        EXPECT_EQ(file.fault, r.fault) << r.name;
        EXPECT_EQ(file.damaged(), !r.fault.empty()) << r.name;
        EXPECT_EQ(file.items, r.items) << r.name;
    }
}

// The fullest list the program may hold fills the file to its limit and reads back whole.
TEST(BookmarkFile, TheFullestListAndEveryItemKeptReadBack) {
    EXPECT_EQ(formats::bookmarkFileText({}), "");
    EXPECT_EQ(formats::bookmarkFileText({"John--3:16", "L-1:2"}), "John--3:16\r\nL-1:2\r\n");
    std::vector<std::string> items;
    for (size_t i = 0; i < kMaxBookmarks; ++i)
        items.push_back(itemOfLength(kMaxBookmarkLength, i));
    const std::string text = formats::bookmarkFileText(items);
    EXPECT_EQ(text.size(), formats::kMaxBookmarkFileSize);
    const formats::BookmarkFile full = readBookmarkFile(text);
    EXPECT_FALSE(full.damaged()) << full.fault;
    EXPECT_EQ(full.items, items);
    // What the program would add either reads back or is refused.
    using formats::BookmarkFault;
    const std::pair<std::string, BookmarkFault> rows[] = {
        {formats::bookmarkItem("John", true, "3:16"), BookmarkFault::None},
        {formats::bookmarkItem("Collected Letters by an author", false, "12:3"),
         BookmarkFault::None},
        {formats::bookmarkItem("Title", false, "7"), BookmarkFault::NoPlace},
        {formats::bookmarkItem("Title", false, "1:1\r\n>1:2"), BookmarkFault::ControlCharacter},
        {formats::bookmarkItem("Ti\0tle"s, false, "1:1"), BookmarkFault::ControlCharacter},
        {formats::bookmarkItem(std::string(kMaxBookmarkLength, 'T'), false, "1:1"),
         BookmarkFault::TooLong},
    };
    for (const auto& [item, fault] : rows) {
        EXPECT_EQ(formats::bookmarkFault(item), fault) << item;
        const auto back = readBookmarkFile(formats::bookmarkFileText({item}));
        EXPECT_EQ(back.damaged(), fault != BookmarkFault::None) << item;
        EXPECT_EQ(back.items,
                  fault == BookmarkFault::None ? std::vector{item} : std::vector<std::string>{});
    }
}
