// The parallel verse window: a verse's notes, its boxes, and the words clicked there.
#include <gtest/gtest.h>

#include <filesystem>

#include "book_builder.h"
#include "formats/clicked_word.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_text1.h"
#include "reader/page_loader.h"
#include "study/frm_text3.h"
#include "study/show_verse.h"
#include "study/word_def.h"
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

// Notes in the order of the first fifty keys, missing ones left out; no file left open.
TEST(VerseNotes, MissingNotesAreLeftOutAndTheFileIsClosed) {
    Bible t;
    const size_t before = testing_study::openFiles();
    EXPECT_EQ(t.notes("zz,b,,a"), "Note B without label\r\n>Note A\r\n");
    std::string keys;
    for (int i = 0; i < 50; ++i)
        keys += "zz,";
    EXPECT_EQ(t.notes(keys + "a"), "");
    EXPECT_EQ(t.notes(keys.substr(3) + "a"), ">Note A\r\n");
    for (const auto& [file, notes] :
         {std::pair{"<a>1<b>5000*\r\na>Note A\r\n", ">Note A\r\n"}, std::pair{"", ""},
          std::pair{"no index at all\r\n", ""}, std::pair{"<a>x*\r\na>Note A\r\n", ""}}) {
        t.write("BKCOM.TXV", file);
        EXPECT_EQ(t.notes("b,a"), notes) << file;
    }
    std::filesystem::remove(t.dir / "BKCOM.TXV");
    EXPECT_EQ(t.notes("a"), "");
    EXPECT_EQ(testing_study::openFiles(), before);
}

// A verse without keys leaves the buttons; one outside the page's lines shows nothing. Set
// Bkmark needs a key in the heading.
TEST(ShowVerse, FillsTheThreeBoxesAndTheSavedTexts) {
    Bible t;
    t.s().BookTitle = "Book";
    t.w.takePage();
    t.s().DefShown = true;
    t.w.btnClear.setVisible(true);
    t.showAt(2);
    EXPECT_EQ(t.w.Text32.text(), "beta two");
    EXPECT_EQ(t.w.Text33.text(), "");
    EXPECT_EQ(t.s().SavedText32, "beta two");
    EXPECT_TRUE(t.w.btnClear.Visible);
    EXPECT_FALSE(t.s().DefShown);
    t.w.btnBkMrk.mouseUp(ui::MouseButton::Left);
    t.w.Text31.setText("no key here");
    t.w.btnBkMrk.mouseUp(ui::MouseButton::Left);
    EXPECT_EQ(t.p->frmBkMrk().lstBkMrk.items(), std::vector<std::string>{"Book--1:2"});
    for (long outside : {4L, -3L, 5000L}) {
        t.showAt(outside);
        EXPECT_EQ(t.w.Text31.text() + t.w.Text32.text() + t.w.Text33.text(), "") << outside;
    }
}

namespace {

using formats::clickedWord;
using formats::WordLookup;

using testing_study::dictionary;
using testing_study::openFiles;

struct Study : testing_support::TestProgram {
    study::FrmText3& w;
    Study() : w(p->frmText3()) {
        write("lgrkdict.txd", dictionary({"lego: to say", "logos: a word, from G[lego]; speech"}));
        write("ahebdict.txd", dictionary({"ab': father"}));
        s().BookKind = "STX";
        s().BibleMode = true;
        s().LangStem = "Grk";
        w.takePage();
        w.Text32.setText("en arche en logos kai");
        w.Text33.setText("the notes");
        s().SavedText32 = w.Text32.text();
        s().SavedText33 = w.Text33.text();
    }
    static void clickAt(ui::TextBox& box, int caret) {
        box.setSelStart(caret);
        box.click();
    }
};

} // namespace

