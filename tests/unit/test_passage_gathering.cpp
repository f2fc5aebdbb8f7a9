#include <gtest/gtest.h>

#include "book_builder.h"
#include "catalogue/passages.h"
#include "test_support.h"

// Gathering stops before an entry once the text already passes 32000
// characters: the entry that crosses the limit is still taken whole.
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
    EXPECT_EQ(t.s().PageText.find("(b 1:5)"), std::string::npos);
    EXPECT_TRUE(t.dialogs.shown.empty());
}
