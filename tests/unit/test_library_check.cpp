#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "book_builder.h"
#include "check_fixture.h"
#include "library/check.h"
#include "library/check_words.h"
#include "library/index_file.h"
#include "library/index_line.h"
#include "reader/page_loader.h"
#include "test_support.h"

namespace fs = std::filesystem;
using testing_check::faultsOf;
using testing_check::hasFault;
using testing_check::Lib;
using testing_check::lines;

TEST(LibraryCheck, TheCleanFixtureHasNoFaults) {
    Lib lib;
    int count = -1;
    EXPECT_EQ(lib.check(&count), "");
    EXPECT_EQ(count, 0);
}

TEST(LibraryCheck, IndexOffsetsMustReachTheStartOfTheirLine) {
    // <1:1>1<1:2>35<2:1>89* in WIS.TXV: plant one wrong offset at a time.
    struct Row {
        const char* offset;
        const char* message;
    };
    for (Row row :
         {Row{"36", "points inside line 3"}, Row{"999", "points past the end"},
          Row{"0", "is not a byte offset"}, Row{"1", "points at line 2, which begins \"1:1>"},
          Row{"3x", "is not a number"}}) {
        Lib lib;
        lib.edit("WIS.TXV", "<1:2>35", std::string("<1:2>") + row.offset);
        const std::string out = lib.check();
        EXPECT_FAULT(out, lib.at("WIS.TXV", "<1:2>", 5), row.message);
    }
}

TEST(LibraryCheck, BookIndexKeysInPageOrderFileOrderAndOnce) {
    Lib lib;
    const std::string good = lib.read("GEN.TXV");
    struct Row {
        std::string index, where, message;
    };
    const std::string body = good.substr(good.find('\n') + 1);
    for (const Row& row : {
             Row{"<1:1>1<2:1>201<1:2>87*", "<1:2>", "page 1 comes after page 2"},
             Row{"<1:1>1<1:3>143<1:2>87*", "<1:2>", "out of file order"},
             Row{"<1:1>1<1:2>87<1:1>1*", "<1:1>1*", "appears again in the index"},
             Row{"<1:1>1<1:2>87<a>1*", "<a>", "is not page:paragraph"},
             Row{"<1:1>1<01:2>87*", "<01:2>", "is not page:paragraph"},
             Row{"<1:1>1<1:2 87*", "<1:2", "index entry without \">\""},
             Row{"<1:1>1*<x", "<x", "text after the \"*\""},
             Row{"<1:1>1<1:2>87", "\r", "does not end with \"*\""},
         }) {
        lib.write("GEN.TXV", row.index + "\r\n" + body);
        const std::string out = lib.check();
        EXPECT_FAULT(out, lib.at("GEN.TXV", row.where), row.message) << row.index;
    }
}

TEST(LibraryCheck, BookBodyLinesMarkerAndPagesWithoutEntry) {
    Lib lib;
    using testing_books::makeBook;
    lib.write("WIS.TXV", makeBook({{"1:1>One"},
                                   {"no key here", false},
                                   {"3:1>Three"},
                                   {"2:1>Two", false},
                                   {"4:1>Four", false}},
                                  false));
    const std::string out = lib.check();
    EXPECT_FAULT(out, lib.at("WIS.TXV", "no key"), "line has no \">\"");
    EXPECT_FAULT(out, lib.at("WIS.TXV", "2:1>Two"), "a line of page 2 follows page 3");
    EXPECT_FAULT(out, lib.at("WIS.TXV", "4:1>"), "page 4 has no index entry");
    EXPECT_FAULT(out, lib.at("WIS.TXV", "4:1>"), "does not end with the end marker");
    EXPECT_FAULT(out, lib.at("WIS.TXV", "2:1>Two"), "page 2 has no index entry");
    // Nothing else in the book: the page order fault hides no page.
    EXPECT_EQ(faultsOf(out, "WIS.TXV:"), 5) << out;
}