TEST(ClickedWord, CutsTheWordAroundTheCaret) {
    const struct Row {
        const char* text;
        size_t caret;
        bool bracket;
        const char* lang;
        WordLookup::Outcome outcome;
        const char *file, *key;
    } rows[] = {
        {"see G[logos], also", 7, true, "Heb", WordLookup::Found, "lgrkdict.txd", "logos"},
        {"and he said.", 11, false, "Grk", WordLookup::Found, "sgrkdict.txd", "said"},
        // An apostrophe stays in the key; a leading "'" or "-" files under the second letter.
        {"root H[ab'] here", 8, true, "Grk", WordLookup::Found, "ahebdict.txd", "ab'"},
        {"x bara' y", 4, false, "Heb", WordLookup::Found, "bhebdict.txd", "bara'"},
        {"the 'ayin sign", 6, false, "Heb", WordLookup::Found, "ahebdict.txd", "'ayin"},
        {"x -nun", 4, false, "Heb", WordLookup::Found, "nhebdict.txd", "-nun"},
        {"fish jot word", 7, false, "Grk", WordLookup::NoDictionary, "", ""},
        // Just after a blank, the word before.
        {"logos kai", 6, false, "Grk", WordLookup::Found, "lgrkdict.txd", "logos"},
        {"logos kai", 7, false, "Grk", WordLookup::Found, "kgrkdict.txd", "kai"},
        {"logos kai", 9, false, "Grk", WordLookup::Found, "kgrkdict.txd", "kai"},
        // The bracket rule wants "[" in the first three characters.
        {"a (G[logos]) b", 6, true, "Grk", WordLookup::NoResponse, "", ""},
        {"a (G[logos]) b", 6, false, "Grk", WordLookup::Found, "lgrkdict.txd", "logos"},
        {"plain words", 3, true, "Grk", WordLookup::NoResponse, "", ""},
        {"G[logos] x", 3, true, "", WordLookup::Found, "lgrkdict.txd", "logos"},
        {"G[logos x", 3, true, "Grk", WordLookup::NoResponse, "", ""},
        // Leading ">" or quote and two final marks at most go; capitals are lowered.
        {">Logos here", 3, false, "Grk", WordLookup::Found, "lgrkdict.txd", "logos"},
        {"a \"Logos\" b", 4, false, "Grk", WordLookup::Found, "lgrkdict.txd", "logos"},
        {"said.)) x", 2, false, "Grk", WordLookup::Found, "sgrkdict.txd", "said."},
        {"a ... b", 3, false, "Grk", WordLookup::NoDictionary, "", ""},
        {"a -- b", 3, false, "Grk", WordLookup::NotAWord, "", ""},
        {"first G[lego]\r\nsecond line", 8, true, "Heb", WordLookup::Found, "lgrkdict.txd", "lego"},
    };
    for (const Row& r : rows) {
        const WordLookup found = clickedWord(r.text, r.caret, r.bracket, r.lang);
        SCOPED_TRACE(std::string(r.text) + " @" + std::to_string(r.caret));
        EXPECT_EQ(found.outcome, r.outcome);
        EXPECT_EQ(found.file, r.file);
        if (r.outcome == WordLookup::Found) {
            EXPECT_EQ(found.key, r.key);
        }
    }
}

// Each box answers by the kind and mode of the verse's book, whatever list is current.
TEST(WordDefinition, EachBoxAnswersOnlyInItsKindOfBook) {
    struct Row {
        const char* name;
        const char* kind;
        bool bible;
        bool verseBox, notesBox;
    } rows[] = {
        {"a Bible division", "STX", true, true, true},
        {"a topic list", "PNV", true, false, true},
        {"another book list", "STX", false, true, false},
    };
    for (const Row& row : rows) {
        Study t;
        t.s().BookKind = row.kind;
        t.s().BibleMode = row.bible;
        t.w.takePage();
        t.s().BookKind = row.verseBox ? "PNV" : "STX";
        t.s().BibleMode = !row.bible;
        Study::clickAt(t.w.Text32, 14);
        EXPECT_EQ(t.w.Text33.text() != "the notes", row.verseBox) << row.name;
        EXPECT_EQ(t.w.btnClear.Visible, row.verseBox) << row.name;
        t.w.Text33.setText("from G[lego];");
        Study::clickAt(t.w.Text33, 8);
        EXPECT_EQ(t.s().DefShown, row.notesBox) << row.name;
        EXPECT_EQ(t.s().BibleMode, !row.bible) << row.name;
    }
}

TEST(WordDefinition, FailedLookupsChangeNothingAndCloseTheirFile) {
    Study t;
    // No file, no key, an offset past the end, then an empty file.
    t.write("agrkdict.txd", dictionary({"agape: love"}));
    t.write("egrkdict.txd", "<en>900<\r\nen: in\r\n");
    const size_t before = openFiles();
    for (int caret : {19, 5, 1, 0}) {
        Study::clickAt(t.w.Text32, caret);
        EXPECT_EQ(t.w.Text33.text(), "the notes") << caret;
        EXPECT_FALSE(t.w.btnClear.Visible) << caret;
        EXPECT_EQ(openFiles(), before) << caret;
    }
    t.write("lgrkdict.txd", "");
    Study::clickAt(t.w.Text32, 14);
    EXPECT_EQ(t.w.Text33.text(), "the notes");
    EXPECT_EQ(openFiles(), before);
    // A good lookup afterwards; a key found whole, in the data folder only.
    t.write("lgrkdict.txd", dictionary({"logos: a word"}));
    Study::clickAt(t.w.Text32, 14);
    EXPECT_EQ(t.w.Text33.text(), "logos: a word");
    EXPECT_EQ(openFiles(), before);
    EXPECT_EQ(study::readDictionaryLine(*t.p, "lgrkdict.txd", "log"), std::nullopt);
    EXPECT_EQ(study::readDictionaryLine(*t.p, "../lgrkdict.txd", "logos"), std::nullopt);
}
