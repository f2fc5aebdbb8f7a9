#include <gtest/gtest.h>

#include "book_builder.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_text1.h"
#include "reader/page_loader.h"
#include "study/frm_text3.h"
#include "study/show_verse.h"
#include "test_study_files.h"
#include "test_support.h"

namespace {

using testing_study::notesFile;

// A Bible book of three chapters (pages) of 3, 2 and 2 verses, with notes.
struct Bible : testing_support::TestProgram {
    study::FrmText3& w;
    Bible() : w(p->frmText3()) {
        write("BK.TXV", testing_books::makeBook({
                            {"1:1>First verse.^ alpha one<a,b"},
                            {"1:2>Second verse.^ beta two"},
                            {"1:3>Third verse.^ gamma three<ab,"},
                            {"2:1>Fourth verse.^ delta<b"},
                            {"2:2>Fifth verse.^ epsilon"},
                            {"3:1>Sixth verse.^ zeta"},
                            {"3:2>Last verse.^ eta<a"},
                        }));
        write("BKCOM.TXV",
              notesFile(
                  {{"a", "a>Note A"}, {"ab", "label ab>Note AB"}, {"b", "Note B without label"}}));
        s().BibleMode = true;
        EXPECT_TRUE(reader::showPage(*p, "BK.TXV", ""));
    }
    std::string notes(const std::string& keys) { return study::readVerseNotes(*p, "BK.TXV", keys); }
    void showAt(long verse) {
        s().CurPara = verse;
        study::showVerse(*p);
    }
};

} // namespace

TEST(VerseNotes, KeysInOrderEachFromItsLabel) {
    Bible t;
    EXPECT_EQ(t.notes("a,b"), ">Note A\r\nNote B without label\r\n");
    EXPECT_EQ(t.notes("a,b,"), t.notes("a,b"));
    EXPECT_EQ(t.notes("b,a"), "Note B without label\r\n>Note A\r\n");
    // A key that is a prefix of another finds only its own note.
    EXPECT_EQ(t.notes("ab"), ">Note AB\r\n");
    // The last entry, ended by "*", is found too.
    EXPECT_EQ(t.notes("b"), "Note B without label\r\n");
    EXPECT_EQ(t.notes(""), "");
}

TEST(VerseNotes, MissingNotesAreLeftOutAndTheOthersShown) {
    Bible t;
    EXPECT_EQ(t.notes("zz,a,,b"), ">Note A\r\nNote B without label\r\n");
    // An entry whose offset points past the end of the file adds nothing.
    t.write("BKCOM.TXV", "<a>1<b>5000*\r\na>Note A\r\n");
    EXPECT_EQ(t.notes("b,a"), ">Note A\r\n");
    // Only the first fifty keys are looked up.
    std::string keys;
    for (int i = 0; i < 50; ++i)
        keys += "zz,";
    EXPECT_EQ(t.notes(keys + "a"), "");
    EXPECT_EQ(t.notes(keys.substr(3) + "a"), ">Note A\r\n");
}

TEST(VerseNotes, ABrokenOrMissingNotesFileGivesNoNotes) {
    Bible t;
    const size_t before = testing_study::openFiles();
    t.write("BKCOM.TXV", "");
    EXPECT_EQ(t.notes("a"), "");
    t.write("BKCOM.TXV", "no index at all\r\nstill none\r\n");
    EXPECT_EQ(t.notes("a"), "");
    t.write("BKCOM.TXV", "<a>x*\r\na>Note A\r\n");
    EXPECT_EQ(t.notes("a"), "");
    std::filesystem::remove(t.dir / "BKCOM.TXV");
    EXPECT_EQ(t.notes("a"), "");
    EXPECT_EQ(testing_study::openFiles(), before);
}

TEST(ShowVerse, FillsTheThreeBoxesAndTheSavedTexts) {
    Bible t;
    t.s().DefShown = true;
    t.showAt(1);
    EXPECT_EQ(t.w.Text31.text(), "1:1>First verse.");
    EXPECT_EQ(t.w.Text32.text(), "alpha one");
    EXPECT_EQ(t.w.Text33.text(), ">Note A\r\nNote B without label\r\n");
    EXPECT_EQ(t.s().SavedText32, "alpha one");
    EXPECT_EQ(t.s().SavedText33, t.w.Text33.text());
    EXPECT_FALSE(t.s().DefShown);
    // A verse without keys shows no notes; the buttons are left as they are.
    t.w.btnClear.setVisible(true);
    t.showAt(2);
    EXPECT_EQ(t.w.Text32.text(), "beta two");
    EXPECT_EQ(t.w.Text33.text(), "");
    EXPECT_EQ(t.s().SavedText33, "");
    EXPECT_TRUE(t.w.btnClear.Visible);
    // A verse index outside the page's lines reads no list.
    t.showAt(4);
    EXPECT_EQ(t.w.Text31.text(), "");
    t.showAt(-3);
    EXPECT_EQ(t.w.Text32.text(), "");
    t.showAt(5000);
    EXPECT_EQ(t.w.Text33.text(), "");
}

