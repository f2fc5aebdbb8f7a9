// The catalogue: gathered passages, topic grids, third-level lists, a book's language.
#include <gtest/gtest.h>

#include "book_builder.h"
#include "catalogue/book_language.h"
#include "catalogue/dispatch.h"
#include "catalogue/frm_select.h"
#include "catalogue/passages.h"
#include "formats/book_file.h"
#include "formats/passage_refs.h"
#include "test_support.h"

namespace {

// A book of one page of lines "1:i>text", only the first indexed.
std::string longPage(int lines, const std::string& text) {
    std::vector<testing_books::BodyLine> body;
    for (int i = 1; i <= lines; ++i)
        body.push_back({"1:" + std::to_string(i) + ">" + text, i == 1});
    return testing_books::makeBook(body);
}

size_t countOf(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

} // namespace

// Gathering stops before an entry once past 32000 characters; the one crossing is whole.
TEST(GatherPassages, StopsOncePastThirtyTwoThousandCharacters) {
    testing_support::TestProgram t;
    // Each verse gathers as its text, " (b 1:N)" and a blank line: 8000 characters.
    std::vector<testing_books::BodyLine> body;
    std::vector<std::string> entries;
    for (int verse = 1; verse <= 6; ++verse) {
        const std::string key = "1:" + std::to_string(verse);
        body.push_back({key + ">" + std::string(7988, static_cast<char>('a' + verse))});
        entries.push_back("b " + key + "\\1");
    }
    t.write("B.TXV", testing_books::makeBook(body));
    ASSERT_TRUE(catalogue::gatherPassages(*t.p, entries));
    // After four entries the text is exactly 32000 characters, not past it: the fifth is taken.
    EXPECT_EQ(t.s().PageText.size(), 40000u);
    EXPECT_NE(t.s().PageText.find(" (b 1:5)\r\n\r\n"), std::string::npos);
    EXPECT_EQ(t.s().PageText.find("(b 1:6)"), std::string::npos);
    // One character more in the first verse puts the text past the limit after four.
    body[0].text += "a";
    t.write("B.TXV", testing_books::makeBook(body));
    ASSERT_TRUE(catalogue::gatherPassages(*t.p, entries));
    EXPECT_EQ(t.s().PageText.size(), 32001u);
    EXPECT_TRUE(t.dialogs.shown.empty());
}

// Counts are bounded, the text limit holds inside an entry; twenty digits do not overflow.
TEST(GatherPassages, HugeCountsAndOffsetsStayBounded) {
    testing_support::TestProgram t;
    const std::string line(200, 'a');
    t.write("GEN.TXV", longPage(1000, line));
    ASSERT_TRUE(catalogue::gatherPassages(*t.p, formats::passageEntries("gen 1:1-999999\\")));
    const size_t added = line.size() + std::string(" (gen 1:1000)\r\n\r\n").size();
    EXPECT_GT(t.s().PageText.size(), formats::kMaxPageChars);
    EXPECT_LE(t.s().PageText.size(), formats::kMaxPageChars + added);
    ASSERT_TRUE(catalogue::gatherPassages(*t.p, {"gen 1:1\\999999", "gen 1:1\\1"}));
    EXPECT_LE(t.s().PageText.size(), formats::kMaxPageChars + added);
    for (const std::string key :
         {"gen 1:0-99999999999999999999\\", "gen 1:,:99999999999999999999\\",
          "gen 1:99999999999999999999-3\\", "gen 1:1--99999999999999999999\\"}) {
        const auto entries = formats::passageEntries(key);
        ASSERT_EQ(entries.size(), 1u) << key;
        EXPECT_LE(formats::parsePassageEntry(entries[0])->lines, formats::kMaxPassageLines);
    }
    t.write("GEN.TXV", "<1:1>99999999999999999999<1:2>12*\r\n1:1>First\r\n1:2>Second\r\n \r\n");
    EXPECT_TRUE(catalogue::gatherPassages(*t.p, {"gen 1:1\\1", "gen 1:2\\1"}));
    EXPECT_EQ(t.s().PageText, "Second (gen 1:2)\r\n\r\n");
    // Lines from a topic grid's own book carry no reference: only the line bound ends them.
    t.s().SelectForm = "frmSelectA";
    t.write("QCELLS.TXV", longPage(3000, "v"));
    ASSERT_TRUE(catalogue::gatherPassages(*t.p, {"qcells 1:1\\999999"}));
    EXPECT_EQ(countOf(t.s().PageText, "v\r\n"), static_cast<size_t>(formats::kMaxPassageLines));
    ASSERT_TRUE(catalogue::gatherPassages(*t.p, {"qcells 1:1\\3"}));
    EXPECT_EQ(countOf(t.s().PageText, "v\r\n"), 3u);
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST(TopicGrid, UpOneLevelOverCellZeroAndTopicsInSortedOrder) {
    testing_support::TestProgram t;
    catalogue::FrmSelect& grid = t.p->frmSelectA();
    ui::TextBox& cell0 = *grid.Cell[0];
    EXPECT_GT(grid.btnBack.zOrder(), cell0.zOrder());
    // Something raised the cell while the window was hidden.
    grid.hide();
    cell0.bringToFront();
    grid.show();
    EXPECT_GT(grid.btnBack.zOrder(), cell0.zOrder());
    // The topics fill cells 1 to 38 in sorted order, letter case aside.
    std::string list = "b topic<gen 1:1\\\r\n A topic<gen 1:2\\\r\nno target\r\n";
    for (int i = 10; i < 50; ++i)
        list += "t" + std::to_string(i) + "<gen " + std::to_string(i) + ":1\\\r\n";
    t.write("QCELLS.SNV", list);
    catalogue::startDispatch(*t.p, "QCELLS.SNV", 0);
    EXPECT_EQ(t.s().FindAllLast, 38);
    EXPECT_EQ(grid.Cell[1]->text(), " A topic");
    EXPECT_EQ(t.s().FindAllFiles[1], "gen 1:2\\");
    EXPECT_EQ(grid.Cell[2]->text(), "b topic");
    EXPECT_EQ(grid.Cell[38]->text(), "t45");
}

// Lists fill all 901 Find All slots; book catalogues keep two for their closing entries.
TEST(ThirdLevelList, HoldsUpTo901ItemsAndGivesItsBooksTheirLanguage) {
    testing_support::TestProgram t;
    std::string list;
    for (int i = 0; i < 950; ++i)
        list += "B" + std::to_string(i) + "@Book " + std::to_string(i) + "\r\n";
    t.write("MANY.STX", list);
    t.s().List1Keys[0] = "MANY.STX";
    t.s().BookLists = false;
    catalogue::list1Dispatch(*t.p, "Many books", 0);
    EXPECT_EQ(t.s().FindAllLast, 900);
    EXPECT_EQ(t.s().FindAllFiles[900], "B900");
    t.s().BookLists = true;
    catalogue::list1Dispatch(*t.p, "Many books", 0);
    EXPECT_EQ(t.s().FindAllLast, 900);
    EXPECT_EQ(t.s().FindAllFiles[898], "B898");
    EXPECT_EQ(t.s().FindAllFiles[899], "");
    EXPECT_EQ(t.s().FindAllFiles[900], "( Searched by Find All )");
    // A book's language is its Bible division's; grids and missing lists are passed over.
    t.write("BOOKS.SEL", "OLD.STX@.Historic Books\r\nNEW.STX@.The Gospels\r\n"
                         "PLAIN.STX@Essays\r\nGONE.STX@OLD Testament\r\n");
    t.write("OLD.STX", "GEN@Genesis\r\nexo.txv@Exodus\r\n\r\nLEV@after the empty line\r\n");
    t.write("NEW.STX", "JOH@John\r\n@no key\r\n");
    t.write("PLAIN.STX", "ESS@Essays\r\nMAT@Matthew, as an essay\r\n");
    t.write("TOPICS.SEL", "TOPICS.PNV@.The Gospels in topics\r\n");
    t.write("TOPICS.PNV", "Faith@mar 1:1\\\r\n");
    const char* starts[] = {"BOOKS.SEL", "TOPICS.SEL", "QCELLS.SNV", "MISSING.SEL"};
    for (size_t i = 0; i < 4; ++i)
        t.s().StartKeys[i] = starts[i];
    for (const auto& [book, language] :
         {std::pair{"GEN.TXV", "Heb"}, std::pair{"EXO.TXV", "Heb"}, std::pair{"gen.txv", "Heb"},
          std::pair{"JOH.TXV", "Grk"}, std::pair{"LEV.TXV", ""}, std::pair{"ESS.TXV", ""},
          std::pair{"MAR.TXV", ""}, std::pair{"MAT.TXV", ""}})
        EXPECT_EQ(catalogue::bookLanguage(*t.p, book), language) << book;
    EXPECT_TRUE(t.dialogs.shown.empty());
}
