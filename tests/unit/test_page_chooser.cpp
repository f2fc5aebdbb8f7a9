#include <gtest/gtest.h>

#include "book_builder.h"
#include "reader/frm_page.h"
#include "reader/page_loader.h"
#include "reader/reference.h"
#include "test_support.h"

namespace {

// A book of the given page numbers, one indexed paragraph each (two for page 2).
std::string bookOf(const std::vector<int>& numbers) {
    std::vector<testing_books::BodyLine> body;
    for (int n : numbers) {
        body.push_back({std::to_string(n) + ":1>Page " + std::to_string(n)});
        if (n == 2)
            body.push_back({"2:2>Second entry of page 2"});
    }
    return testing_books::makeBook(body);
}

std::vector<int> range(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i)
        v.push_back(i);
    return v;
}

struct Chooser : testing_support::TestProgram {
    reader::FrmPage& open(const std::vector<int>& numbers, bool bible = false) {
        write("B.TXV", bookOf(numbers));
        s().BibleMode = bible;
        EXPECT_TRUE(reader::showPage(*p, "B.TXV", ""));
        reader::FrmPage& chooser = p->frmPage();
        chooser.getNewPara();
        return chooser;
    }
};

} // namespace

TEST(PageChooser, ThirtyPages) {
    Chooser t;
    reader::FrmPage& c = t.open(range(1, 30));
    EXPECT_EQ(c.lists[0]->listCount(), 25);
    EXPECT_EQ(c.lists[1]->items(), (std::vector<std::string>{"26", "27", "28", "29", "30"}));
    for (int i = 2; i < reader::FrmPage::kLists; ++i) {
        EXPECT_EQ(c.lists[static_cast<size_t>(i)]->listCount(), 0);
        EXPECT_FALSE(c.lists[static_cast<size_t>(i)]->Enabled);
    }
    EXPECT_EQ(c.caption(), "Select Page");
    EXPECT_TRUE(c.visible());
}

TEST(PageChooser, ThreeHundredPagesInABibleBook) {
    Chooser t;
    reader::FrmPage& c = t.open(range(1, 300), true);
    EXPECT_EQ(c.lists[9]->list(24), "250");
    EXPECT_EQ(c.lists[10]->listCount(), 50);
    EXPECT_EQ(c.lists[10]->list(0), "251");
    EXPECT_TRUE(c.lists[10]->Enabled);
    EXPECT_EQ(c.caption(), "Select Chapter");
}

TEST(PageChooser, PagesWithSeveralEntriesGapsAndPageZero) {
    Chooser t;
    reader::FrmPage& gaps = t.open({1, 2, 5});
    // Page 2 has two entries but is listed once; the scan ends with the index.
    EXPECT_EQ(gaps.lists[0]->items(), (std::vector<std::string>{"1", "2", "5"}));
    EXPECT_NE(gaps.caption(), "Select Page");
    Chooser zero;
    reader::FrmPage& fromZero = zero.open(range(0, 20));
    EXPECT_EQ(fromZero.lists[0]->listCount(), 20); // page 20 is not listed
    EXPECT_EQ(fromZero.lists[0]->list(19), "19");
}

TEST(ClickedParagraph, ParagraphByCaret) {
    const std::string text =
        ">First {gen 1:1}\r\n\r\n>Second {gen 1:2}\r\n\r\n" + std::string(600, ' ');
    const std::vector<app::ShownParagraph> paras{{0, "1:1"}, {text.find(">Second"), "1:2"}};
    const int second = static_cast<int>(text.find(">Second"));
    const int size = static_cast<int>(text.size());
    struct Row {
        const char* name;
        int caret;
        const char* key;
    };
    const Row rows[] = {
        {"no caret", 0, ""},
        {"just after the first \">\"", 1, ""},
        {"in the first paragraph", 3, "1:1"},
        {"in the empty line before the second", second, "1:1"},
        {"right after the second's \">\"", second + 1, "1:1"},
        {"in the second", second + 2, "1:2"},
        {"in the blanks after the last", size - 300, "1:2"},
        {"six characters before the end", size - 5, "1:2"},
        {"five characters before the end", size - 4, ""},
        {"past the end", size + 1, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(reader::clickedParagraph(paras, text.size(), row.caret), row.key) << row.name;
    EXPECT_EQ(reader::clickedParagraph({}, text.size(), 3), "");
}
