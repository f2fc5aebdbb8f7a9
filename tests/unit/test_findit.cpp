// The search as the search window runs it: messages, both modes, Find All, the cap.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "book_builder.h"
#include "search/findit.h"
#include "search/frm_find6.h"
#include "test_support.h"

namespace {

struct Search : testing_support::TestProgram {
    search::FrmFind6& w;
    Search() : w(p->frmFind6()) {
        write("A.TXV", testing_books::makeBook({{"1:1>the lord said"}, {"1:2>The lord spoke"}}));
        write("B.TXV", testing_books::makeBook({{"2:1>and the Lord heard"}, {"2:2>the LORD"}}));
        s().BookFile = "A.TXV";
    }
    void find(const std::string& text, bool all = false) {
        w.txtInput.setText(text);
        s().SearchAllBooks = all;
        search::Findit(*p);
    }
    void list(const std::vector<std::string>& entries) {
        for (size_t i = 0; i < entries.size(); ++i)
            s().FindAllFiles[i] = entries[i];
        s().FindAllLast = static_cast<int>(entries.size()) - 1;
    }
};

// No hit keeps the pane; an empty text does nothing; with case on a phrase is as typed.
TEST(Findit, NoHitKeepsThePaneAndSaysSo) {
    Search t;
    t.w.TextF.setText("the page text");
    t.w.btnReFind.setCaption("");
    t.find("xyzzy");
    EXPECT_EQ(t.w.txtInput.text(), "Cannot find \"xyzzy\"");
    EXPECT_EQ(t.w.TextF.text(), "the page text");
    EXPECT_EQ(t.w.btnReFind.caption(), "");
    t.find("");
    EXPECT_EQ(t.w.TextF.text(), "the page text");
    EXPECT_EQ(t.w.txtInput.text(), "");
    t.w.btnRadioCase.setValue(1);
    t.find("The lord");
    EXPECT_EQ(t.w.TextF.text(), "1:2>^The lord^ spoke\r\n\r\n");
    EXPECT_TRUE(t.s().CaseSearch);
    t.s().BookFile = "B.TXV"; // "the Lord" is not "the lord"
    t.find("the lord");
    EXPECT_EQ(t.w.txtInput.text(), "Cannot find \"the lord\"");
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST(Findit, MissingBooksAreSkippedAndTheFirstIsNamed) {
    Search t;
    t.list({"gone", "a", "lost", "b"});
    t.find("lord", true);
    EXPECT_EQ(t.w.TextF.text(), "a 1:1>the ^lord^ said\r\n\r\na 1:2>The ^lord^ spoke\r\n\r\n"
                                "b 2:1>and the ^Lord^ heard\r\n\r\n");
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0], "Missing or corrupt file GONE.TXV");
    // The current book missing: no hit, and the same message.
    t.dialogs.shown.clear();
    t.s().BookFile = "NONE.TXV";
    t.find("lord");
    EXPECT_EQ(t.w.txtInput.text(), "Cannot find \"lord\"");
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0], "Missing or corrupt file NONE.TXV");
}

TEST(Findit, TheListEndsAtItsLastIndexAnd900AndTooManyAreCut) {
    Search t;
    t.list({"a", "b"});
    t.s().FindAllLast = 0;
    t.find("lord", true);
    EXPECT_EQ(t.w.TextF.text(), "a 1:1>the ^lord^ said\r\n\r\n"
                                "a 1:2>The ^lord^ spoke\r\n\r\n");
    t.s().FindAllFiles.fill("a");
    t.s().FindAllFiles[900] = "b";
    t.s().FindAllLast = 2000; // beyond the list: it ends at entry 900
    t.find("heard", true);
    EXPECT_EQ(t.w.TextF.text(), "b 2:1>and the Lord ^heard^\r\n\r\n");
    EXPECT_EQ(t.w.btnReFind.caption(), "ReFind");
    t.s().FindAllLast = -1;
    t.find("heard", true);
    EXPECT_EQ(t.w.txtInput.text(), "Cannot find \"heard\"");
    t.list({"a", " ", "b"}); // a blank entry ends the list too
    t.find("heard", true);
    EXPECT_EQ(t.w.txtInput.text(), "Cannot find \"heard\"");
    std::vector<testing_books::BodyLine> lines;
    for (int i = 1; i <= 800; ++i)
        lines.push_back({"1:" + std::to_string(i) + ">grace upon grace, and more grace"});
    t.write("BIG.TXV", testing_books::makeBook(lines));
    t.list({"big", "a", "missing"});
    t.find("grace", true);
    EXPECT_EQ(t.w.TextF.text().size(), search::kMaxShown);
    EXPECT_EQ(t.w.TextF.text().substr(0, 28), "big 1:1>^grace^ upon grace, ");
    EXPECT_EQ(t.w.txtInput.text(), "Too Many Found - Refine Search");
    EXPECT_EQ(t.w.btnReFind.caption(), "ReFind");
    // The book after the cap was still opened: its absence is reported.
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0], "Missing or corrupt file MISSING.TXV");
    // Exactly at the cap the input box keeps the text; one entry more is too many.
    const std::string entry = "1:1>^x^\r\n\r\n"; // 11 characters
    std::vector<testing_books::BodyLine> exact;
    for (size_t n = 0; n < search::kMaxShown / entry.size(); ++n)
        exact.push_back({"1:1>x"});
    t.write("EXACT.TXV", testing_books::makeBook(exact));
    t.s().BookFile = "EXACT.TXV";
    t.find("x");
    EXPECT_EQ(t.w.TextF.text().size(), search::kMaxShown);
    EXPECT_EQ(t.w.txtInput.text(), "x");
    exact.push_back({"1:2>x"});
    t.write("EXACT.TXV", testing_books::makeBook(exact));
    t.find("x");
    EXPECT_EQ(t.w.txtInput.text(), "Too Many Found - Refine Search");
}

} // namespace
