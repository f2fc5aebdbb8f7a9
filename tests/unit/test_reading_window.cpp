// The reading window: the searched text on activation, paging keys, clicks at edges.
#include <gtest/gtest.h>

#include "book_builder.h"
#include "reader/frm_text1.h"
#include "reader/hilite.h"
#include "reader/page_loader.h"
#include "test_support.h"

namespace {

// A book whose first page has no verse 2: a verse's number and its place differ.
struct Reader : testing_support::TestProgram {
    reader::FrmText1& w;
    explicit Reader(bool bible = false) : w(p->frmText1()) {
        write("B.TXV", testing_books::makeBook({
                           {"1:1>Grace and peace; gracE abounds"},
                           {"1:3>Third verse"},
                           {"1:4>Fourth verse"},
                           {"2:1>Second page"},
                           {"3:1>Third page, with grace"},
                       }));
        s().BibleMode = bible;
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
    std::string selected() const {
        return w.Text1.text().substr(static_cast<size_t>(w.Text1.selStart()),
                                     static_cast<size_t>(w.Text1.selLength()));
    }
    // A click with the caret after n characters of the shown text.
    void clickAt(size_t n) {
        w.Text1.setSelStart(static_cast<int>(n));
        w.Text1.click();
    }
};

} // namespace

// The capital first letter is tried first, inner letters as typed; exact takes it as is.
TEST(ReadingWindow, ActivationSelectsTheSearchedText) {
    const std::string page = "the Word was; word; wORD";
    const struct {
        const char* text;
        bool exact;
        std::optional<size_t> at;
    } rows[] = {{"word", false, 4},  {"Word", false, 4},
                {"word", true, 14},  {"wORD", true, 20},
                {"WORD", false, 20}, {"wOrd", false, std::nullopt},
                {"", false, {}},     {"absent", false, std::nullopt}};
    for (const auto& row : rows)
        EXPECT_EQ(reader::findHilite(page, row.text, row.exact), row.at) << row.text;
    EXPECT_EQ(reader::findHilite("un \xC9lan", "\xE9lan", false), 3u);
    Reader t;
    t.searched("grace", false);
    t.reactivate();
    EXPECT_TRUE(t.w.Text1.hasFocus());
    EXPECT_EQ(t.selected(), "Grace");
    // The hit flag stays, so the next activation selects again; a paging button ends it.
    EXPECT_TRUE(t.s().SearchHit);
    t.w.Text1.setSelStart(0);
    t.reactivate();
    EXPECT_EQ(t.w.Text1.selLength(), 5);
    t.w.btnNext.click();
    EXPECT_FALSE(t.s().SearchHit);
    t.w.Text1.setSelStart(0);
    t.reactivate();
    EXPECT_EQ(t.w.Text1.selLength(), 0);
    // Case on: the text as typed; another case inside the word selects nothing, focus stays.
    Reader exact;
    exact.searched("gracE", true);
    exact.reactivate();
    EXPECT_EQ(exact.selected(), "gracE");
    Reader absent;
    absent.searched("gRACE", false);
    absent.w.btnFind.setFocus();
    absent.reactivate();
    EXPECT_EQ(absent.w.Text1.selLength(), 0);
    EXPECT_FALSE(absent.w.Text1.hasFocus());
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
    // Every click ends a definition shown in the verse window, one on no paragraph too.
    t.s().DefShown = true;
    t.clickAt(0);
    EXPECT_FALSE(t.s().DefShown);
}

// Page Down and Up, Ctrl+Home and Ctrl+End page; Home and End move the caret.
TEST(ReadingWindow, PagingKeys) {
    Reader t;
    constexpr int ctrl = ui::Window::kCtrlKey, shift = ui::Window::kShiftKey;
    for (const auto& [code, modifiers, page] :
         {std::tuple{34, 0, 2L}, std::tuple{35, ctrl, 3L}, std::tuple{33, 0, 2L},
          std::tuple{36, 0, 2L}, std::tuple{36, shift, 2L}, std::tuple{36, ctrl, 1L},
          std::tuple{35, 0, 1L}, std::tuple{35, ctrl | shift, 1L}}) {
        t.w.raiseKeyDown(code, modifiers);
        EXPECT_EQ(t.s().ShownPage, page) << code << " " << modifiers;
    }
    t.w.btnLast.Enabled = false;
    t.w.raiseKeyDown(35, ctrl);
    EXPECT_EQ(t.s().ShownPage, 1);
    EXPECT_TRUE(t.dialogs.shown.empty());
}
