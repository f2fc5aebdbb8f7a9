#include <gtest/gtest.h>

#include <filesystem>

#include "formats/clicked_word.h"
#include "study/frm_text3.h"
#include "study/word_def.h"
#include "test_study_files.h"
#include "test_support.h"

namespace {

using formats::clickedWord;
using formats::WordLookup;

using testing_study::dictionary;
using testing_study::openFiles;

// The parallel window of a Greek Bible book with a few dictionaries.
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
    // A click in box with the caret after caret characters.
    static void clickAt(ui::TextBox& box, int caret) {
        box.setSelStart(caret);
        box.click();
    }
};

} // namespace

TEST(ClickedWord, CutsTheWordAroundTheCaret) {
    struct Row {
        const char* text;
        size_t caret;
        bool bracket;
        const char* lang;
        WordLookup::Outcome outcome;
        const char* file;
        const char* key;
    };
    const Row rows[] = {
        // A root word followed by a comma; the language comes from its prefix.
        {"see G[logos], also", 7, true, "Heb", WordLookup::Found, "lgrkdict.txd", "logos"},
        // A word followed by a full stop, clicked on its last letter.
        {"and he said.", 11, false, "Grk", WordLookup::Found, "sgrkdict.txd", "said"},
        // The apostrophe before "]" stays in the key; after a blank too.
        {"root H[ab'] here", 8, true, "Grk", WordLookup::Found, "ahebdict.txd", "ab'"},
        {"x bara' y", 4, false, "Heb", WordLookup::Found, "bhebdict.txd", "bara'"},
        // Keys beginning with "'" or "-" are filed under their second letter, unchanged.
        {"the 'ayin sign", 6, false, "Heb", WordLookup::Found, "ahebdict.txd", "'ayin"},
        {"x -nun", 4, false, "Heb", WordLookup::Found, "nhebdict.txd", "-nun"},
        // Greek q, u, v and y words are in the Hebrew files; Hebrew ones stay there.
        {"quo", 1, false, "Grk", WordLookup::Found, "qhebdict.txd", "quo"},
        {"upo", 1, false, "Grk", WordLookup::Found, "uhebdict.txd", "upo"},
        {"vav", 1, false, "Grk", WordLookup::Found, "vhebdict.txd", "vav"},
        {"qara Yesu", 7, false, "Grk", WordLookup::Found, "yhebdict.txd", "yesu"},
        {"qara", 2, false, "Heb", WordLookup::Found, "qhebdict.txd", "qara"},
        // x: Greek has a file, Hebrew none.
        {"xenos", 3, false, "Grk", WordLookup::Found, "xgrkdict.txd", "xenos"},
        {"xenos", 3, false, "Heb", WordLookup::NoDictionary, "", ""},
        {"fish jot word", 2, false, "Grk", WordLookup::NoDictionary, "", ""},
        {"fish jot word", 7, false, "Grk", WordLookup::NoDictionary, "", ""},
        {"fish jot word", 11, false, "Grk", WordLookup::NoDictionary, "", ""},
        // A click just after a blank takes the word before it.
        {"logos kai", 6, false, "Grk", WordLookup::Found, "lgrkdict.txd", "logos"},
        {"logos kai", 7, false, "Grk", WordLookup::Found, "kgrkdict.txd", "kai"},
        // The caret at the very start takes nothing; after the last letter, the last word.
        {"logos kai", 0, false, "Grk", WordLookup::NotAWord, "", ""},
        {"logos kai", 9, false, "Grk", WordLookup::Found, "kgrkdict.txd", "kai"},
        // Under the bracket rule "(" keeps the "[" out of the first three characters.
        {"a (G[logos]) b", 6, true, "Grk", WordLookup::NoResponse, "", ""},
        {"a (G[logos]) b", 6, false, "Grk", WordLookup::Found, "lgrkdict.txd", "logos"},
        {"plain words", 3, true, "Grk", WordLookup::NoResponse, "", ""},
        // At the start of the text there is no blank before the root word.
        {"G[logos] x", 3, true, "", WordLookup::Found, "lgrkdict.txd", "logos"},
        {"G[logos x", 3, true, "Grk", WordLookup::NoResponse, "", ""},
        // A leading ">" or quote goes, capitals are lowered, two final marks at most go.
        {">Logos here", 3, false, "Grk", WordLookup::Found, "lgrkdict.txd", "logos"},
        {"a \"Logos\" b", 4, false, "Grk", WordLookup::Found, "lgrkdict.txd", "logos"},
        {"said.)) x", 2, false, "Grk", WordLookup::Found, "sgrkdict.txd", "said."},
        // Without a language the file is the letter and "dict".
        {"plain", 2, false, "", WordLookup::Found, "pdict.txd", "plain"},
        // Marks alone are no word.
        {"a ... b", 3, false, "Grk", WordLookup::NoDictionary, "", ""},
        {"a -- b", 3, false, "Grk", WordLookup::NotAWord, "", ""},
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

TEST(ClickedWord, TheWordReachesPastLineBreaksOnlyToItsBlank) {
    // Notes are lines joined by CR LF: a root word at a line's end still
    // ends at its "]".
    const std::string notes = "first G[lego]\r\nsecond line";
    const WordLookup found = clickedWord(notes, notes.find("lego"), true, "Heb");
    EXPECT_EQ(found.outcome, WordLookup::Found);
    EXPECT_EQ(found.file, "lgrkdict.txd");
    EXPECT_EQ(found.key, "lego");
    // A caret beyond the text is no click on a word.
    EXPECT_EQ(clickedWord("ab", 3, false, "Grk").outcome, WordLookup::NotAWord);
}

TEST(WordDefinition, RootWordOfTheNotesBoxShowsInTheVerseBox) {
    Study t;
    Study::clickAt(t.w.Text32, 14);
    // A plain word of the notes box does not respond.
    Study::clickAt(t.w.Text33, 3);
    EXPECT_EQ(t.w.Text32.text(), "en arche en logos kai");
    Study::clickAt(t.w.Text33, 24); // in "G[lego];"
    EXPECT_EQ(t.w.Text32.text(), "lego: to say");
    EXPECT_TRUE(t.s().DefShown);
    EXPECT_EQ(t.s().SavedText32, "en arche en logos kai");
    // While the verse box shows a definition only its root words respond.
    t.w.Text32.setText("see H[ab'] and logos");
    Study::clickAt(t.w.Text32, 16);
    EXPECT_EQ(t.w.Text33.text(), "logos: a word, from G[lego]; speech");
    Study::clickAt(t.w.Text32, 6);
    EXPECT_EQ(t.w.Text33.text(), "ab': father");
}

// Each box answers by the kind and mode of the verse's book, taken with the
// verse: the catalogue moving on to another list changes nothing.
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
        // The lists move on: the window keeps its book's kind and mode.
        t.s().BookKind = row.verseBox ? "PNV" : "STX";
        t.s().BibleMode = !row.bible;
        Study::clickAt(t.w.Text32, 14);
        EXPECT_EQ(t.w.Text33.text() != "the notes", row.verseBox) << row.name;
        EXPECT_EQ(t.w.btnClear.Visible, row.verseBox) << row.name;
        t.w.Text33.setText("from G[lego];");
        Study::clickAt(t.w.Text33, 8);
        EXPECT_EQ(t.s().DefShown, row.notesBox) << row.name;
        // The current list's mode is back after each click.
        EXPECT_EQ(t.s().BibleMode, !row.bible) << row.name;
    }
}

