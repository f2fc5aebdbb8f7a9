#include <gtest/gtest.h>

#include "book_builder.h"
#include "reader/frm_text1.h"
#include "reader/hilite.h"
#include "reader/page_loader.h"
#include "test_support.h"

namespace {

struct Reader : testing_support::TestProgram {
    reader::FrmText1& w;
    Reader() : w(p->frmText1()) {
        write("B.TXV", testing_books::makeBook({
                           {"1:1>Grace and peace; gracE abounds"},
                           {"2:1>Second page"},
                           {"3:1>Third page, with grace"},
                       }));
        EXPECT_TRUE(reader::showPage(*p, "B.TXV", ""));
        w.showText();
        w.show();
    }
    // The reading window becomes active again after another window was.
    void reactivate() {
        p->screen().deactivateActive();
        p->screen().activate(&w);
    }
    void searched(const std::string& text, bool caseSensitive) {
        s().HiliteText = text;
        s().HiliteLen = static_cast<int>(text.size());
        s().CaseSearch = caseSensitive;
        s().SearchHit = true;
    }
};

} // namespace

TEST(Hilite, FirstLetterFormsAndExactSearch) {
    using reader::findHilite;
    const std::string page = "the Word was; word; wORD";
    EXPECT_EQ(findHilite(page, "word", false), 4u); // the capital form is tried first
    EXPECT_EQ(findHilite(page, "Word", false), 4u);
    EXPECT_EQ(findHilite(page, "word", true), 14u); // exact
    EXPECT_EQ(findHilite(page, "wORD", true), 20u);
    EXPECT_EQ(findHilite(page, "WORD", false), 20u);          // "wORD", the small-initial form
    EXPECT_EQ(findHilite(page, "wOrd", false), std::nullopt); // inner letters stand as typed
    EXPECT_EQ(findHilite(page, "", false), std::nullopt);
    EXPECT_EQ(findHilite(page, "absent", false), std::nullopt);
    // Accented first letters of Windows-1252 have their capitals too.
    EXPECT_EQ(findHilite("un \xC9lan", "\xE9lan", false), 3u);
}

TEST(ReadingWindow, ActivationSelectsTheSearchedText) {
    Reader t;
    t.searched("grace", false);
    t.reactivate();
    EXPECT_TRUE(t.w.Text1.hasFocus());
    EXPECT_EQ(t.w.Text1.text().substr(static_cast<size_t>(t.w.Text1.selStart()), 5), "Grace");
    EXPECT_EQ(t.w.Text1.selLength(), 5);
    // The hit flag stays, so the next activation selects again.
    EXPECT_TRUE(t.s().SearchHit);
    t.w.Text1.setSelStart(0);
    t.reactivate();
    EXPECT_EQ(t.w.Text1.selLength(), 5);
    // A paging button ends it.
    t.w.btnNext.click();
    EXPECT_FALSE(t.s().SearchHit);
    t.w.Text1.setSelStart(0);
    t.reactivate();
    EXPECT_EQ(t.w.Text1.selLength(), 0);
}

TEST(ReadingWindow, CaseAndAbsenceDecideWhatIsSelected) {
    Reader t;
    t.searched("gracE", true);
    t.reactivate();
    EXPECT_EQ(t.w.Text1.text().substr(static_cast<size_t>(t.w.Text1.selStart()), 5), "gracE");
    // Different case inside the word: not found, nothing selected, no focus.
    Reader u;
    u.searched("gRACE", false);
    u.w.btnFind.setFocus();
    u.reactivate();
    EXPECT_EQ(u.w.Text1.selLength(), 0);
    EXPECT_FALSE(u.w.Text1.hasFocus());
}

TEST(ReadingWindow, BookmarkJumpSelectsOnceAndTheVerseWindowSearchSelectsNothing) {
    Reader t;
    t.searched("peace", false);
    t.s().SearchHit = false;
    t.s().MarkPending = true;
    t.reactivate();
    EXPECT_FALSE(t.s().MarkPending);
    EXPECT_EQ(t.w.Text1.selLength(), 5);
    t.w.Text1.setSelStart(0);
    t.reactivate();
    EXPECT_EQ(t.w.Text1.selLength(), 0);

    t.s().SearchHit = true;
    t.s().FindFromText3 = true;
    t.reactivate();
    EXPECT_FALSE(t.s().SearchHit);
    EXPECT_EQ(t.w.Text1.selLength(), 0);
}

TEST(ReadingWindow, PagingKeys) {
    Reader t;
    auto key = [&](int code, int shift) {
        t.w.raiseKeyDown(code, shift);
        return t.s().ShownPage;
    };
    constexpr int ctrl = ui::Window::kCtrlKey, shift = ui::Window::kShiftKey;
    EXPECT_EQ(key(34, 0), 2);    // Page Down
    EXPECT_EQ(key(35, ctrl), 3); // Ctrl+End
    EXPECT_EQ(key(33, 0), 2);    // Page Up
    EXPECT_EQ(key(36, ctrl), 1); // Ctrl+Home
    EXPECT_EQ(key(35, 0), 1);    // End alone moves the caret, not the page
    EXPECT_EQ(key(35, ctrl | shift), 1);
    t.w.btnLast.Enabled = false;
    EXPECT_EQ(key(35, ctrl), 1);
    EXPECT_TRUE(t.dialogs.shown.empty());
}
