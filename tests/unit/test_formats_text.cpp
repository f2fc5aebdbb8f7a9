#include <gtest/gtest.h>

#include "formats/file_names.h"
#include "formats/letter_case.h"
#include "formats/number.h"

TEST(LetterCase, Windows1252Pairs) {
    EXPECT_EQ(formats::upperText("abz\xE9\xFE\x9A\x9C\x9E\xFF"), "ABZ\xC9\xDE\x8A\x8C\x8E\x9F");
    EXPECT_EQ(formats::lowerText("ABZ\xC9\xDE\x8A\x8C\x8E\x9F"), "abz\xE9\xFE\x9A\x9C\x9E\xFF");
    // Not letters: the multiplication and division signs, digits, ß.
    EXPECT_EQ(formats::upperText("\xF7\xDF"
                                 "1"),
              "\xF7\xDF"
              "1");
    EXPECT_EQ(formats::lowerText("\xD7"), "\xD7");
    // UTF-8 text keeps its multi-byte letters: "é" is C3 A9.
    EXPECT_EQ(formats::asciiUpperText("caf\xC3\xA9"), "CAF\xC3\xA9");
}

TEST(LetterCase, SortingWithoutRegardToCase) {
    using formats::lessNoCase;
    EXPECT_TRUE(lessNoCase("apple", "Banana"));
    EXPECT_TRUE(lessNoCase("B", "c"));
    EXPECT_FALSE(lessNoCase("Genesis", "genesis"));
    EXPECT_FALSE(lessNoCase("genesis", "Genesis"));
    EXPECT_TRUE(lessNoCase("Gen", "genesis")); // a prefix first
    // Bytes compare unsigned: accented letters after z, with their capitals.
    EXPECT_TRUE(lessNoCase("zebra", "\xC9tude"));
    EXPECT_FALSE(lessNoCase("\xC9tude", "\xE9tude"));
    EXPECT_TRUE(lessNoCase("\xE0 la", "\xC9tude")); // à before É, as à before é
}

TEST(Numbers, WholeNumbersAsFilesWriteThem) {
    struct Row {
        std::string text;
        std::optional<long> value;
    };
    for (const Row& row : {
             Row{"12", 12},
             Row{" 7 ", 7},
             Row{"007", 7},
             Row{"0", 0},
             Row{"999999999", 999999999},
             Row{"1000000000", std::nullopt},
             Row{"", std::nullopt},
             Row{"   ", std::nullopt},
             Row{"+1", std::nullopt},
             Row{"-1", std::nullopt},
             Row{"1 2", std::nullopt},
             Row{"3x", std::nullopt},
             Row{"\t3", std::nullopt},
         })
        EXPECT_EQ(formats::parseNumber(row.text), row.value) << "\"" << row.text << "\"";
}

TEST(Numbers, LeadingNumbersOfPassageCounts) {
    EXPECT_EQ(formats::leadingNumber("3"), 3);
    EXPECT_EQ(formats::leadingNumber(" 16-18"), 16);
    EXPECT_EQ(formats::leadingNumber("-2"), -2);
    EXPECT_EQ(formats::leadingNumber("+4a"), 4);
    EXPECT_EQ(formats::leadingNumber("x1"), 0);
    EXPECT_EQ(formats::leadingNumber(""), 0);
    EXPECT_EQ(formats::leadingNumber("-"), 0);
    EXPECT_EQ(formats::leadingNumber("123456789012345678901234"), 999999999);
}

TEST(FileNames, StemsAndTheFilesTheyName) {
    EXPECT_EQ(formats::bookStem("GEN.TXV"), "gen");
    EXPECT_EQ(formats::bookStem("A.B.TXV"), "a");
    EXPECT_EQ(formats::bookStem("NOEXT"), "");
    EXPECT_EQ(formats::titleStem(" Gen .TXV"), "gen");
    EXPECT_EQ(formats::titleStem("NOEXT"), "");
    EXPECT_EQ(formats::bookFileOfStem("gen"), "GEN.TXV");
    EXPECT_EQ(formats::bookFileOfKey("GEN"), "GEN.TXV");
    EXPECT_EQ(formats::bookFileOfKey("ESSAY1.TXT"), "ESSAY1.TXT");
    EXPECT_EQ(formats::notesFileOf("GEN.TXV"), "GENCOM.TXV");
    EXPECT_EQ(formats::notesFileOf("GEN"), "GENCOM.TXV");
    EXPECT_TRUE(formats::isNotesFileName("gencom.txv"));
    EXPECT_FALSE(formats::isNotesFileName("GENCOM.TXT"));
    EXPECT_EQ(formats::dictionaryFileName('a', "Grk"), "agrkdict.txd");
    EXPECT_EQ(formats::dictionaryFileName('p', ""), "pdict.txd");
}

TEST(FileNames, TheLanguageOfADictionary) {
    EXPECT_EQ(formats::dictionaryLanguage("agrkdict.txd"), "Grk");
    EXPECT_EQ(formats::dictionaryLanguage("BHEBDICT.TXD"), "Heb");
    EXPECT_EQ(formats::dictionaryLanguage("pdict.txd"), "");
    EXPECT_EQ(formats::dictionaryLanguage("dict.txd"), std::nullopt);
    EXPECT_EQ(formats::dictionaryLanguage("alatdict.txd"), std::nullopt);
    EXPECT_EQ(formats::dictionaryLanguage("agrkdict.txv"), std::nullopt);
}