TEST(LibraryCheck, AnEndMarkerInsideAPageHidesTheRestOfIt) {
    Lib lib;
    lib.write("WIS.TXV", testing_books::makeBook({{"1:1>One"}, {" ", false}, {"1:2>Two", false}}));
    EXPECT_FAULT(lib.check(), lib.at("WIS.TXV", "\n \r", 1),
                 "page 1 stops here, at the end marker; its lines up to line 4");
}

// The check must cut pages where the page loader does: the loader's line
// count of the page tells which line it stopped before.
TEST(LibraryCheck, PageCutsAgreeWithThePageLoader) {
    struct Row {
        bool bible;
        int lines;
        std::string text; // of every line after the first
        const char* message;
    };
    for (const Row& row :
         {Row{false, 2100, "", "more than 2000 lines"},
          Row{false, 40, std::string(1000, 'a'), "would pass 32000 characters"},
          Row{false, 200, std::string(600, 'a') + ">References:" + std::string(200, 'b'),
              "would pass 32000 characters"},
          Row{true, 100, std::string(500, 'a') + "^ " + std::string(500, 'b'),
              "would pass 32000 characters"}}) {
        // Keys after the first may repeat: only the first line is indexed.
        std::vector<testing_books::BodyLine> body{{"1:1>first"}};
        for (int i = 2; i <= row.lines; ++i)
            body.push_back(
                {"1:" + std::string(row.text.size() > 0 ? "2" : "") + ">" + row.text, false});
        const std::string name = row.bible ? "GEN.TXV" : "WIS.TXV";
        const std::string book = testing_books::makeBook(body);

        testing_support::TestProgram t;
        t.write(name, book);
        t.s().BibleMode = row.bible;
        ASSERT_TRUE(reader::showPage(*t.p, name, ""));
        ASSERT_LT(t.s().ParaCount, row.lines);

        Lib lib;
        lib.write(name, book);
        // The first line the loader left out: line 1 is the index.
        const std::string cut = name + ":" + std::to_string(t.s().ParaCount + 2) + ":";
        const std::string out = lib.check();
        EXPECT_NE(out.find(cut), std::string::npos) << cut << "\n" << out;
        EXPECT_NE(out.find(row.message), std::string::npos) << out;
    }
}

TEST(LibraryCheck, NotesFiles) {
    Lib lib;
    lib.edit("GEN.TXV", "tohu<3,", "tohu<3,,9");
    lib.reindex("GEN.TXV");
    lib.edit("GENCOM.TXV", "3>Without", "3 Without");
    lib.reindex("GENCOM.TXV");
    const std::string out = lib.check();
    EXPECT_FAULT(out, lib.at("GEN.TXV", "<3,,9", 3), "empty note key");
    EXPECT_FAULT(out, lib.at("GEN.TXV", "9\r"), "note key \"9\" is not in the index of GENCOM.TXV");
    EXPECT_FAULT(out, lib.at("GENCOM.TXV", "3 Without"), "note line has no \">\"");
    EXPECT_FAULT(out, lib.at("GEN.TXV", "<3,", 1),
                 "note key \"3\" is not in the index of GENCOM.TXV");

    // A missing notes file is reported once, where it is first needed.
    fs::remove(lib.dir / "JOHCOM.TXV");
    int count = 0;
    const std::string missing = lib.check(&count);
    EXPECT_FAULT(missing, lib.at("JOH.TXV", "logos<1", 6), "notes file JOHCOM.TXV is missing");
    EXPECT_EQ(missing.find("JOHCOM.TXV is missing", missing.find("JOHCOM.TXV is missing") + 1),
              std::string::npos);
}

