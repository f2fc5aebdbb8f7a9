// Each window keeps the page it shows: the reading window pages, bookmarks
// and records its own book whatever another window loaded since; the page
// chooser loads pages of the book it lists; the language of a followed Bible
// bookmark comes from the catalogue.
#include <gtest/gtest.h>

#include "app/frm_arrays.h"
#include "book_builder.h"
#include "catalogue/book_language.h"
#include "reader/book_page.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_page.h"
#include "reader/frm_text1.h"
#include "reader/page_loader.h"
#include "reader/reference.h"
#include "test_support.h"

namespace {

// A Bible book of three chapters open in the reading window, and a book of
// paragraphs that other windows load.
struct Shelf : testing_support::TestProgram {
    reader::FrmText1& reading;
    Shelf() : reading(p->frmText1()) {
        write("GN.TXV", testing_books::makeBook({
                            {"1:1>Verse one.^ alef<a"},
                            {"1:2>Verse two.^ bet"},
                            {"2:1>Chapter two.^ gimel"},
                            {"3:1>Chapter three.^ dalet"},
                            {"4:1>Chapter four.^ he"},
                        }));
        write("ES.TXV", testing_books::makeBook({{"1:1>An essay"}, {"2:1>Its second page"}}));
        s().Abbrev[0] = "gn=Genesis";
        s().Abbrev[1] = "es=Essays, collected";
        s().Abbrev[2] = "end=End";
        s().AbbrevLast = 2;
        s().BibleMode = true;
        s().LangStem = "Heb";
        s().BookKind = "STX";
        EXPECT_TRUE(reader::showPage(*p, "GN.TXV", ""));
        reading.showText();
        reading.show();
    }
    // Another window loads a page of the essays in the shared variables.
    void otherWindowLoadsEssays() {
        s().BibleMode = false;
        s().LangStem.clear();
        s().BookKind = "PNV";
        EXPECT_TRUE(reader::showPage(*p, "ES.TXV", "2"));
    }
};

} // namespace

TEST(BookPage, InUseForOneActionThenTheListModeIsBack) {
    Shelf t;
    reader::BookPage page = reader::BookPage::of(t.s());
    t.otherWindowLoadsEssays();
    {
        const reader::PageInUse use(t.s(), page);
        EXPECT_EQ(t.s().BookFile, "GN.TXV");
        EXPECT_EQ(t.s().VerseList[1], "alef<a");
        EXPECT_TRUE(t.s().BibleMode);
        EXPECT_EQ(t.s().LangStem, "Heb");
        EXPECT_EQ(t.s().BookKind, "STX");
        ASSERT_TRUE(reader::showPage(*t.p, "", "Next"));
        page.takeFrom(t.s());
    }
    // The page variables keep what the action loaded; the mode is the list's again.
    EXPECT_EQ(t.s().CurPage, 2);
    EXPECT_FALSE(t.s().BibleMode);
    EXPECT_EQ(t.s().LangStem, "");
    EXPECT_EQ(t.s().BookKind, "PNV");
    EXPECT_EQ(page.CurPage, 2);
    EXPECT_TRUE(page.BibleMode);
    EXPECT_EQ(page.ParaList[1], "2:1>Chapter two.");
}

TEST(ReadingWindowPage, PagesItsOwnBookAfterAnotherLoad) {
    struct Row {
        const char* name;
        ui::Button reader::FrmText1::*button;
        const char* startsWith;
        long shownPage;
    } rows[] = {
        {"Next", &reader::FrmText1::btnNext, ">Chapter two. {gn 2:1}", 2},
        {"Last", &reader::FrmText1::btnLast, ">Chapter four. {gn 4:1}", 4},
        {"First", &reader::FrmText1::btnFirst, ">Verse one. {gn 1:1}", 1},
    };
    for (const Row& row : rows) {
        Shelf t;
        t.otherWindowLoadsEssays();
        (t.reading.*row.button).click();
        EXPECT_EQ(t.reading.Text1.text().rfind(row.startsWith, 0), 0u) << row.name;
        EXPECT_EQ(t.reading.page().BookFile, "GN.TXV") << row.name;
        EXPECT_EQ(t.reading.page().ShownPage, row.shownPage) << row.name;
        EXPECT_TRUE(t.dialogs.shown.empty()) << row.name;
    }
}

TEST(ReadingWindowPage, EndsOfTheBookAreItsOwn) {
    Shelf t;
    // The essays' page 2 is their last: Next in the reading window still pages Genesis.
    t.otherWindowLoadsEssays();
    t.reading.btnNext.click();
    t.otherWindowLoadsEssays();
    t.reading.btnPrev.click();
    EXPECT_EQ(t.reading.page().CurPage, 1);
    t.reading.btnPrev.click();
    EXPECT_EQ(t.dialogs.shown, std::vector<std::string>{"Beginning of Book"});
}

