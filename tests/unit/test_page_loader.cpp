// The page loader and what reads its pages: titles, keys, clicks and the page chooser.
#include <gtest/gtest.h>

#include "book_builder.h"
#include "reader/frm_page.h"
#include "reader/page_loader.h"
#include "reader/reference.h"
#include "test_support.h"

using reader::showPage;
using testing_books::makeBook;

namespace {

const std::string kBlanks600(600, ' ');

// Pages of (page, paragraphs), "P:Q>Para P.Q" each; only first paragraphs indexed unless indexAll.
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

struct Book : testing_support::TestProgram {
    explicit Book(const std::string& content, bool bible = false) {
        write("B.TXV", content);
        s().BibleMode = bible;
    }
};

} // namespace

TEST(ShowPage, TheTwoPageExampleBook) {
    Book t("<1:1>1<2:1>42*\r\n1:1>In the beginning\r\n1:2>And the earth\r\n2:1>Thus the "
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
    ASSERT_TRUE(showPage(*t.p, "", "Next"));
    EXPECT_EQ(t.s().CurPage, 2);
    ASSERT_TRUE(showPage(*t.p, "", "Prev"));
    EXPECT_EQ(t.s().CurPage, 1);
    EXPECT_FALSE(showPage(*t.p, "", "Prev"));
    EXPECT_EQ(t.dialogs.shown, std::vector<std::string>{"Beginning of Book"});
    EXPECT_EQ(t.s().CurPage, 1);
}

TEST(ShowPage, KeysPagesWithSeveralEntriesAndGaps) {
    Book t(makeBook(pages({{1, 2}, {2, 3}, {5, 2}, {12, 6}}, true)));
    ASSERT_TRUE(showPage(*t.p, "B.TXV", "12:5"));
    EXPECT_TRUE(t.s().KeyFound);
    EXPECT_EQ(t.s().ParaCount, 6);
    EXPECT_EQ(t.s().ParaList[1], "12:1>Para 12.1");
    EXPECT_EQ(t.s().PageText.substr(0, 17), ">Para 12.5 {b 12:");
    // A key not on its page shows nothing but keeps the lines.
    ASSERT_TRUE(showPage(*t.p, "", "12:9"));
    EXPECT_EQ(t.s().PageText, kBlanks600);
    EXPECT_EQ(t.s().ParaCount, 6);
    ASSERT_TRUE(showPage(*t.p, "", "2"));
    ASSERT_TRUE(showPage(*t.p, "", "Next")); // skips every entry of page 2
    EXPECT_EQ(t.s().CurPage, 5);
    ASSERT_TRUE(showPage(*t.p, "", "Prev")); // over the gap to 2, from its first entry
    EXPECT_EQ(t.s().CurPage, 2);
    EXPECT_EQ(t.s().ParaCount, 3);
    ASSERT_TRUE(showPage(*t.p, "", "Last"));
    EXPECT_EQ(t.s().ParaList[1], "12:1>Para 12.1");
    // Next from a page not in the index goes on from the first entry.
    t.s().CurPage = 4;
    ASSERT_TRUE(showPage(*t.p, "", "Next"));
    EXPECT_EQ(t.s().ParaList[1], "1:2>Para 1.2");
    // A missing page changes nothing; a saved page now missing opens the first, quietly.
    const std::string before = t.s().PageText;
    EXPECT_FALSE(showPage(*t.p, "", "7"));
    EXPECT_EQ(t.dialogs.shown, std::vector<std::string>{"Page Not Found"});
    EXPECT_EQ(t.s().PageText, before);
    EXPECT_EQ(t.s().CurPage, 1);
    EXPECT_TRUE(showPage(*t.p, "", "7", reader::IfMissing::FirstPage));
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.s().ShownPage, 1);
}

// Prev from page 999999999 once counted down page by page, for minutes.
TEST(ShowPage, PrevFromAHighPageInOnePass) {
    std::vector<std::pair<int, int>> layout;
    for (int page = 1; page <= 1000; ++page)
        layout.push_back({page, 1});
    layout.push_back({999999999, 1});
    Book t(makeBook(pages(layout)));
    ASSERT_TRUE(showPage(*t.p, "B.TXV", "999999999"));
    ASSERT_TRUE(showPage(*t.p, "", "Prev"));
    EXPECT_EQ(t.s().CurPage, 1000);
    EXPECT_EQ(t.s().ParaList[1], "1000:1>Para 1000.1");
}

TEST(ShowPage, MarkersInTheBodyAndTheOriginalLanguagePart) {
    Book t(makeBook({{"1:1>First%second"},
                     {"1:2>Intro>References: Gen 1", false},
                     {"x", false},
                     {"1:3>After the filler", false}}));
    ASSERT_TRUE(showPage(*t.p, "B.TXV", ""));
    EXPECT_EQ(t.s().PageText.find(">First\r\n\r\nsecond {b 1:1}"), 0u);
    EXPECT_NE(t.s().PageText.find(">References: Gen 1 {b 1:2}"), std::string::npos);
    EXPECT_NE(t.s().PageText.find(">After the filler {b 1:3}"), std::string::npos);
    EXPECT_EQ(t.s().ParaCount, 3);
    Book bible("", true);
    bible.write("GEN.TXV", makeBook({{"1:1>In the beginning^ hebrew words<a,b"}, {"1:2>Plain"}}));
    ASSERT_TRUE(showPage(*bible.p, "GEN.TXV", ""));
    EXPECT_EQ(bible.s().PageText.substr(0, 30), ">In the beginning {gen 1:1}\r\n\r");
    EXPECT_EQ(bible.s().VerseList[1], "hebrew words<a,b");
    EXPECT_EQ(bible.s().VerseList[2], "");
}