TEST(MoveVerse, StepsAcrossPagesAndStaysAtTheBooksEnds) {
    Bible t;
    t.showAt(3);
    study::moveVerse(*t.p, "next");
    EXPECT_EQ(t.s().CurPage, 2);
    EXPECT_EQ(t.s().CurPara, 1);
    EXPECT_EQ(t.w.Text31.text(), "2:1>Fourth verse.");
    EXPECT_EQ(t.w.Text33.text(), "Note B without label\r\n");
    study::moveVerse(*t.p, "prev");
    EXPECT_EQ(t.s().CurPage, 1);
    EXPECT_EQ(t.s().CurPara, 3);
    EXPECT_EQ(t.w.Text31.text(), "1:3>Third verse.");
    EXPECT_EQ(t.w.Text33.text(), ">Note AB\r\n");
    study::moveVerse(*t.p, "prev");
    EXPECT_EQ(t.w.Text31.text(), "1:2>Second verse.");
    study::moveVerse(*t.p, "prev");
    study::moveVerse(*t.p, "prev");
    EXPECT_EQ(t.dialogs.shown, std::vector<std::string>{"Beginning of Book"});
    EXPECT_EQ(t.w.Text31.text(), "1:1>First verse.");
    // Last loads the book's last page. Next on its last verse loads that
    // page again from its last entry: the same verse, now the page's first
    // line, and no message.
    study::moveVerse(*t.p, "last");
    EXPECT_EQ(t.s().CurPage, 3);
    EXPECT_EQ(t.w.Text31.text(), "3:2>Last verse.");
    study::moveVerse(*t.p, "next");
    EXPECT_EQ(t.w.Text31.text(), "3:2>Last verse.");
    EXPECT_EQ(t.w.Text33.text(), ">Note A\r\n");
    EXPECT_EQ(t.s().CurPara, 1);
    EXPECT_EQ(t.s().ParaCount, 1);
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
    // Prev from there: the last verse of the page before.
    study::moveVerse(*t.p, "prev");
    EXPECT_EQ(t.w.Text31.text(), "2:2>Fifth verse.");
    // First stays on the page; any other word shows the verse again.
    study::moveVerse(*t.p, "first");
    EXPECT_EQ(t.s().CurPage, 2);
    EXPECT_EQ(t.w.Text31.text(), "2:1>Fourth verse.");
    t.w.Text31.setText("changed");
    study::moveVerse(*t.p, "again");
    EXPECT_EQ(t.w.Text31.text(), "2:1>Fourth verse.");
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
}

TEST(VerseWindow, OpensFromAVerseClickWithTheFiller) {
    Bible t;
    reader::FrmText1& reading = t.p->frmText1();
    reading.showText();
    reading.show();
    // Verse 1:3, then verse 1:1: the notes are those of the second click only.
    reading.Text1.setSelStart(static_cast<int>(reading.Text1.text().find("Third")) + 2);
    reading.Text1.click();
    EXPECT_EQ(t.w.Text33.text(), ">Note AB\r\n" + t.s().PadText);
    reading.Text1.setSelStart(3);
    reading.Text1.click();
    EXPECT_EQ(t.s().CurPara, 1);
    EXPECT_EQ(t.w.Text33.text(), ">Note A\r\nNote B without label\r\n" + t.s().PadText);
    EXPECT_EQ(t.s().SavedText33, ">Note A\r\nNote B without label\r\n");
    EXPECT_TRUE(t.w.visible());
    EXPECT_TRUE(t.w.front());
    EXPECT_TRUE(t.w.btnFind.Visible);
    EXPECT_FALSE(t.w.btnClear.Visible);
}

TEST(VerseWindow, SetBkmarkNeedsAKeyInTheHeading) {
    Bible t;
    t.s().BookTitle = "Book";
    t.w.takePage();
    t.showAt(2);
    t.w.btnBkMrk.mouseUp(ui::MouseButton::Left);
    t.w.Text31.setText("no key here");
    t.w.btnBkMrk.mouseUp(ui::MouseButton::Left);
    EXPECT_EQ(t.p->frmBkMrk().lstBkMrk.items(), std::vector<std::string>{"Book--1:2"});
}