TEST(ReadingWindowPage, AClickStudiesOrBookmarksInTheBooksOwnMode) {
    Shelf t;
    int verses = 0;
    long verse = 0;
    t.reading.onVerse = [&] {
        ++verses;
        verse = t.s().CurPara;
        EXPECT_EQ(t.s().BookFile, "GN.TXV"); // the page clicked is in the shared variables
    };
    t.otherWindowLoadsEssays();
    t.reading.Text1.setSelStart(static_cast<int>(t.reading.Text1.text().find("two")));
    t.reading.Text1.click();
    EXPECT_EQ(verses, 1);
    EXPECT_EQ(verse, 2);
    EXPECT_FALSE(t.s().BibleMode); // the list's mode again
    EXPECT_FALSE(t.p->window("frmBkMrk")->loaded());
}

TEST(ReadingWindowPage, TheHistoryRecordsTheBookShown) {
    Shelf t;
    t.reading.btnNext.click();
    t.otherWindowLoadsEssays();
    t.s().ShownPage = 7;
    t.reading.DeactivateForm1();
    EXPECT_EQ(t.p->frmArrays().lstSavePages.items(), std::vector<std::string>{"GN=2"});
    // A reading window that never showed a book records nothing.
    testing_support::TestProgram fresh;
    fresh.s().BookFile = "ES.TXV";
    fresh.p->frmText1().DeactivateForm1();
    EXPECT_TRUE(fresh.p->frmArrays().lstSavePages.items().empty());
}

TEST(PageChooser, ChoosesInTheBookItLists) {
    Shelf t;
    t.reading.btnNext.click();
    t.reading.btnNext.click();
    ASSERT_EQ(t.reading.page().NavPage, 3);
    t.reading.btnNewPage.mouseUp(ui::MouseButton::Left);
    reader::FrmPage& chooser = t.p->frmPage();
    ASSERT_EQ(chooser.lists[0]->listCount(), 4);
    // The reading window pages back: the choice keeps its NavPage.
    t.reading.btnPrev.click();
    chooser.lists[0]->setListIndex(3);
    chooser.lists[0]->click();
    EXPECT_EQ(t.reading.page().CurPage, 4);
    EXPECT_EQ(t.reading.page().NavPage, 2);
    // The reading window turns to the essays: a choice is still a chapter of Genesis.
    t.reading.btnNewPage.mouseUp(ui::MouseButton::Left);
    t.otherWindowLoadsEssays();
    t.reading.showText();
    chooser.lists[0]->setListIndex(2);
    chooser.lists[0]->click();
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(t.reading.page().BookFile, "GN.TXV");
    EXPECT_EQ(t.reading.Text1.text().rfind(">Chapter three.", 0), 0u);
    EXPECT_TRUE(t.reading.page().BibleMode);
}

// The line of a key among the page's lines: the key whole, never a key or
// a text that merely holds it.
TEST(LineOfKey, TheLineWhoseKeyIsExactlyIt) {
    testing_support::TestProgram t;
    const char* lines[] = {"1:1>1:3 is quoted first", "1:10>Tenth", "1:3>Third", "1:31>x"};
    for (size_t i = 0; i < 4; ++i)
        t.s().ParaList[i + 1] = lines[i];
    t.s().ParaList[5] = "1:4>beyond the count";
    t.s().ParaCount = 4;
    struct Row {
        const char* key;
        long line;
    } rows[] = {{"1:1", 1}, {"1:10", 2}, {"1:3", 3}, {"1:31", 4}, {"1:4", 0}, {"1:", 0}, {"", 0}};
    for (const Row& row : rows)
        EXPECT_EQ(reader::lineOfKey(t.s(), row.key), row.line) << row.key;
}

TEST(BookLanguage, TheDivisionWhoseListHoldsTheBook) {
    testing_support::TestProgram t;
    t.write("BOOKS.SEL", "OLD.STX@.Historic Books\r\nNEW.STX@.The Gospels\r\n"
                         "PLAIN.STX@Essays\r\nGONE.STX@OLD Testament\r\n");
    t.write("OLD.STX", "GEN@Genesis\r\nexo.txv@Exodus\r\n\r\nLEV@after the empty line\r\n");
    t.write("NEW.STX", "JOH@John\r\n@no key\r\n");
    t.write("PLAIN.STX", "ESS@Essays\r\nMAT@Matthew, as an essay\r\n");
    t.write("TOPICS.SEL", "TOPICS.PNV@.The Gospels in topics\r\n");
    t.write("TOPICS.PNV", "Faith@mar 1:1\\\r\n");
    t.s().StartKeys[0] = "BOOKS.SEL";
    t.s().StartKeys[1] = "TOPICS.SEL";
    t.s().StartKeys[2] = "QCELLS.SNV";
    t.s().StartKeys[3] = "MISSING.SEL";
    struct Row {
        const char* book;
        const char* language;
    } rows[] = {
        {"GEN.TXV", "Heb"}, {"EXO.TXV", "Heb"}, {"gen.txv", "Heb"}, {"JOH.TXV", "Grk"},
        {"LEV.TXV", ""},    {"ESS.TXV", ""},    {"MAR.TXV", ""},    {"MAT.TXV", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(catalogue::bookLanguage(*t.p, row.book), row.language) << row.book;
    EXPECT_TRUE(t.dialogs.shown.empty());
}
