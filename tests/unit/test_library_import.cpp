#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "formats/list_syntax.h"
#include "library/check.h"
#include "library/imp_reader.h"
#include "library/import.h"
#include "library/import_parts.h"
#include "library/index_line.h"
#include "library/text1252.h"

namespace fs = std::filesystem;

namespace {

std::string fileText(const fs::path& p) {
    return library::readWholeFile(p.string()).value_or("<missing>");
}

// The body line of a library file that starts with prefix.
std::string lineStarting(const fs::path& p, const std::string& prefix) {
    std::istringstream in(fileText(p));
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(prefix, 0) == 0)
            return line.substr(0, line.size() - (line.empty() || line.back() != '\r' ? 0 : 1));
    return "<none>";
}

// The small exports in tests/fixtures/import, imported once.
struct Imported : ::testing::Test {
    static fs::path out;
    static std::string report;
    static bool ok;
    static void SetUpTestSuite() {
        char tmpl[] = "/tmp/tessary-import-XXXXXX";
        out = mkdtemp(tmpl);
        library::ImportOptions options;
        options.out = out.string();
        options.sourceDir = TESSARY_FIXTURES "/import";
        std::ostringstream err;
        ok = library::importLibrary(options, err);
        report = err.str();
    }
    static void TearDownTestSuite() {
        std::error_code ec;
        fs::remove_all(out, ec);
    }
};
fs::path Imported::out;
std::string Imported::report;
bool Imported::ok = false;

} // namespace

TEST(FoldKey, TransliterationsBecomePlainKeys) {
    using library::foldKey;
    EXPECT_EQ(foldKey("lógos"), "logos");
    EXPECT_EQ(foldKey("rê'shîyth"), "re'shiyth");
    EXPECT_EQ(foldKey("\xE2\x80\x9B"
                      "ayin"),
              "'ayin");                                // reversed-comma ayin
    EXPECT_EQ(foldKey("ţâb\xC4\x83l"), "tabal");       // t-cedilla, a-breve
    EXPECT_EQ(foldKey("'Ăbîy 'Albôn"), "'abiy-albon"); // blanks become "-", runs collapse
    EXPECT_EQ(foldKey("Abbâ-"), "abba");               // never ends in "-"
    EXPECT_EQ(foldKey("-ginomai"), "ginomai");
    EXPECT_EQ(foldKey("ὁ 3"), ""); // Greek script and digits dropped
}

TEST(Windows1252, NearestLettersAndDroppedScript) {
    EXPECT_EQ(library::toWindows1252("caf\xC3\xA9 \xE2\x80\x94 \xE2\x80\xA6"), "caf\xE9 \x97 \x85");
    EXPECT_EQ(library::toWindows1252("\xC5\x8D\xC4\x93"), "oe"); // ō ē
    EXPECT_EQ(library::toWindows1252("\xD7\x90x"), "x");         // Hebrew letter dropped
    int dropped = 0;
    EXPECT_EQ(library::toWindows1252("a\xFF"
                                     "b\xC3",
                                     &dropped),
              "ab");
    EXPECT_EQ(dropped, 2);
    EXPECT_EQ(library::decodeEntities("&amp;&lt;x&gt;&#65;&bogus;"), "&<x>A&bogus;");
}

TEST(Entities, NumericOnesBecomeTheirCharacters) {
    using library::decodeEntities;
    int decoded = 0;
    // Quotation marks and a dash in UTF-8, which Windows-1252 has.
    EXPECT_EQ(decodeEntities("&#8220;a&#8221; &#x2014;&#X1F600;", &decoded),
              "\xE2\x80\x9C"
              "a\xE2\x80\x9D \xE2\x80\x94\xF0\x9F\x98\x80");
    EXPECT_EQ(decoded, 4);
    EXPECT_EQ(library::toWindows1252(decodeEntities("&#8220;a&#8221;&#233;")), "\x93"
                                                                               "a\x94\xE9");
    // Not characters: surrogates, beyond U+10FFFF, no digits, not a number.
    decoded = 0;
    EXPECT_EQ(decodeEntities("&#xD800;&#1114112;&#;&#x;&#12a;&# 1;", &decoded),
              "&#xD800;&#1114112;&#;&#x;&#12a;&# 1;");
    EXPECT_EQ(decoded, 0);
    // Decoding twice undoes a double escape.
    EXPECT_EQ(decodeEntities(decodeEntities("&amp;gt;")), ">");
}

