#include <gtest/gtest.h>

#include "scenario.h"

TEST(ScenarioWords, QuotedWordsAndEscapes) {
    std::string error;
    auto words =
        script::splitWords(R"(expect frmList0.Caption == "a b\r\n\t\"q\"\\ \s{3}x")", error);
    ASSERT_TRUE(words) << error;
    ASSERT_EQ(words->size(), 4u);
    EXPECT_EQ(words->at(3), "a b\r\n\t\"q\"\\    x");
    EXPECT_FALSE(script::splitWords(R"(write A "unterminated)", error));
    EXPECT_FALSE(script::splitWords(R"(write A "\s{x}")", error));
    EXPECT_FALSE(script::splitWords(R"(write A "\q")", error));
}

TEST(ScenarioParse, SkipsBlankAndCommentLinesAndKeepsLineNumbers) {
    std::string error;
    int line = 0;
    auto commands = script::parseScenario(
        "# comment\r\n\r\n  start\r\n   # indented comment\nclose\n", error, line);
    ASSERT_TRUE(error.empty());
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].line, 3);
    EXPECT_EQ(commands[0].words.at(0), "start");
    EXPECT_EQ(commands[1].line, 5);
}

TEST(EscapeValue, BlankRunsAndCut) {
    EXPECT_EQ(script::escapeValue("a  b"), "\"a  b\"");
    EXPECT_EQ(script::escapeValue("x" + std::string(890, ' ')), "\"x\\s{890}\"");
    EXPECT_EQ(script::escapeValue("\r\n\"\\"), "\"\\r\\n\\\"\\\\\"");
    const std::string cut = script::escapeValue(std::string(500, 'a'));
    EXPECT_LT(cut.size(), 210u);
}
