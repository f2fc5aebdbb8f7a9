#include <gtest/gtest.h>

#include "formats/passage_refs.h"

using formats::passageEntries;
using formats::singlePassageEntry;

TEST(PassageEntries, TheThreeFormsAndTheEndOfTheList) {
    EXPECT_EQ(passageEntries("gen 1:1\\joh 3:16-18\\rom 8:38,8:39\\ignored"),
              (std::vector<std::string>{"gen 1:1\\1", "joh 3:16\\3", "rom 8:38\\2"}));
    // A reference without ":" ends the list, also in either half of the comma form.
    EXPECT_EQ(passageEntries("gen 1:1\\gen\\joh 3:16\\"), (std::vector<std::string>{"gen 1:1\\1"}));
    EXPECT_TRUE(passageEntries("gen 1\\joh 3:16\\").empty());
    EXPECT_TRUE(passageEntries("rom 8:38,39\\").empty());
    // No "\" at all: nothing.
    EXPECT_TRUE(passageEntries("gen 1:1").empty());
    // A reference without a stem ends the list, as does one with ":" before its blank.
    EXPECT_TRUE(passageEntries("gen1:1\\").empty());
    EXPECT_TRUE(passageEntries("gen:1 1\\joh 3:16\\").empty());
    std::string key; // at most 150 entries
    for (int i = 0; i < 200; ++i)
        key += "gen 1:1\\";
    EXPECT_EQ(passageEntries(key).size(), 150u);
    EXPECT_EQ(singlePassageEntry("GEN 1:1\\2", "Creation", ""), "GEN 1:1\\2");
    // A key ending in "\" reads one line, but only for an item shown after ".".
    EXPECT_EQ(singlePassageEntry("GEN 1:1\\", ".Creation", ""), "GEN 1:1\\1");
    EXPECT_EQ(singlePassageEntry("GEN 1:1\\", "Creation", ""), "");
    // A key without "\" takes the next item's key.
    EXPECT_EQ(singlePassageEntry("GEN 1:1", "Creation", "JOH 3:16\\1"), "JOH 3:16\\1");
    EXPECT_EQ(singlePassageEntry("GEN 1:1", "Creation", ""), "");
    // A key that names no passage (no blank, or no "\") is none.
    EXPECT_EQ(singlePassageEntry("GEN1:1\\2", "Creation", ""), "");
    EXPECT_EQ(singlePassageEntry("GEN 1:1", "Creation", "JOH 3:16"), "");
}

TEST(PassageEntry, StemFirstLineBoundedCountAndTheLinesItTakes) {
    struct Row {
        const char* entry;
        std::optional<formats::PassageEntry> parsed;
    } rows[] = {
        {"gen 1:1\\3", formats::PassageEntry{"gen", "1:1", 3, 3, "1:3"}},
        {"gen  2:4 \\12 lines", formats::PassageEntry{"gen", "2:4", 12, 12, "2:15"}},
        {"gen 1:1\\99999999999", formats::PassageEntry{"gen", "1:1", 2000, 999999999, "1:2000"}},
        {"gen 1:1\\-2", formats::PassageEntry{"gen", "1:1", -2, -2, ""}},
        {"gen1:1\\1", std::nullopt},  // no blank
        {"gen 1:1", std::nullopt},    // no "\"
        {"gen 1\\1", std::nullopt},   // no ":"
        {"gen\\1 1:1", std::nullopt}, // the blank after the "\"
    };
    for (const Row& row : rows) {
        const auto got = formats::parsePassageEntry(row.entry);
        ASSERT_EQ(got.has_value(), row.parsed.has_value()) << row.entry;
        if (got) {
            EXPECT_EQ(got->stem, row.parsed->stem) << row.entry;
            EXPECT_EQ(got->ref, row.parsed->ref) << row.entry;
            EXPECT_EQ(got->lines, row.parsed->lines) << row.entry;
            EXPECT_EQ(got->asked, row.parsed->asked) << row.entry;
            EXPECT_EQ(got->last, row.parsed->last) << row.entry;
        }
    }
    // A chapter's end and a missing verse stop a range.
    struct Range {
        const char* entry;
        const char* last; // the key that ends it
        std::vector<std::pair<const char*, formats::PassageLine>> lines;
    };
    using L = formats::PassageLine;
    const Range ranges[] = {
        {"gen 1:4\\6", "1:9", {{"1:8", L::Take}, {"1:9", L::TakeLast}, {"1:10", L::Take}}},
        {"gen 1:1\\1", "1:1", {{"1:1", L::TakeLast}, {"01:2", L::Take}, {"1 :2", L::Take}}},
        {"gen 12:5\\1", "12:5", {{"1:5", L::Stop}, {"12", L::Stop}, {"x:5", L::Stop}}},
        {"qcells 2:1a\\1", "2:1", {{"2:1a", L::Take}, {"2:1", L::TakeLast}}},
        {"gen 1:4\\0", "", {{"1:4", L::Take}}},
        {"gen 1:4\\-2", "", {{"1:4", L::Take}}},
    };
    for (const Range& row : ranges) {
        const auto entry = formats::parsePassageEntry(row.entry);
        ASSERT_TRUE(entry) << row.entry;
        EXPECT_EQ(entry->last, row.last) << row.entry;
        for (const auto& [key, read] : row.lines)
            EXPECT_EQ(formats::passageLine(*entry, key), read) << row.entry << " " << key;
    }
}