// A paragraph past 32000 characters of page text ends the page, as do 2000 lines.
TEST(ShowPage, TheTextAndLineCapsEndThePage) {
    const struct {
        const char* name;
        std::vector<size_t> lengths;
        int shown;
    } rows[] = {
        {"a fourth would pass the cap", {9000, 9000, 9000, 9000, 9000}, 3},
        {"exactly the cap", {32000}, 1},
        {"one past the cap", {32001}, 0},
    };
    for (const auto& row : rows) {
        std::vector<testing_books::BodyLine> body;
        for (size_t i = 0; i < row.lengths.size(); ++i)
            body.push_back(
                {"1:" + std::to_string(i + 1) + ">" + std::string(row.lengths[i], 'a'), i == 0});
        Book t(makeBook(body));
        ASSERT_TRUE(showPage(*t.p, "B.TXV", "")) << row.name;
        EXPECT_EQ(t.s().ParaCount, row.shown) << row.name;
        EXPECT_LE(t.s().PageText.size(), 32000u + 700u) << row.name;
    }
    // A key that never comes keeps the text empty; a line without ">" is stored as its key.
    std::vector<testing_books::BodyLine> body = {{"1:1>ok"}, {"1:2 no separator", false}};
    for (int i = 3; i <= 2500; ++i)
        body.push_back({"1:" + std::to_string(i) + ">x", false});
    Book t(makeBook(body));
    ASSERT_TRUE(showPage(*t.p, "B.TXV", "1:9999"));
    EXPECT_EQ(t.s().ParaCount, 2000);
    EXPECT_EQ(t.s().ParaList[2], "1:2 no separator>");
}

// The first line whose key is exactly the key, never one that merely holds it.
TEST(LineOfKey, TheFirstLineWhoseKeyIsExactlyIt) {
    testing_support::TestProgram t;
    const char* lines[] = {"1:1>1:3 is quoted first", "1:10>Tenth",          "1:3>Third", "1:31>x",
                           "1:3>Third again",         "1:4>beyond the count"};
    for (size_t i = 0; i < 6; ++i)
        t.s().ParaList[i + 1] = lines[i];
    t.s().ParaCount = 5;
    for (const auto& [key, line] :
         {std::pair{"1:1", 1L}, std::pair{"1:10", 2L}, std::pair{"1:3", 3L}, std::pair{"1:31", 4L},
          std::pair{"1:4", 0L}, std::pair{"1:", 0L}, std::pair{"", 0L}})
        EXPECT_EQ(reader::lineOfKey(t.s(), key), line) << key;
}

// Just after a ">" is the paragraph before; the trailing blanks, but the last five, the last.
TEST(ClickedParagraph, ParagraphByCaret) {
    const std::string text = ">First {gen 1:1}\r\n\r\n>Second {gen 1:2}\r\n\r\n" + kBlanks600;
    const int second = static_cast<int>(text.find(">Second"));
    const int size = static_cast<int>(text.size());
    const std::vector<app::ShownParagraph> paras{{0, "1:1"}, {text.find(">Second"), "1:2"}};
    for (const auto& [caret, key] :
         {std::pair{0, ""}, std::pair{1, ""}, std::pair{3, "1:1"}, std::pair{second, "1:1"},
          std::pair{second + 1, "1:1"}, std::pair{second + 2, "1:2"}, std::pair{size - 300, "1:2"},
          std::pair{size - 5, "1:2"}, std::pair{size - 4, ""}, std::pair{size + 1, ""}})
        EXPECT_EQ(reader::clickedParagraph(paras, text.size(), caret), key) << caret;
    EXPECT_EQ(reader::clickedParagraph({}, text.size(), 3), "");
}

// 25 pages a list, each once; the walk ends once LastPage pages are listed.
TEST(PageChooser, PageNumbersInListsOfTwentyFive) {
    struct Chooser : Book {
        reader::FrmPage& c;
        Chooser(int from, int to, bool bible, std::vector<std::pair<int, int>> layout = {})
            : Book("", bible), c(p->frmPage()) {
            for (int n = from; n <= to; ++n)
                layout.push_back({n, 1});
            write("B.TXV", makeBook(pages(layout, true)));
            EXPECT_TRUE(showPage(*p, "B.TXV", ""));
            c.getNewPara();
        }
    };
    Chooser thirty(1, 30, false);
    EXPECT_EQ(thirty.c.lists[0]->listCount(), 25);
    EXPECT_EQ(thirty.c.lists[1]->items(), (std::vector<std::string>{"26", "27", "28", "29", "30"}));
    EXPECT_EQ(thirty.c.lists[2]->listCount(), 0);
    Chooser bible(1, 300, true);
    EXPECT_EQ(bible.c.lists[9]->list(24), "250");
    EXPECT_EQ(bible.c.lists[10]->listCount(), 50);
    Chooser gaps(1, 0, false, {{1, 1}, {2, 2}, {5, 1}});
    EXPECT_EQ(gaps.c.lists[0]->items(), (std::vector<std::string>{"1", "2", "5"}));
    EXPECT_NE(gaps.c.caption(), "Select Page");
    Chooser zero(0, 20, false);
    EXPECT_EQ(zero.c.lists[0]->listCount(), 20);
    EXPECT_EQ(zero.c.lists[0]->list(19), "19");
}