TEST(LibraryCheck, DictionaryIndexOrderCaseAndLetterFile) {
    Lib lib;
    lib.write("hgrkdict.txd",
              lines({"<ho>1<houtos>10<hos>22<", "ho: the", "houtos: so", "hos: as"}));
    lib.write("tgrkdict.txd", lines({"<theos>1<Theos>10<quo>10<fos>10<", "theos: God"}));
    lib.write("agrkdict.txd", lines({"<arche>1", "arche: beginning"}));
    lib.write("ggrkdict.txd", lines({"<gar>1<gar>1<", "gar: for"}));
    const std::string out = lib.check();
    EXPECT_FAULT(out, lib.at("hgrkdict.txd", "<hos>"), "comes after \"houtos\"");
    EXPECT_FAULT(out, lib.at("tgrkdict.txd", "<Theos>"), "holds upper-case letters");
    EXPECT_FAULT(out, lib.at("tgrkdict.txd", "<quo>"),
                 "is in the wrong file: it is looked up in qhebdict.txd");
    EXPECT_FAULT(out, lib.at("tgrkdict.txd", "<fos>"), "is never looked up");
    EXPECT_FAULT(out, lib.at("agrkdict.txd", "1\r"), "does not end with \"<\"");
    EXPECT_FAULT(out, lib.at("ggrkdict.txd", "<gar>1<", 6), "appears again in the index");
}

TEST(LibraryCheck, DictionaryLinksResolveAsAClickWould) {
    Lib lib;
    lib.write("lgrkdict.txd", lines({"<lego>1<logos>15<", "lego: to say",
                                     "logos: see (G[arche]) G[zoe] G[lexis] H[lego G[arche]"}));
    const std::string out = lib.check();
    EXPECT_FAULT(out, lib.at("lgrkdict.txd", "(G[arche]"), "does not respond to a click");
    EXPECT_FAULT(out, lib.at("lgrkdict.txd", "G[zoe]"), "dictionary file zgrkdict.txd is missing");
    EXPECT_FAULT(out, lib.at("lgrkdict.txd", "G[lexis]"),
                 "looks up \"lexis\", which is not in lgrkdict.txd");
    EXPECT_FAULT(out, lib.at("lgrkdict.txd", "H[lego"), "it has no \"]\"");
    EXPECT_FALSE(hasFault(out, lib.at("lgrkdict.txd", " G[arche]", 1), ""));
}

TEST(LibraryCheck, BibleWordsAreKeysOfTheirDictionary) {
    Lib lib;
    // Hebrew division: "quo" goes to qhebdict.txd; a repeated unknown word is
    // one fault with its count.
    lib.edit("GEN.TXV", "bereshit bara", "bereshit brah brah quo fish 7 ,");
    lib.edit("JOH.TXV", "^ en arche", "^ en qara arche");
    lib.edit("GEN.TXV", "finished.^", "finished.");
    lib.reindex("GEN.TXV");
    lib.reindex("JOH.TXV");
    lib.write("qhebdict.txd", lines({"<qara>1<", "qara: to call"}));
    int count = 0;
    const std::string out = lib.check(&count);
    EXPECT_FAULT(out, lib.at("GEN.TXV", "brah"),
                 "word \"brah\" is not in bhebdict.txd (2 times in this file)");
    EXPECT_FAULT(out, lib.at("GEN.TXV", "quo"), "word \"quo\" is not in qhebdict.txd");
    EXPECT_FAULT(out, lib.at("GEN.TXV", "fish"),
                 "there is no dictionary for words beginning with \"f\"");
    EXPECT_FAULT(out, lib.at("GEN.TXV", "\n2:1>", 1), "verse has no \"^\"");
    // Greek q is filed under Hebrew; tokens without letters are no words.
    EXPECT_EQ(count, 4) << out;
}

