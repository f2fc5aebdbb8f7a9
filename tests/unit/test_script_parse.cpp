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

TEST(ScenarioWords, EachEscapeAndTheWordsAroundIt) {
    std::string error;
    const std::pair<const char*, std::string> cases[] = {
        {R"("\r")", "\r"},
        {R"("\n")", "\n"},
        {R"("\t")", "\t"},
        {R"("\"")", "\""},
        {R"("\\")", "\\"},
        {R"("\\n")", "\\n"}, // an escaped backslash does not start another escape
        {R"("\s{1}")", " "},
        {R"("\s{0}")", ""},
        {R"("a\s{2}b\s{10}")", "a  b" + std::string(10, ' ')},
        {R"("\s{999999}")", std::string(999999, ' ')},
        {R"("")", ""},
    };
    for (const auto& [line, word] : cases) {
        SCOPED_TRACE(line);
        auto words = script::splitWords(line, error);
        ASSERT_TRUE(words) << error;
        ASSERT_EQ(words->size(), 1u);
        EXPECT_EQ(words->front(), word);
    }
    // Outside quotes a backslash is a plain character and a tab separates words.
    auto words = script::splitWords("a\\n\tb", error);
    ASSERT_TRUE(words);
    EXPECT_EQ(*words, (std::vector<std::string>{"a\\n", "b"}));
}

TEST(ScenarioWords, BadEscapesAreRefused) {
    std::string error;
    for (const char* line : {R"("\s{}")", R"("\s3")", R"("\s{3")", R"("\s{-1}")",
                             R"("\s{1234567}")", R"("\s{ 3}")", R"("\x")", R"("abc\")"}) {
        SCOPED_TRACE(line);
        error.clear();
        EXPECT_FALSE(script::splitWords(line, error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(EscapeValue, EveryEscapeAndTheBlankRunLimit) {
    EXPECT_EQ(script::escapeValue(""), "\"\"");
    EXPECT_EQ(script::escapeValue("a\tb\nc\rd"), "\"a\\tb\\nc\\rd\"");
    EXPECT_EQ(script::escapeValue("say \"x\" \\ y"), "\"say \\\"x\\\" \\\\ y\"");
    // Runs of three blanks or more are counted, shorter runs stay as they are.
    EXPECT_EQ(script::escapeValue(" a  b   c"), "\" a  b\\s{3}c\"");
    EXPECT_EQ(script::escapeValue("   "), "\"\\s{3}\"");
}

TEST(EscapeValue, CutAfterTwoHundredCharacters) {
    // Up to 200 characters the value is shown whole.
    EXPECT_EQ(script::escapeValue(std::string(200, 'a')), "\"" + std::string(200, 'a') + "\"");
    EXPECT_EQ(script::escapeValue(std::string(201, 'a')), "\"" + std::string(200, 'a') + "...\"");
    EXPECT_EQ(script::escapeValue(std::string(5000, 'a')), "\"" + std::string(200, 'a') + "...\"");
    // A blank run at the limit is cut like any other escape.
    EXPECT_EQ(script::escapeValue(std::string(199, 'a') + std::string(890, ' ')),
              "\"" + std::string(199, 'a') + "\\...\"");
    // The limit counts the escaped text: 100 line breaks are 200 characters.
    std::string breaks;
    for (int i = 0; i < 100; ++i)
        breaks += "\\n";
    EXPECT_EQ(script::escapeValue(std::string(100, '\n')), "\"" + breaks + "\"");
    EXPECT_EQ(script::escapeValue(std::string(101, '\n')), "\"" + breaks + "...\"");
}
