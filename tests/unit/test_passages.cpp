#include <gtest/gtest.h>

#include "formats/passage_refs.h"

using formats::passageEntries;
using formats::singlePassageEntry;

TEST(PassageEntries, TheThreeFormsAndTheEndOfTheList) {
    EXPECT_EQ(passageEntries("gen 1:1\\joh 3:16-18\\rom 8:38,8:39\\ignored"),
              (std::vector<std::string>{"gen 1:1\\1", "joh 3:16\\3", "rom 8:38\\2"}));
    // A reference without ":" ends the list, also in either half of the comma form.
    EXPECT_EQ(passageEntries("gen 1:1\\gen\\joh 3:16\\"), (std::vector<std::string>{"gen 1:1\\1"}));
    EXPECT_TRUE(passageEntries("rom 8:38,39\\").empty());
    // No "\" at all: nothing.
    EXPECT_TRUE(passageEntries("gen 1:1").empty());
    // A reference whose stem cannot be cut off ends the list.
    EXPECT_TRUE(passageEntries("gen1:1\\").empty());
}

TEST(PassageEntries, AtMostOneHundredFifty) {
    std::string key;
    for (int i = 0; i < 200; ++i)
        key += "gen 1:1\\";
    EXPECT_EQ(passageEntries(key).size(), 150u);
}

TEST(SinglePassageEntry, KeysOfSingleVerseLists) {
    EXPECT_EQ(singlePassageEntry("GEN 1:1\\2", "Creation", ""), "GEN 1:1\\2");
    // A key ending in "\" reads one line, but only for an item shown after ".".
    EXPECT_EQ(singlePassageEntry("GEN 1:1\\", ".Creation", ""), "GEN 1:1\\1");
    EXPECT_EQ(singlePassageEntry("GEN 1:1\\", "Creation", ""), "");
    // A key without "\" takes the next item's key.
    EXPECT_EQ(singlePassageEntry("GEN 1:1", "Creation", "JOH 3:16\\1"), "JOH 3:16\\1");
    EXPECT_EQ(singlePassageEntry("GEN 1:1", "Creation", ""), "");
}