TEST(LibraryCheckLookup, TheWordLookupRules) {
    using library::check::Lookup;
    using library::check::lookupWord;
    struct Row {
        std::string text;
        std::string word; // the clicked word
        bool bracket;
        std::string lang;
        Lookup::Outcome outcome;
        std::string file, key;
    };
    for (const Row& r : std::vector<Row>{
             {"see G[logos], also", "G[logos],", true, "Heb", Lookup::Found, "lgrkdict.txd",
              "logos"},
             {"and he said.", "said.", false, "Grk", Lookup::Found, "sgrkdict.txd", "said"},
             {"root H[ab'] here", "H[ab']", true, "Grk", Lookup::Found, "ahebdict.txd", "ab'"},
             {"the 'ayin sign", "'ayin", false, "Heb", Lookup::Found, "ahebdict.txd", "'ayin"},
             {"x -nun", "-nun", false, "Heb", Lookup::Found, "nhebdict.txd", "-nun"},
             {"qara Yesu", "Yesu", false, "Grk", Lookup::Found, "yhebdict.txd", "yesu"},
             {"xenos", "xenos", false, "Heb", Lookup::NoDictionary, "", ""},
             {"xenos", "xenos", false, "Grk", Lookup::Found, "xgrkdict.txd", "xenos"},
             {"a word", "word", false, "Grk", Lookup::NoDictionary, "", ""},
             {"plain", "plain", false, "", Lookup::Found, "pdict.txd", "plain"},
             {"a (G[word])", "(G[word])", true, "Grk", Lookup::NoResponse, "", ""},
             {"G[first] word", "G[first]", true, "", Lookup::NoDictionary, "", ""},
             {"a ... b", "...", false, "Grk", Lookup::NoDictionary, "", ""},
             {"a -- b", "--", false, "Grk", Lookup::NotAWord, "", ""},
             {"a \"Logos\" b", "\"Logos\"", false, "Grk", Lookup::Found, "lgrkdict.txd", "logos"},
         }) {
        const Lookup found = lookupWord(r.text, r.text.find(r.word), r.bracket, r.lang);
        EXPECT_EQ(found.outcome, r.outcome) << r.text;
        EXPECT_EQ(found.file, r.file) << r.text;
        if (r.outcome == Lookup::Found) {
            EXPECT_EQ(found.key, r.key) << r.text;
        }
    }
}

TEST(LibraryCheck, CatalogueItemsNameFilesThatExist) {
    Lib lib;
    lib.edit("STUDY.SEL", "ESSAYS.SXX@", "MISSING.PNV@Missing\r\nESSAYS.SXX@");
    lib.edit("BOOKS.SEL", "-----@-----", "NOSUCH.STX@.Historic Books");
    lib.edit("ESSAYS.SXX", "ESSAY1.TXT", "ESSAY9.TXT");
    lib.edit("WISDOM.STX", "WIS@", "WIS.TXV@");
    lib.edit("OLDHIST.STX", "GEN@Genesis", "GEN@Genesis\r\nEXO@Exodus");
    lib.write("INFO.SEL", lines({"HORVEL@About", "HELP@Help", "ESSAY1.TXT@x", "no separator"}));
    fs::remove(lib.dir / "HELP.TXV");
    // Names are matched without regard to case, as the program's folder does.
    fs::rename(lib.dir / "TOPICS.PNV", lib.dir / "topics.pnv");
    const std::string out = lib.check();
    EXPECT_FAULT(out, lib.at("BOOKS.SEL", "NOSUCH"), "missing list \"NOSUCH.STX\"");
    EXPECT_FAULT(out, lib.at("OLDHIST.STX", "EXO"), "missing book \"EXO.TXV\"");
    EXPECT_FAULT(out, lib.at("ESSAYS.SXX", "ESSAY9"), "missing text file \"ESSAY9.TXT\"");
    EXPECT_FAULT(out, lib.at("WISDOM.STX", "WIS"), "Find All searches \"WIS.TXV.TXV\"");
    EXPECT_FAULT(out, lib.at("INFO.SEL", "HELP"), "missing text file \"HELP.TXV\"");
    EXPECT_FAULT(out, lib.at("INFO.SEL", "ESSAY1"), "unknown kind \"TXT\"");
    EXPECT_FAULT(out, lib.at("INFO.SEL", "no separator"), "line has no \"@\"");
    EXPECT_FAULT(out, lib.at("STUDY.SEL", "MISSING"), "missing list \"MISSING.PNV\"");
    int count = 0;
    lib.check(&count);
    EXPECT_EQ(count, 8) << out;
    EXPECT_EQ(out.find("topics"), std::string::npos) << out;
    EXPECT_EQ(out.find("TOPICS"), std::string::npos) << out;
}

