// The library's text: Windows-1252, letter case and order, numbers, file names.
#include <gtest/gtest.h>

#include "formats/cp1252.h"
#include "formats/file_names.h"
#include "formats/letter_case.h"
#include "formats/number.h"

// Every byte and back; undefined bytes stand for C1 controls, which have no byte.
TEST(Cp1252, EveryByteAndBackLetterCasePairsAndOrder) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        EXPECT_EQ(formats::unicodeToCp1252(formats::cp1252ToUnicode(byte)), byte) << b;
    }
    for (const auto& [byte, cp] :
         {std::pair{0x41, 0x41}, std::pair{0x80, 0x20AC}, std::pair{0x81, 0x81},
          std::pair{0x92, 0x2019}, std::pair{0x9F, 0x178}, std::pair{0xA0, 0xA0},
          std::pair{0xE9, 0xE9}, std::pair{0xFF, 0xFF}})
        EXPECT_EQ(formats::cp1252ToUnicode(static_cast<unsigned char>(byte)),
                  static_cast<char32_t>(cp))
            << byte;
    for (unsigned missing : {0x80u, 0x9Fu, 0x100u, 0x4E2Du, 0x2017u, 0x10FFFFu})
        EXPECT_EQ(formats::unicodeToCp1252(missing), std::nullopt) << missing;
    // Letter case pairs and order.
    EXPECT_EQ(formats::upperText("abz\xE0\xE9\xFE\x9A\x9C\x9E\xFF"),
              "ABZ\xC0\xC9\xDE\x8A\x8C\x8E\x9F");
    EXPECT_EQ(formats::lowerText("ABZ\xC0\xC9\xDE\x8A\x8C\x8E\x9F"),
              "abz\xE0\xE9\xFE\x9A\x9C\x9E\xFF");
    // Not letters: the multiplication and division signs, digits, ß (DF, not ÿ).
    EXPECT_EQ(formats::upperText("\xF7\xDF"
                                 "1"),
              "\xF7\xDF"
              "1");
    EXPECT_EQ(formats::lowerText("\xD7\xDF"), "\xD7\xDF");
    // UTF-8 text keeps its multi-byte letters: "é" is C3 A9.
    EXPECT_EQ(formats::asciiUpperText("caf\xC3\xA9"), "CAF\xC3\xA9");
    // Without regard to case: a prefix first, accented letters after z.
    using formats::lessNoCase;
    EXPECT_TRUE(lessNoCase("apple", "Banana"));
    EXPECT_TRUE(lessNoCase("B", "c"));
    EXPECT_FALSE(lessNoCase("Genesis", "genesis"));
    EXPECT_FALSE(lessNoCase("genesis", "Genesis"));
    EXPECT_TRUE(lessNoCase("Gen", "genesis"));
    EXPECT_TRUE(lessNoCase("zebra", "\xC9tude"));
    EXPECT_FALSE(lessNoCase("\xC9tude", "\xE9tude"));
    EXPECT_TRUE(lessNoCase("\xE0 la", "\xC9tude"));
}

TEST(FileText, NumbersAndNamesAsFilesWriteThem) {
    // One to nine digits, blanks around; a written page has no blanks or leading zero.
    const struct {
        const char* text;
        std::optional<long> value, page;
    } rows[] = {
        {"12", 12, 12},
        {" 7 ", 7, {}},
        {"007", 7, {}},
        {"0", 0, 0},
        {"999999999", 999999999, 999999999},
        {"1000000000", {}, {}},
        {"", {}, {}},
        {"   ", {}, {}},
        {"+1", {}, {}},
        {"-1", {}, {}},
        {"1 2", {}, {}},
        {"3x", {}, {}},
        {"\t3", {}, {}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(formats::parseNumber(row.text), row.value) << "\"" << row.text << "\"";
        EXPECT_EQ(formats::writtenPageNumber(row.text), row.page) << "\"" << row.text << "\"";
    }
    // Passage counts: what a text begins with, held at 999999999.
    for (const auto& [text, value] :
         {std::pair{"3", 3L}, std::pair{" 16-18", 16L}, std::pair{"-2", -2L}, std::pair{"+4a", 4L},
          std::pair{"x1", 0L}, std::pair{"", 0L}, std::pair{"-", 0L},
          std::pair{"123456789012345678901234", 999999999L}})
        EXPECT_EQ(formats::leadingNumber(text), value) << text;
    // Stems and the files they name.
    using namespace formats;
    for (const auto& [got, want] : {
             std::pair{bookStem("GEN.TXV"), "gen"},
             std::pair{bookStem("A.B.TXV"), "a"},
             std::pair{bookStem("NOEXT"), ""},
             std::pair{titleStem(" Gen .TXV"), "gen"},
             std::pair{titleStem("NOEXT"), ""},
             std::pair{bookFileOfStem("gen"), "GEN.TXV"},
             std::pair{bookFileOfKey("GEN"), "GEN.TXV"},
             std::pair{bookFileOfKey("ESSAY1.TXT"), "ESSAY1.TXT"},
             std::pair{notesFileOf("GEN.TXV"), "GENCOM.TXV"},
             std::pair{notesFileOf("GEN"), "GENCOM.TXV"},
             std::pair{dictionaryFileName('a', "Grk"), "agrkdict.txd"},
             std::pair{dictionaryFileName('p', ""), "pdict.txd"},
         })
        EXPECT_EQ(got, want);
    EXPECT_TRUE(isNotesFileName("gencom.txv"));
    EXPECT_FALSE(isNotesFileName("GENCOM.TXT"));
    for (const auto& [name, language] :
         {std::pair{"agrkdict.txd", std::optional<std::string>("Grk")},
          std::pair{"BHEBDICT.TXD", std::optional<std::string>("Heb")},
          std::pair{"pdict.txd", std::optional<std::string>("")},
          std::pair{"dict.txd", std::optional<std::string>()},
          std::pair{"alatdict.txd", std::optional<std::string>()},
          std::pair{"agrkdict.txv", std::optional<std::string>()}})
        EXPECT_EQ(dictionaryLanguage(name), language) << name;
}