TEST(WordDefinition, FailedLookupsChangeNothingAndCloseTheirFile) {
    Study t;
    // "kai": no such file; "arche": a file without the key; "en": an
    // offset past the end; "logos" in a file whose offset has no "<" after it.
    t.write("agrkdict.txd", dictionary({"agape: love"}));
    t.write("egrkdict.txd", "<en>900<\r\nen: in\r\n");
    const size_t before = openFiles();
    for (int caret : {19, 5, 1, 0}) {
        Study::clickAt(t.w.Text32, caret);
        EXPECT_EQ(t.w.Text33.text(), "the notes") << caret;
        EXPECT_FALSE(t.w.btnClear.Visible) << caret;
        EXPECT_EQ(openFiles(), before) << caret;
    }
    t.write("lgrkdict.txd", "<logos>1\r\nlogos: unreachable\r\n");
    Study::clickAt(t.w.Text32, 14);
    EXPECT_EQ(t.w.Text33.text(), "the notes");
    t.write("lgrkdict.txd", "");
    Study::clickAt(t.w.Text32, 14);
    EXPECT_EQ(t.w.Text33.text(), "the notes");
    EXPECT_EQ(openFiles(), before);
    // A good lookup afterwards works and leaves no file open either.
    t.write("lgrkdict.txd", dictionary({"logos: a word"}));
    Study::clickAt(t.w.Text32, 14);
    EXPECT_EQ(t.w.Text33.text(), "logos: a word");
    EXPECT_EQ(openFiles(), before);
}

TEST(WordDefinition, DictionaryNamesMatchWithoutRegardToCase) {
    Study t;
    std::filesystem::remove(t.dir / "lgrkdict.txd");
    t.write("LGRKDICT.TXD", dictionary({"logos: in capitals"}));
    Study::clickAt(t.w.Text32, 14);
    EXPECT_EQ(t.w.Text33.text(), "logos: in capitals");
    EXPECT_EQ(study::readDictionaryLine(*t.p, "lgrkdict.txd", "logos"), "logos: in capitals");
    EXPECT_EQ(study::readDictionaryLine(*t.p, "lgrkdict.txd", "log"), std::nullopt);
    EXPECT_EQ(study::readDictionaryLine(*t.p, "../lgrkdict.txd", "logos"), std::nullopt);
}