TEST(LibraryCheck, PassageReferencesResolveInTheirBook) {
    Lib lib;
    lib.write("TOPICS.PNV", lines({"Creation@", "Days@gen 1:1\\gen 1:9\\gen 7:1-3\\nob 1:1\\",
                                   "Broken@gen 1:1\\gen1:2\\gen 1:3\\", "Nothing@gen 1:1",
                                   "Backwards@gen 1:3-1\\", "", "After@gen 1:1\\"}));
    lib.write("VERSES.PBD",
              lines({"Genesis@", "No slash@gen 1:1", "Next@gen 1:2\\1", "Not dotted@gen 1:1\\"}));
    lib.write("QCELLS.SNV", lines({"Creation<gen 1:1\\", "no target", "A^b<gen 1:2\\"}));
    const std::string out = lib.check();
    EXPECT_FAULT(out, lib.at("TOPICS.PNV", "gen 1:9"), "\"<1:9>\" is not in the index of GEN.TXV");
    EXPECT_FAULT(out, lib.at("TOPICS.PNV", "gen 7:1-3"), "\"<7:1>\" is not in the index");
    EXPECT_FAULT(out, lib.at("TOPICS.PNV", "nob"), "missing book \"NOB.TXV\"");
    EXPECT_FAULT(out, lib.at("TOPICS.PNV", "gen1:2"),
                 "it and the references after it are never read");
    EXPECT_FAULT(out, lib.at("TOPICS.PNV", "gen 1:1\r"), "holds no reference ended by");
    EXPECT_FAULT(out, lib.at("TOPICS.PNV", "gen 1:3-1"), "reads no lines");
    EXPECT_FAULT(out, lib.at("TOPICS.PNV", "\r\n\r\n", 2), "the 1 lines after it are never shown");
    EXPECT_FAULT(out, lib.at("VERSES.PBD", "gen 1:1\r"),
                 "the program opens the next item's passage");
    EXPECT_FAULT(out, lib.at("VERSES.PBD", "gen 1:1\\\r"),
                 "does not begin with \".\": it opens nothing");
    EXPECT_FAULT(out, lib.at("QCELLS.SNV", "no target"), "line has no \"<\"");
    EXPECT_FAULT(out, lib.at("QCELLS.SNV", "A^b"), "the cell text holds \"^\"");
}

TEST(LibraryCheck, MissingStartListAndAbbreviations) {
    Lib lib;
    fs::remove(lib.dir / "START.SEL");
    fs::remove(lib.dir / "BIBLIO.TXV");
    const std::string out = lib.check();
    EXPECT_FAULT(out, "START.SEL", "missing: the start list stays empty");
    EXPECT_FAULT(out, "BIBLIO.TXV", "missing: the program ends at start");
    // Without a catalogue the books are still checked by their names.
    lib.edit("WIS.TXV", "<1:2>35", "<1:2>36");
    EXPECT_FAULT(lib.check(), lib.at("WIS.TXV", "<1:2>", 5), "points inside line 3");
}

TEST(LibraryCheck, LinesMustBeWindows1252Text) {
    struct Row {
        std::string bytes, message;
    };
    for (const Row& row :
         {Row{"\x81", "byte 0x81 is not a Windows-1252 character"}, Row{"\x9D", "byte 0x9D"},
          Row{std::string(1, '\0'), "NUL byte"}, Row{"\x07", "control character 0x07"},
          Row{"\r", "lone CR"}, Row{"\n", "lone LF"}}) {
        Lib lib;
        lib.write("ESSAY1.TXT", "Read slowly.\r\nRead " + row.bytes + "again.\r\n");
        int count = 0;
        const std::string out = lib.check(&count);
        EXPECT_FAULT(out, lib.at("ESSAY1.TXT", "Read " + row.bytes, 5), row.message);
        EXPECT_EQ(count, 1) << out;
    }
    Lib lib;
    lib.write("ESSAY1.TXT", "Tab\tand \x80uro \xE9t\xE9\r\nno end");
    EXPECT_EQ(lib.check(), lib.at("ESSAY1.TXT", "no end", 5) + ": the last line has no CR LF\n");
}