TEST(DictionaryFiles, TheWordLookupDecidesTheFile) {
    using library::dictionaryFileFor;
    EXPECT_EQ(dictionaryFileFor("logos", 'G'), "lgrkdict.txd");
    EXPECT_EQ(dictionaryFileFor("'ab", 'H'), "ahebdict.txd");
    EXPECT_EQ(dictionaryFileFor("-ab", 'H'), "ahebdict.txd");
    EXPECT_EQ(dictionaryFileFor("huios", 'G'), "hgrkdict.txd");
    EXPECT_EQ(dictionaryFileFor("ulos", 'G'), "uhebdict.txd"); // Greek u, v, q, y: Hebrew files
    EXPECT_EQ(dictionaryFileFor("xenos", 'G'), "xgrkdict.txd");
    EXPECT_EQ(dictionaryFileFor("xaa", 'H'), "");
    EXPECT_EQ(dictionaryFileFor("wow", 'H'), "");
    EXPECT_EQ(dictionaryFileFor("'", 'H'), "");
}

TEST(IndexLine, BuildAndParseAgree) {
    const std::vector<std::string> body = {"1:1>first", "1:2>second", "2:1>third", " "};
    const std::string index =
        library::buildIndexLine(body, library::IndexEnd::Star, library::hasKey);
    EXPECT_EQ(index, "<1:1>1<1:2>12<2:1>24*");
    std::string error;
    auto entries = library::parseIndexLine(index, library::IndexEnd::Star, error);
    ASSERT_TRUE(entries) << error;
    ASSERT_EQ(entries->size(), 3u);
    EXPECT_EQ((*entries)[2].key, "2:1");
    EXPECT_EQ((*entries)[2].offset, 24);
    const std::string dict = library::buildIndexLineWith(
        {"ab: x", "ba: y"}, library::IndexEnd::Bracket, library::dictionaryLineKey);
    EXPECT_EQ(dict, "<ab>1<ba>8<");
    EXPECT_TRUE(library::parseIndexLine(dict, library::IndexEnd::Bracket, error));
    for (const char* bad : {"<1:1>1<1:2>x*", "<1:1>1", "no entries", "<1:1>1*junk", "<1:1<2"})
        EXPECT_FALSE(library::parseIndexLine(bad, library::IndexEnd::Star, error)) << bad;
}

