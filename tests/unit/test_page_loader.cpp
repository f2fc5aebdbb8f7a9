#include <gtest/gtest.h>

#include "book_builder.h"
#include "reader/page_loader.h"
#include "test_support.h"

using reader::showPage;
using testing_books::makeBook;

namespace {

const std::string kBlanks600(600, ' ');

// Body lines of pages given as counts of paragraphs, every line indexed.
std::vector<testing_books::BodyLine> pages(const std::vector<std::pair<int, int>>& layout,
                                           bool indexAll = false) {
    std::vector<testing_books::BodyLine> body;
    for (auto [page, count] : layout)
        for (int i = 1; i <= count; ++i)
            body.push_back({std::to_string(page) + ":" + std::to_string(i) + ">Para " +
                                std::to_string(page) + "." + std::to_string(i),
                            indexAll || i == 1});
    return body;
}

} // namespace

TEST(ShowPage, TheTwoPageExampleBook) {
    testing_support::TestProgram t;
    t.write("B.TXV", "<1:1>1<2:1>42*\r\n1:1>In the beginning\r\n1:2>And the earth\r\n2:1>Thus the "
                     "heavens\r\n \r\n");
    ASSERT_TRUE(showPage(*t.p, "B.TXV", ""));
    EXPECT_EQ(t.s().IndexLen, 16);
    EXPECT_EQ(t.s().PageText,
              ">In the beginning {b 1:1}\r\n\r\n>And the earth {b 1:2}\r\n\r\n" + kBlanks600);
    EXPECT_EQ(t.s().ParaCount, 2);
    EXPECT_EQ(t.s().ParaList[2], "1:2>And the earth");
    EXPECT_EQ(t.s().LastPage, 2);
    ASSERT_TRUE(showPage(*t.p, "", "Next"));
    EXPECT_EQ(t.s().PageText, ">Thus the heavens {b 2:1}\r\n\r\n" + kBlanks600);
    EXPECT_EQ(t.s().NavPage, 2);
    // Next on the last page loads it again from its last entry.
    ASSERT_TRUE(showPage(*t.p, "", "Next"));
    EXPECT_EQ(t.s().CurPage, 2);
    ASSERT_TRUE(showPage(*t.p, "", "Prev"));
    EXPECT_EQ(t.s().CurPage, 1);
    EXPECT_FALSE(showPage(*t.p, "", "Prev"));
    EXPECT_EQ(t.dialogs.shown.back(), "Beginning of Book");
    EXPECT_EQ(t.s().CurPage, 1);
}

TEST(ShowPage, AKeyShowsThePageFromThatParagraph) {
    testing_support::TestProgram t;
    t.write("B.TXV", makeBook(pages({{11, 2}, {12, 6}, {13, 1}}, true)));
    ASSERT_TRUE(showPage(*t.p, "B.TXV", "12:5"));
    EXPECT_TRUE(t.s().KeyFound);
    EXPECT_EQ(t.s().ParaCount, 6); // 12:1 to 12:6 are all stored
    EXPECT_EQ(t.s().ParaList[1], "12:1>Para 12.1");
    EXPECT_EQ(t.s().PageText.substr(0, 17), ">Para 12.5 {b 12:");
    EXPECT_EQ(t.s().PageText.find("12.4"), std::string::npos);
    // A key that is not on its page shows nothing but keeps the lines.
    ASSERT_TRUE(showPage(*t.p, "", "12:9"));
    EXPECT_EQ(t.s().PageText, kBlanks600);
    EXPECT_EQ(t.s().ParaCount, 6);
}

TEST(ShowPage, PagesWithSeveralEntriesAndGaps) {
    testing_support::TestProgram t;
    t.write("B.TXV", makeBook(pages({{1, 2}, {2, 3}, {5, 2}}, true)));
    ASSERT_TRUE(showPage(*t.p, "B.TXV", "2"));
    ASSERT_TRUE(showPage(*t.p, "", "Next")); // skips every entry of page 2
    EXPECT_EQ(t.s().CurPage, 5);
    ASSERT_TRUE(showPage(*t.p, "", "Prev")); // over the gap to 2, from its first entry
    EXPECT_EQ(t.s().CurPage, 2);
    EXPECT_EQ(t.s().ParaCount, 3);
    ASSERT_TRUE(showPage(*t.p, "", "Last"));
    EXPECT_EQ(t.s().ParaList[1], "5:1>Para 5.1");
    EXPECT_EQ(t.s().ParaCount, 2);
}

TEST(ShowPage, PageNotFoundChangesNothing) {
    testing_support::TestProgram t;
    t.write("B.TXV", makeBook(pages({{1, 2}, {2, 1}})));
    ASSERT_TRUE(showPage(*t.p, "B.TXV", "2"));
    const std::string before = t.s().PageText;
    EXPECT_FALSE(showPage(*t.p, "", "7"));
    EXPECT_EQ(t.dialogs.shown.back(), "Page Not Found");
    EXPECT_EQ(t.s().PageText, before);
    EXPECT_EQ(t.s().CurPage, 2);
    // A saved page the book no longer has opens the first page, quietly.
    t.dialogs.shown.clear();
    EXPECT_TRUE(showPage(*t.p, "", "7", reader::IfMissing::FirstPage));
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(t.s().CurPage, 1);
    EXPECT_EQ(t.s().ShownPage, 1);
}