TEST(LibraryCheck, SourceMarkupLeftInTheText) {
    Lib lib;
    // What conversions once left: entities, divine-name markers, and the
    // Hebrew dictionary's omega for the letter sin still in UTF-8; markup
    // once per kind and file, with its count, UTF-8 once per line.
    lib.write("ESSAY1.TXT", lines({"To Joshua, &#8220;the captain&#x201D; &gt;here",
                                   "the word of the \\nd LORD, the \\nd LORD\\+nd*",
                                   "yi\xCF\x8Er\xE2'\xEAl and \xD7\xA9"}));
    int count = 0;
    const std::string out = lib.check(&count);
    EXPECT_FAULT(out, lib.at("ESSAY1.TXT", "&#8220;"),
                 "character entity \"&#8220;\" left in the text (3 times in this file)");
    EXPECT_FAULT(out, lib.at("ESSAY1.TXT", "\\nd"),
                 "source marker \"\\nd LO\" left in the text (3 times in this file)");
    EXPECT_FAULT(out, lib.at("ESSAY1.TXT", "\xCF"), "a UTF-8 character U+03CE (bytes CF 8E)");
    EXPECT_EQ(count, 3) << out;
    // Look-alikes that are text: "&c." and a lone "&", the "\" ending a
    // passage before the stem nah, Windows-1252 letters before ASCII.
    lib.write("ESSAY1.TXT",
              lines({"balm, &c.; salt & light; &#; &#x; &bogus;", "gen 1:1\\nah 1:1\\",
                     "na\xCFve 2\xD7"
                     "3"}));
    EXPECT_EQ(lib.check(), "");
}

// Whatever the files hold, the check ends and reports: truncated files,
// empty files, binary garbage, offsets far past the end.
TEST(LibraryCheck, NeverCrashesOnBrokenFiles) {
    const Lib clean;
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(clean.dir))
        names.push_back(e.path().filename().string());
    std::mt19937 random(7);
    for (int round = 0; round < 4; ++round) {
        Lib lib;
        for (const std::string& name : names) {
            std::string text = lib.read(name);
            if (round == 0)
                text.clear();
            else if (round == 1)
                text.resize(text.size() / 2 + 1);
            else if (round == 2)
                for (char& c : text)
                    c = static_cast<char>(random() % 256);
            else
                text = "<1:1>99999999999<2:1>-5<3:1>2147483648*\r\n1:1>x\r\n<<>>\r\n[G[";
            lib.write(name, text);
        }
        int count = 0;
        lib.check(&count);
        EXPECT_GT(count, 0) << round;
    }
    std::ostringstream out;
    EXPECT_EQ(library::checkLibrary("/nonexistent/tessary", out), 1);
}

TEST(Reindex, RebuildsBooksNotesAndDictionariesBodyUntouched) {
    Lib lib;
    for (const std::string name : {"GEN.TXV", "GENCOM.TXV", "lgrkdict.txd", "WIS.TXV"}) {
        const std::string good = lib.read(name);
        const std::string body = good.substr(good.find('\n') + 1);
        lib.write(name, "<1:1>5<9:9>77*\r\n" + body);
        std::ostringstream out;
        EXPECT_TRUE(library::reindexFiles({(lib.dir / name).string()}, out));
        EXPECT_EQ(lib.read(name), good) << name;
        EXPECT_NE(out.str().find("index rebuilt"), std::string::npos) << out.str();
    }
    EXPECT_EQ(lib.check(), "");
}

