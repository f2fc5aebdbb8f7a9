// The reading window's keys and paragraph clicks at their edges.
#include <gtest/gtest.h>

#include "book_builder.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_text1.h"
#include "reader/page_loader.h"
#include "test_support.h"

namespace {

// A Bible-like book whose first page has no verse 2, so that a verse's
// number and its place on the page differ.
struct GappedReader : testing_support::TestProgram {
    reader::FrmText1& w;
    explicit GappedReader(bool bible) : w(p->frmText1()) {
        write("B.TXV", testing_books::makeBook({
                           {"1:1>First verse"},
                           {"1:3>Third verse"},
                           {"1:4>Fourth verse"},
                           {"2:1>Next page"},
                       }));
        s().BibleMode = bible;
        EXPECT_TRUE(reader::showPage(*p, "B.TXV", ""));
        w.showText();
        w.show();
    }
    // A click with the caret after n characters of the shown text, as the binding reports it.
    void clickAt(size_t n) {
        w.Text1.setSelStart(static_cast<int>(n));
        w.Text1.click();
    }
    size_t after(const std::string& text) const { return w.Text1.text().find(text) + text.size(); }
};

} // namespace

TEST(ReadingWindowEdges, PlainHomeDoesNotPage) {
    GappedReader t(false);
    t.w.btnNext.click();
    ASSERT_EQ(t.s().ShownPage, 2);
    t.w.raiseKeyDown(36, 0);
    EXPECT_EQ(t.s().ShownPage, 2);
    t.w.raiseKeyDown(36, ui::Window::kShiftKey);
    EXPECT_EQ(t.s().ShownPage, 2);
    t.w.raiseKeyDown(36, ui::Window::kCtrlKey);
    EXPECT_EQ(t.s().ShownPage, 1);
}

// In Bible books a click sets CurPara to the verse's place on the page;
// the last verse and the blanks after it count as the last verse.
TEST(ReadingWindowEdges, ClicksOnTheLastVerseOfAPage) {
    GappedReader t(true);
    int verses = 0;
    t.w.onVerse = [&] { ++verses; };
    ASSERT_EQ(t.s().ParaCount, 3);
    t.clickAt(t.after(">Third"));
    EXPECT_EQ(t.s().CurPara, 2);
    t.clickAt(t.after(">Fourth"));
    EXPECT_EQ(t.s().CurPara, 3);
    t.s().CurPara = 0;
    t.clickAt(t.after("{b 1:4}") + 2);
    EXPECT_EQ(t.s().CurPara, 3);
    t.s().CurPara = 0;
    t.clickAt(t.w.Text1.text().size() - 10); // deep in the filler
    EXPECT_EQ(t.s().CurPara, 3);
    EXPECT_EQ(verses, 4);
}

TEST(ReadingWindowEdges, ClicksOnTheLastParagraphOfOtherBooks) {
    GappedReader t(false);
    t.clickAt(t.after(">Fourth"));
    t.clickAt(t.w.Text1.text().size() - 10);
    // Both clicks name paragraph 1:4: its bookmark, then the news that it exists.
    EXPECT_EQ(t.p->frmBkMrk().lstBkMrk.items(), std::vector<std::string>{t.s().BookTitle + "-1:4"});
    EXPECT_EQ(t.dialogs.shown, std::vector<std::string>{"Book Mark already exists"});
}
