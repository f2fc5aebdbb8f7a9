// Index lines: the entries of a key, a page or the page below; the scan of faults.
#include <gtest/gtest.h>

#include "formats/index_line.h"

using formats::IndexEnd;

// A key finds only its own entry, the first; an offset ends at the next entry or the end.
TEST(IndexLookup, AKeysOffsetEndsAtTheNextEntryOrTheEndMarker) {
    EXPECT_EQ(formats::findEntry("<ab>5<a>9*", "a"), 5u);
    struct Row {
        std::string index, key;
        IndexEnd end;
        std::optional<long> offset;
    };
    for (const Row& row : {
             Row{"<ab>5<a>9<ba>12*", "a", IndexEnd::Star, 9},
             Row{"<ab>5<a>9<ba>12*", "ab", IndexEnd::Star, 5},
             Row{"<ab>5<a>9<ba>12*", "ba", IndexEnd::Star, 12},
             Row{"<ab>5<a>9<ba>12*", "b", IndexEnd::Star, std::nullopt},
             Row{"<k>3<k>7*", "k", IndexEnd::Star, 3},
             Row{"<k> 12 <z>3*", "k", IndexEnd::Star, 12}, // blanks around an offset are ignored
             Row{"<k>12", "k", IndexEnd::Star, 12},        // no "*": up to the end of the line
             Row{"<k>1x<z>3*", "k", IndexEnd::Star, std::nullopt},
             Row{"<k><z>3*", "k", IndexEnd::Star, std::nullopt},
             Row{"<k>-4*", "k", IndexEnd::Star, std::nullopt},
             Row{"<k>8<", "k", IndexEnd::Bracket, 8}, // the closing "<"
             Row{"<a>1<k>8<", "k", IndexEnd::Bracket, 8},
             // A dictionary offset that no "<" follows cannot be resolved.
             Row{"<a>1<k>8", "k", IndexEnd::Bracket, std::nullopt},
             Row{"<k>8*", "k", IndexEnd::Bracket, std::nullopt},
         })
        EXPECT_EQ(formats::offsetOfKey(row.index, row.key, row.end), row.offset)
            << row.index << " " << row.key;
}

TEST(IndexLookup, PagesTheEntriesAroundThemTheirLabelsAndThePageBelow) {
    const std::string index = "<1:1>1<2:1>9<12:1>13<2:5>17*";
    // "<2:" is not found inside "<12:".
    EXPECT_EQ(formats::findPageEntry(index, "2"), 6u);
    EXPECT_EQ(formats::findLastPageEntry(index, "2"), 20u);
    EXPECT_EQ(formats::findLastPageEntry(index, "12"), 12u);
    EXPECT_EQ(formats::findLastPageEntry(index, "1"), 0u);
    EXPECT_FALSE(formats::findPageEntry(index, "3"));
    EXPECT_FALSE(formats::findLastPageEntry(index, "3"));
    EXPECT_FALSE(formats::findLastPageEntry("", "1"));
    EXPECT_EQ(formats::keyAt(index, *formats::findLastPageEntry(index, "2")), "2:5");
    EXPECT_EQ(formats::entryAfter(index, 6), 12u);
    EXPECT_FALSE(formats::entryAfter(index, 20)); // the last entry
    EXPECT_EQ(formats::keyAt("<1:1", 0), "1:1");  // no ">": the rest of the line
    EXPECT_EQ(formats::firstEntry("text <1:1>1*"), 5u);
    EXPECT_FALSE(formats::firstEntry("*"));
    const std::string labels = "<12:1>1<12:2>5<x>9<3:1>13*";
    auto first = formats::pageLabelAt(labels, 0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->label, "12");
    EXPECT_EQ(first->colon, 3u);
    // An entry without ":" takes its label from the next entry's ":".
    EXPECT_EQ(formats::pageLabelAt(labels, 14)->label, "x>9<3");
    EXPECT_FALSE(formats::pageLabelAt("<a>1*", 0));
    // One walk finds what counting page numbers down found; "03", "5 " and "6" are no pages.
    const std::string pages = "<1:1>1<3:1>5<3:2>9<03:1>7<5 :1>3<6>2<12:1>20*<4:1>";
    for (const auto& [low, below, page] :
         {std::tuple{0L, 12L, 4L}, std::tuple{0L, 4L, 3L}, std::tuple{0L, 3L, 1L},
          std::tuple{0L, 1L, -1L}, std::tuple{2L, 3L, -1L}, std::tuple{0L, 999999999L, 12L}}) {
        const auto found = formats::findHighestPageBelow(pages, low, below);
        ASSERT_EQ(found.has_value(), page >= 0) << below;
        if (found) {
            EXPECT_EQ(found->page, page);
            EXPECT_EQ(found->at, pages.find("<" + std::to_string(page) + ":"));
        }
    }
}

TEST(IndexScan, EveryFaultWhereItIsAndTheFirstForParsing) {
    const std::string line = "junk<1:1>1<1:2 87<2:1>x*tail";
    const formats::IndexScan scan = formats::scanIndexLine(line, IndexEnd::Star);
    EXPECT_TRUE(scan.hasEntries);
    EXPECT_EQ(scan.end, 23u);
    EXPECT_TRUE(scan.textAfterEnd(line));
    ASSERT_EQ(scan.entries.size(), 3u);
    EXPECT_EQ(scan.entries[0].at, 4u);
    EXPECT_EQ(scan.entries[0].key, "1:1");
    EXPECT_EQ(scan.entries[0].offsetAt, 9u);
    EXPECT_EQ(scan.entries[0].offset, 1);
    EXPECT_FALSE(scan.entries[1].keyClosed); // "<1:2 87" has no ">" before the next "<"
    EXPECT_EQ(scan.entries[1].at, 10u);
    EXPECT_EQ(scan.entries[2].key, "2:1");
    EXPECT_EQ(scan.entries[2].offsetText, "x");
    EXPECT_FALSE(scan.entries[2].offset);
    auto good = formats::parseIndexLine("<1:1>1<1:2> 12 <2:1>24*", IndexEnd::Star);
    EXPECT_EQ(good.fault, "");
    ASSERT_EQ(good.entries.size(), 3u);
    EXPECT_EQ(good.entries[1].key, "1:2");
    EXPECT_EQ(good.entries[1].offset, 12);
    struct Row {
        std::string line;
        IndexEnd end;
        std::string fault;
    };
    for (const Row& row : {
             Row{"no entries*", IndexEnd::Star, "has no entries"},
             Row{"<1:1>1", IndexEnd::Star, "does not end with \"*\""},
             Row{"<1:1>1*junk", IndexEnd::Star, "text after the \"*\""},
             Row{"<1:1>1<1:2 7*", IndexEnd::Star, "without \">\" at byte 7"},
             Row{"<1:1>1<1:2>x*", IndexEnd::Star, "the offset of \"1:2\" is not a number"},
             Row{"<ab>1<ba>8", IndexEnd::Bracket, "does not end with \"<\""},
         }) {
        const formats::ParsedIndex parsed = formats::parseIndexLine(row.line, row.end);
        EXPECT_NE(parsed.fault.find(row.fault), std::string::npos)
            << row.line << ": " << parsed.fault;
        EXPECT_TRUE(parsed.entries.empty()) << row.line;
    }
}