TEST(ShowPage, MarkersInTheBody) {
    testing_support::TestProgram t;
    t.write("B.TXV", makeBook({{"1:1>First%second"},
                               {"1:2>Intro>References: Gen 1", false},
                               {"x", false},
                               {"1:3>After the filler", false}}));
    ASSERT_TRUE(showPage(*t.p, "B.TXV", ""));
    const std::string& text = t.s().PageText;
    EXPECT_EQ(text.find(">First\r\n\r\nsecond {b 1:1}"), 0u);
    EXPECT_NE(text.find(">References: Gen 1 {b 1:2}"), std::string::npos);
    EXPECT_NE(text.find(">After the filler {b 1:3}"), std::string::npos);
    EXPECT_EQ(t.s().ParaCount, 3);
}

TEST(ShowPage, BibleVersesKeepTheOriginalLanguagePart) {
    testing_support::TestProgram t;
    t.s().BibleMode = true;
    t.write("GEN.TXV",
            makeBook({{"1:1>In the beginning^ hebrew words<a,b"}, {"1:2>Plain verse", false}}));
    ASSERT_TRUE(showPage(*t.p, "GEN.TXV", ""));
    EXPECT_EQ(t.s().PageText.substr(0, 30), ">In the beginning {gen 1:1}\r\n\r");
    EXPECT_EQ(t.s().VerseList[1], "hebrew words<a,b");
    EXPECT_EQ(t.s().VerseList[2], "");
}

TEST(ShowPage, TheTextCapEndsThePage) {
    testing_support::TestProgram t;
    std::vector<testing_books::BodyLine> body;
    for (int i = 1; i <= 5; ++i)
        body.push_back({"1:" + std::to_string(i) + ">" + std::string(9000, 'a'), i == 1});
    t.write("B.TXV", makeBook(body));
    ASSERT_TRUE(showPage(*t.p, "B.TXV", ""));
    EXPECT_EQ(t.s().ParaCount, 3); // a fourth paragraph would pass 32000 characters
    EXPECT_LE(t.s().PageText.size(), 32000u + 600u);
}

TEST(ShowPage, BadBooksGiveAMessageAndNoCrash) {
    struct Case {
        const char* name;
        std::string content;
    };
    const std::vector<Case> cases = {
        {"no entries", "no index here\r\n1:1>x\r\n"},
        {"no star", "<1:1>1\r\n1:1>x\r\n"},
        {"offset not a number", "<1:1>abc*\r\n1:1>x\r\n"},
        {"offset past the end", "<1:1>9999*\r\n1:1>x\r\n"},
        {"empty file", ""},
    };
    for (const Case& c : cases) {
        testing_support::TestProgram t;
        t.write("BAD.TXV", c.content);
        EXPECT_FALSE(showPage(*t.p, "BAD.TXV", "")) << c.name;
        ASSERT_FALSE(t.dialogs.shown.empty()) << c.name;
        EXPECT_EQ(t.dialogs.shown.back(), "Missing or corrupt file BAD.TXV") << c.name;
        EXPECT_EQ(t.s().BookFile, "") << c.name;
    }
    testing_support::TestProgram t;
    EXPECT_FALSE(showPage(*t.p, "MISSING.TXV", ""));
    EXPECT_EQ(t.dialogs.shown.back(), "Missing or corrupt file MISSING.TXV");
}

TEST(ShowPage, ALineWithoutSeparatorOrAHugePageStaysBounded) {
    testing_support::TestProgram t;
    std::vector<testing_books::BodyLine> body = {{"1:1>ok"}, {"1:2 no separator", false}};
    for (int i = 3; i <= 2500; ++i)
        body.push_back({"1:" + std::to_string(i) + ">x", false});
    t.write("B.TXV", makeBook(body));
    // A key that never comes keeps the page text empty, so only the line bound ends the page.
    ASSERT_TRUE(showPage(*t.p, "B.TXV", "1:9999"));
    EXPECT_EQ(t.s().ParaCount, 2000);
    EXPECT_EQ(t.s().ParaList[2], "1:2 no separator>");
}

TEST(GetBookTitle, StemMatchesTheFirstEntryItBegins) {
    testing_support::TestProgram t;
    auto& s = t.s();
    s.Abbrev[0] = "job=Job, the book";
    s.Abbrev[1] = "joh=John";
    s.Abbrev[2] = "rev=Revelation";
    s.AbbrevLast = 2;
    s.BookFile = "JO.TXV";
    reader::getBookTitle(*t.p);
    EXPECT_EQ(s.BookTitle, "Job");
    s.BookFile = "JOH.TXV";
    reader::getBookTitle(*t.p);
    EXPECT_EQ(s.BookTitle, "John");
    // The last filled entry is never examined.
    s.BookFile = "REV.TXV";
    reader::getBookTitle(*t.p);
    EXPECT_EQ(s.BookTitle, "Unknown");
    EXPECT_FALSE(s.TitleKnown);
}