TEST(Reindex, BookEntriesOnlyForPageKeys) {
    Lib lib;
    lib.write("B.TXV",
              lines({"*", "1:1>a", "", "x>not a page", "01:2>leading zero", "1:a>b", " "}));
    std::ostringstream out;
    ASSERT_TRUE(library::reindexFiles({(lib.dir / "B.TXV").string()}, out));
    const std::string text = lib.read("B.TXV");
    std::string error;
    auto entries =
        library::parseIndexLine(text.substr(0, text.find('\r')), library::IndexEnd::Star, error);
    ASSERT_TRUE(entries) << error;
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ((*entries)[0].key, "1:1");
    EXPECT_EQ((*entries)[1].key, "1:a");
    EXPECT_EQ(text.substr(text.find('\n') + 1),
              lines({"1:1>a", "", "x>not a page", "01:2>leading zero", "1:a>b", " "}));
}

TEST(Reindex, LeavesMalformedFilesUnchanged) {
    Lib lib;
    struct Row {
        std::string content, message;
    };
    for (const Row& row :
         {Row{"1:1>lost index\r\n \r\n", "line 1 is not an index line"},
          Row{"*\r\n1:1>a\n \r\n", "line 2 ends with a lone LF"},
          Row{"*\r\n1:1>a\r \r\n", "lone CR"},
          Row{std::string("*\r\n1:1\0>a\r\n", 11), "NUL byte at byte 7"}, Row{"", "empty file"}}) {
        lib.write("B.TXV", row.content);
        std::ostringstream out;
        EXPECT_FALSE(library::reindexFiles({(lib.dir / "B.TXV").string()}, out));
        EXPECT_NE(out.str().find(row.message), std::string::npos) << out.str();
        EXPECT_NE(out.str().find("left unchanged"), std::string::npos);
        EXPECT_EQ(lib.read("B.TXV"), row.content);
    }
    fs::remove(lib.dir / "B.TXV");
    std::ostringstream out;
    EXPECT_FALSE(library::reindexFiles({(lib.dir / "NONE.TXV").string()}, out));
    EXPECT_NE(out.str().find("cannot be read"), std::string::npos);
    // One bad file does not stop the others.
    lib.write("GEN.TXV", "*" + lib.read("GEN.TXV").substr(lib.read("GEN.TXV").find('\r')));
    EXPECT_FALSE(library::reindexFiles(
        {(lib.dir / "NONE.TXV").string(), (lib.dir / "GEN.TXV").string()}, out));
    EXPECT_EQ(lib.check(), "");
}

TEST(Reindex, UpToDateAndMissingFinalLineEnd) {
    Lib lib;
    const std::string good = lib.read("JOH.TXV");
    std::ostringstream out;
    EXPECT_TRUE(library::reindexFiles({(lib.dir / "JOH.TXV").string()}, out));
    EXPECT_NE(out.str().find("already up to date, 2 entries"), std::string::npos) << out.str();
    EXPECT_EQ(lib.read("JOH.TXV"), good);
    lib.write("JOH.TXV", good.substr(0, good.size() - 2));
    EXPECT_TRUE(library::reindexFiles({(lib.dir / "JOH.TXV").string()}, out));
    EXPECT_NE(out.str().find("CR LF added"), std::string::npos) << out.str();
    EXPECT_EQ(lib.read("JOH.TXV"), good);
}

TEST(LibraryCheck, BooksTakeTheirTitleFromTheAbbreviations) {
    Lib lib;
    // The last entry is never read, and a stem matches any entry it begins.
    lib.write("BIBLIO.TXV",
              lines({"abbrev@Abbreviations", "genesis@Genesis", "john@John", "wis@Sayings"}));
    const std::string out = lib.check();
    EXPECT_FAULT(out, lib.at("OLDHIST.STX", "GEN"),
                 "takes its title from the abbreviation \"genesis=Genesis\"");
    EXPECT_FAULT(out, lib.at("WISDOM.STX", "WIS"),
                 "its entry is the last one, which is never read");
    EXPECT_FAULT(out, lib.at("NEWGOSP.STX", "JOH"), "takes its title");
}