TEST(ImpReader, EntriesAndTags) {
    auto entries = library::parseImp("$$$A 1:1\r\nline one\nline two\n$$$B\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].key, "A 1:1");
    EXPECT_EQ(entries[0].body, "line one\nline two");
    EXPECT_EQ(entries[1].line, 4);
    library::Tag t = library::parseTag("w lemma=\"strong:H1\" n='2'/");
    EXPECT_EQ(t.name, "w");
    EXPECT_TRUE(t.selfClosing);
    EXPECT_EQ(t.attr("lemma"), "strong:H1");
    EXPECT_EQ(t.attr("n"), "2");
    EXPECT_EQ(t.attr("emma"), "");
    EXPECT_EQ(library::stripMarkup("a <b>c</b> &amp; <unclosed"), "a c & <unclosed");
}

TEST_F(Imported, VersesCarryTheirWordsAndNotes) {
    ASSERT_TRUE(ok) << report;
    // Every tagged word in order, a repeated number too ("in blessing I
    // will bless" once lost its second word); the margin note comes before
    // the section of commentary, which covers verses 1 and 2 ("Verses 1-2").
    EXPECT_EQ(lineStarting(out / "GEN.TXV", "1:1>"),
              "1:1>In the beginning God God created the heaven.^ re'shiyth 'elohiym 'elohiym "
              "bara'<1");
    EXPECT_EQ(lineStarting(out / "GEN.TXV", "1:2>"), "1:2>And the earth was without form.^ <2,1");
    EXPECT_EQ(lineStarting(out / "GEN.TXV", "1:3>"), "1:3>And LORD said & it was so.^ 'elohiym<3");
    EXPECT_EQ(lineStarting(out / "GENCOM.TXV", "2>"),
              "2>Margin note, gen 1:2 without form: Heb. empty");
    EXPECT_NE(lineStarting(out / "GENCOM.TXV", "1>").find("gen 1:1-2"), std::string::npos);
    // A number without a dictionary word is reported, not written.
    EXPECT_EQ(lineStarting(out / "GEN.TXV", "2:1>"), "2:1>Thus the heavens were finished.^ <4,5");
    EXPECT_NE(report.find("Genesis 2:1: 1 word number(s) without a dictionary word"),
              std::string::npos);
    EXPECT_NE(report.find("G1: no transliteration"), std::string::npos);
}

TEST_F(Imported, HebrewTransliterationsSpellTheirWordsInLatinLetters) {
    ASSERT_TRUE(ok) << report;
    // The letter sin, written as a Greek omega with tonos in the source, is
    // "s" in the key, the heading and the verse words ("yiora'el" once).
    EXPECT_EQ(lineStarting(out / "yhebdict.txd", "yisra'el: "),
              "yisra'el: yisr\xE2'\xEAl (yis-raw-ale') H3478: he will rule as God: - Israel.");
    // A transliteration in Hebrew script cannot be a key: the pronunciation
    // field spells the word, and its verse word and root links are kept.
    EXPECT_EQ(lineStarting(out / "nhebdict.txd", "nebukadne"),
              "nebukadne'tstsar: neb\xFBkadne'tstsar neb\xFBkadre'ts\xF4r H5019: "
              "neb-oo-kad-nets-tsar' king of Babylon: - Nebuchadnezzar.");
    EXPECT_NE(report.find("H5019: transliteration unusable; key \"nebukadne'tstsar\" taken "
                          "from the pronunciation"),
              std::string::npos);
    EXPECT_EQ(lineStarting(out / "GEN.TXV", "2:2>"),
              "2:2>And Nebuchadnezzar rested in Israel.^ nebukadne'tstsar yisra'el<4,5");
    EXPECT_EQ(lineStarting(out / "bhebdict.txd", "bara': "),
              "bara': b\xE2r\xE2' (baw-raw') H1254: to create; as H[nebukadne'tstsar] in "
              "H[yisra'el].");
    for (const auto& entry : fs::directory_iterator(out))
        EXPECT_EQ(fileText(entry.path()).find("yiora"), std::string::npos) << entry.path();
}

TEST_F(Imported, HeadingSlotCommentaryOpensItsChapter) {
    ASSERT_TRUE(ok) << report;
    // The chapter's heading slot (Genesis 2:0) becomes a section before the
    // one of verse 1 and covers the chapter's verses like it.
    EXPECT_EQ(lineStarting(out / "GENCOM.TXV", "4>"),
              "4>Commentary, gen 2:1-2: Chapter 2 The rest of God.");
    // The last section of a chapter also covers the verses after the ones
    // its heading names, which no other section covers.
    EXPECT_EQ(lineStarting(out / "GENCOM.TXV", "5>"),
              "5>Commentary, gen 2:1-2: Verse 1 The work finished.");
    const std::string verse2 = lineStarting(out / "GEN.TXV", "2:2>");
    EXPECT_EQ(verse2.substr(verse2.rfind('<')), "<4,5");
    // The book's slot (its title) and chapter 1's (its introduction) join.
    EXPECT_EQ(lineStarting(out / "JOHCOM.TXV", "1>"),
              "1>Commentary, joh 1:1-2: John An introduction.");
    EXPECT_EQ(lineStarting(out / "JOHCOM.TXV", "2>"),
              "2>Commentary, joh 1:1-2: The Word was with God.");
    EXPECT_EQ(lineStarting(out / "JOH.TXV", "1:2>"), "1:2>The same was in the beginning.^ ho<1,2");
}

TEST_F(Imported, TheDivineNameMarkersOfAnotherFormatAreRead) {
    ASSERT_TRUE(ok) << report;
    // "\nd " opening a name its tag closes, "\nd LORD\+nd*" and a tag
    // closed by "\+nd*": the name is shown, the markers are not.
    EXPECT_EQ(lineStarting(out / "GEN.TXV", "3:1>"),
              "3:1>ALEPH.%Blessed is the LORD.^ 'elohiym yisra'el<6");
    EXPECT_EQ(lineStarting(out / "GENCOM.TXV", "6>"),
              "6>Margin note, gen 3:1 the\x85: Heb. of the LORD, the LORD");
    EXPECT_NE(report.find("divine-name markers 4"), std::string::npos) << report;
}

TEST_F(Imported, TitlesStandOnTheirOwnLinesAroundTheVerse) {
    ASSERT_TRUE(ok) << report;
    // A psalm's title, a heading in a verse's text and one in the chapter's
    // heading slot (ALEPH., above) stand before the verse, a subscription
    // after the chapter's last verse; "%" breaks the paragraph between them.
    EXPECT_EQ(lineStarting(out / "GEN.TXV", "4:1>"),
              "4:1>A Psalm of DAVID.%Sing unto him.^ 'elohiym re'shiyth");
    EXPECT_EQ(lineStarting(out / "GEN.TXV", "3:2>"),
              "3:2>BETH.%Who keeps \x93thy word\x94 \x97 all of it?^ ");
    EXPECT_EQ(lineStarting(out / "GEN.TXV", "3:3>"),
              "3:3>Amen.%Written to the Romans from Corinthus.^ bara'");
    EXPECT_NE(report.find("titles and headings 3, subscriptions 1"), std::string::npos) << report;
}

TEST_F(Imported, TheSummaryCountsWhatWasConverted) {
    ASSERT_TRUE(ok) << report;
    // Every tagged number is a word but H9999, which has no dictionary word;
    // every section is linked, those of the three heading slots too.
    EXPECT_NE(report.find("words 14 of 15 tagged; commentary sections 6, 6 linked to verses, 3 "
                          "heading slots"),
              std::string::npos)
        << report;
    // "&amp;", three numeric ones in the text, two and "&amp;gt;" in the index.
    EXPECT_NE(report.find("entities 7,"), std::string::npos) << report;
    EXPECT_EQ(report.find("numbers tagged"), std::string::npos) << report;
    EXPECT_EQ(report.find("linked to no verse"), std::string::npos) << report;
    // No entity, marker or UTF-8 letter of the sources reaches the library.
    std::ostringstream check;
    library::checkLibrary(out.string(), check);
    EXPECT_EQ(check.str().find("left in the text"), std::string::npos) << check.str();
}

TEST_F(Imported, ReferencesInCommentaryKeepTheirPunctuation) {
    ASSERT_TRUE(ok) << report;
    // No blank between a reference and what follows it ("1Jo 5:20 ." once).
    EXPECT_EQ(lineStarting(out / "GENCOM.TXV", "3>"),
              "3>Commentary, gen 1:3: Light is made, 1Jo 5:20. See (Ezek 12:1-16) too.");
}

TEST_F(Imported, DefinitionsLinkTheirRootWordsByTheNumberShown) {
    ASSERT_TRUE(ok) << report;
    EXPECT_EQ(lineStarting(out / "lgrkdict.txd", "logos: "),
              "logos: l\xF3gos (log'-os) G3056: from G[lego]; something said:--word.");
    // "H0430" in a Greek entry points at the Hebrew dictionary; a link after
    // "(" gets a blank so that a click on it responds.
    EXPECT_NE(lineStarting(out / "lgrkdict.txd", "lego: ").find("( H['elohiym])"),
              std::string::npos);
    // Every index offset points at its own line.
    const std::string text = fileText(out / "lgrkdict.txd");
    const size_t indexLen = text.find("\r\n") + 2;
    std::string error;
    auto entries =
        library::parseIndexLine(text.substr(0, indexLen - 2), library::IndexEnd::Bracket, error);
    ASSERT_TRUE(entries) << error;
    ASSERT_EQ(entries->size(), 2u);
    for (const library::IndexEntry& e : *entries)
        EXPECT_EQ(text.substr(indexLen + static_cast<size_t>(e.offset) - 1, e.key.size() + 2),
                  e.key + ": ");
    EXPECT_EQ(lineStarting(out / "rhebdict.txd", "re'shiyth: "),
              "re'shiyth: r\xEA'sh\xEEyth (ray-sheeth') H7225: the first: - beginning.");
}

TEST_F(Imported, TopicsBecomeBooksListsAndGrids) {
    ASSERT_TRUE(ok) << report;
    EXPECT_EQ(lineStarting(out / "NAVEF.TXV", "1:2>"), "1:2>General Ge 1:1-3; Joh 1:1");
    EXPECT_EQ(lineStarting(out / "NAVEF.TXV", "1:4>"), "1:4>See also>References: HOPE");
    // Entities become their characters; a doubly escaped ">" is a stray mark.
    EXPECT_EQ(lineStarting(out / "NAVEG.TXV", "1:3>"), "1:3>Shown \x93"
                                                       "freely\x94 Ge 1:2");
    EXPECT_EQ(lineStarting(out / "NAVEG.TXV", "1:5>"), "1:5>See also>References: FAITH");
    EXPECT_EQ(lineStarting(out / "QCELLS.TXV", "1:1>"), "1:1>Grace Of God: Given; Shown \x93"
                                                        "freely\x94; Promised.");
    // A whole chapter becomes its verses.
    EXPECT_EQ(lineStarting(out / "TOPICS.PNV", "Exemplified@"), "Exemplified@gen 2:1\\gen 1:1-3\\");
    EXPECT_EQ(lineStarting(out / "VERSES.PBD", ".General@"), ".General@gen 1:1\\");
    EXPECT_EQ(lineStarting(out / "QCELLS.SNV", "Grace"),
              "Grace Of God<qcells 1:1\\joh 1:2\\gen 1:2\\gen 1:3\\");
    // Only the books the source had are listed.
    EXPECT_EQ(fileText(out / "OLDHIST.STX"), "GEN@Genesis\r\n");
    EXPECT_NE(fileText(out / "BIBLIO.TXV")
                  .find("gen@Genesis, The First Book of Moses, called Genesis\r\n"),
              std::string::npos);
    EXPECT_EQ(fileText(out / "BIBLIO.TXV").substr(0, 26), "abbrev@Book Abbreviations\r");
}

TEST_F(Imported, QuestionsGatherThePassagesThatAnswerThem) {
    ASSERT_TRUE(ok) << report;
    // A passage list per question, the question shown and made the note; a
    // range is cut to the verses the source has, and a question none of whose
    // passages it has is left out.
    EXPECT_EQ(fileText(out / "QUESTIONS.PTQ"), "gen 1:1-3\\@Where does the world come from?\r\n"
                                               "joh 1:1-2\\@Who is the Word?\r\n");
    EXPECT_NE(fileText(out / "STUDY.SEL").find("\r\nQUESTIONS.PTQ@Questions\r\n"),
              std::string::npos);
    // No list of the library is of a kind whose items open nothing.
    for (const auto& entry : fs::directory_iterator(out)) {
        const std::string kind = formats::listKind(entry.path().filename().string());
        if (formats::isListKind(kind)) {
            EXPECT_NE(formats::itemsOpen(kind), formats::ItemsOpen::Nothing) << entry.path();
        }
    }
}

TEST_F(Imported, EachReferenceHasTheCommentaryOnItsFirstVerseAsNote) {
    ASSERT_TRUE(ok) << report;
    // The note is the first section of commentary the verse links, not a
    // margin note before it (gen 1:2 links "<2,1"); a reference without
    // commentary (gen 4:1, and gen 3:1 with a margin note only) is left out,
    // and so is a topic left without references (Hope).
    EXPECT_EQ(fileText(out / "REFS.PRE"),
              "@Faith\r\n"
              "gen 1:1-3\\@General>Commentary, gen 1:1-2: Chapter 1 Verses 1-2 The beginning of "
              "all things.\r\n"
              "gen 2:1\\@Exemplified>Commentary, gen 2:1-2: Chapter 2 The rest of God.\r\n"
              "@Love\r\n"
              "gen 1:2\\@Of the earth>Commentary, gen 1:1-2: Chapter 1 Verses 1-2 The beginning "
              "of all things.\r\n"
              "@Grace Of God\r\n"
              "joh 1:2\\@Given>Commentary, joh 1:1-2: John An introduction.\r\n"
              "gen 1:2\\@Shown \x93"
              "freely\x94>Commentary, gen 1:1-2: Chapter 1 Verses 1-2 The beginning of all "
              "things.\r\n"
              "gen 1:3\\@Promised>Commentary, gen 1:3: Light is made, 1Jo 5:20. See (Ezek "
              "12:1-16) too.\r\n");
    // Hope's references are listed with the topics all the same; a range
    // over two chapters ends with the first.
    EXPECT_NE(fileText(out / "TOPICS.PNV")
                  .find("\r\nHope@\r\nSung@gen 4:1\\\r\n"
                        "Blessed@gen 3:1\\gen 1:2-3\\\r\n"),
              std::string::npos)
        << fileText(out / "TOPICS.PNV");
}

TEST_F(Imported, EachTestamentIsOneListAfterTheDivisions) {
    ASSERT_TRUE(ok) << report;
    // The divisions keep their places; each testament follows, named with
    // the marker of its language and its first and last book.
    EXPECT_EQ(fileText(out / "BOOKS.SEL"), "OLDHIST.STX@.Historic Books\r\n"
                                           "OLDPOET.STX@.Poetical Books\r\n"
                                           "OLDPROP.STX@.Prophetic Books\r\n"
                                           "-----@-----------------------\r\n"
                                           "NEWGOSP.STX@.The Gospels and Acts\r\n"
                                           "NEWEPIS.STX@.The Epistles and Revelation\r\n"
                                           "-----@-----------------------\r\n"
                                           "OLDTEST.STX@OLD Testament: Genesis to Malachi\r\n"
                                           "NEWTEST.STX@NEW Testament: John\r\n");
    EXPECT_EQ(fileText(out / "OLDTEST.STX"), "GEN@Genesis\r\nMAL@Malachi\r\n");
    EXPECT_EQ(fileText(out / "NEWTEST.STX"), "JOH@John\r\n");
    EXPECT_EQ(fileText(out / "OLDPROP.STX"), "MAL@Malachi\r\n");
}

TEST_F(Imported, NoListItemOpensNothing) {
    ASSERT_TRUE(ok) << report;
    std::ostringstream check;
    library::checkLibrary(out.string(), check);
    EXPECT_EQ(check.str().find("open nothing"), std::string::npos) << check.str();
    EXPECT_EQ(check.str().find("opens nothing"), std::string::npos) << check.str();
    EXPECT_EQ(check.str().find("opens anything"), std::string::npos) << check.str();
}

TEST(Import, TwoImportsAreTheSameByteForByte) {
    std::vector<fs::path> outs;
    for (int run = 0; run < 2; ++run) {
        char tmpl[] = "/tmp/tessary-again-XXXXXX";
        outs.push_back(mkdtemp(tmpl));
        library::ImportOptions options;
        options.out = outs.back().string();
        options.sourceDir = TESSARY_FIXTURES "/import";
        std::ostringstream err;
        ASSERT_TRUE(library::importLibrary(options, err)) << err.str();
    }
    size_t files = 0;
    for (const auto& entry : fs::directory_iterator(outs[0])) {
        ++files;
        EXPECT_EQ(fileText(entry.path()), fileText(outs[1] / entry.path().filename()))
            << entry.path().filename();
    }
    EXPECT_EQ(files, static_cast<size_t>(
                         std::distance(fs::directory_iterator(outs[1]), fs::directory_iterator())));
    for (const fs::path& dir : outs) {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
}

TEST(Import, AMissingExportFailsCleanly) {
    library::ImportOptions options;
    options.out = "/tmp/tessary-import-never-written";
    options.sourceDir = "/nonexistent";
    std::ostringstream err;
    EXPECT_FALSE(library::importLibrary(options, err));
    EXPECT_NE(err.str().find("no export of module KJV"), std::string::npos);
    EXPECT_FALSE(fs::exists(options.out));
}

TEST(Import, OddSourceEntriesAreReportedNotFatal) {
    char tmpl[] = "/tmp/tessary-odd-XXXXXX";
    const fs::path dir = mkdtemp(tmpl);
    auto write = [&](const char* name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
    };
    write("KJV.imp", "$$$Genesis x:y\nbody\n$$$Genesis 1:1\n\n$$$Nowhere 1:1\ntext\n"
                     "$$$Genesis 1:2\nA <w lemma=\"strong:H\">word</w> <w lemma=\"strong:\n"
                     "$$$Genesis 1:3\n\xFF\xFE<note>unclosed note\n$$$Genesis 1:4\nplain < text\n");
    // A chapter too long for one page is written and reported.
    std::string longChapter;
    for (int v = 1; v <= 200; ++v)
        longChapter += "$$$Genesis 3:" + std::to_string(v) + "\n" + std::string(200, 'x') + "\n";
    // Psalm titles stay with the verse, section headings do not; a word
    // tagged in a heading is lost and reported.
    longChapter += "$$$Genesis 4:1\n<title canonical=\"true\">A Psalm.</title> <title "
                   "type=\"x-s\">Heading <w lemma=\"strong:H1\">x</w></title>Sing.\n";
    // A chapter heading slot whose chapter has no verses.
    longChapter += "$$$Genesis 5:0\n<title>GIMEL.</title>\n";
    write("KJV.imp", fileText(dir / "KJV.imp") + longChapter);
    write("StrongsGreek.imp", "$$$99999999999999\n<orth type=\"trans\">x</orth>\n$$$00001\n"
                              "<orth rend=\"bold\" type=\"trans\">\n$$$00002\n<ref>");
    // A transliteration in Hebrew script without a pronunciation has no key.
    write("StrongsHebrew.imp", "$$$1\n<orth type=\"trans\">ab</orth><def><ref>H</ref> "
                               "<ref>H99</ref></def>\n$$$2\n<orth type=\"trans\">\xD7\xA0"
                               "\xD7\x91</orth><pron></pron>\n");
    // "Verse 1 ,2" names two verses; verses 3 and 4 lie between two
    // sections and have none.
    write("MHCC.imp", "$$$Genesis 1:1\n<hi>Verses 1-99</hi> a\n$$$Genesis 9:9\nb\n"
                      "$$$Genesis 3:1\n<hi>Verse 1</hi> ,2 pair\n$$$Genesis 3:5\nfive\n");
    write("Nave.imp", "$$$A\n<ref osisRef=\"Gen.1.1-\">x</ref><ref osisRef=\"Nope.1.1\">y</ref>"
                      "<ref osisRef=\"Gen.999\">z</ref><lb/>\n$$$\n\n");
    library::ImportOptions options;
    options.out = (dir / "out").string();
    options.sourceDir = dir.string();
    std::ostringstream err;
    EXPECT_TRUE(library::importLibrary(options, err));
    EXPECT_NE(err.str().find("Genesis 1:1: a verse without text"), std::string::npos);
    EXPECT_NE(err.str().find("reference \"H99\" has no dictionary word"), std::string::npos);
    EXPECT_NE(err.str().find("H2: no transliteration"), std::string::npos);
    const std::string x200(200, 'x');
    EXPECT_EQ(lineStarting(dir / "out" / "GEN.TXV", "3:2>"), "3:2>" + x200 + "^ <2");
    EXPECT_EQ(lineStarting(dir / "out" / "GEN.TXV", "3:4>"), "3:4>" + x200 + "^ ");
    EXPECT_EQ(lineStarting(dir / "out" / "GEN.TXV", "3:5>"), "3:5>" + x200 + "^ <3");
    // A stray "<" becomes "("; a section claiming verses 1-99 ends with its
    // chapter, which it still covers.
    EXPECT_EQ(lineStarting(dir / "out" / "GEN.TXV", "1:4>"), "1:4>plain ( text^ <1");
    EXPECT_NE(err.str().find("GEN.TXV chapter 3: the page is over the reader's limits"),
              std::string::npos);
    EXPECT_EQ(lineStarting(dir / "out" / "GEN.TXV", "4:1>"), "4:1>A Psalm.%Sing.^ ");
    EXPECT_NE(err.str().find("Genesis 4:1: 1 numbers tagged, 0 read"), std::string::npos);
    EXPECT_NE(err.str().find("Genesis 5:0: a chapter heading without verses"), std::string::npos);
    // The section of Genesis 9:9, a chapter the text lacks, reaches no verse.
    EXPECT_NE(err.str().find("Genesis 9:9: commentary section linked to no verse"),
              std::string::npos);
    std::error_code ec;
    fs::remove_all(dir, ec);
}
