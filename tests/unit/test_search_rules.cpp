// The matching rules of one line and of one book file.
#include <gtest/gtest.h>

#include <string>

#include "search/line_search.h"

namespace {

using search::FindOptions;
using search::SearchText;

// The entry a line gives, or "" when it is no hit.
std::string entry(const std::string& line, const std::string& typed, FindOptions o = {}) {
    std::string out;
    const bool hit = search::searchLine(line, SearchText(typed, o.caseSensitive), o, "", out);
    EXPECT_EQ(hit, !out.empty());
    return out;
}

TEST(SearchLine, TheFormsSearchedAndTheEntryOfKeyAndExcerpt) {
    EXPECT_EQ(SearchText("Lord", false).first(), "lord");
    EXPECT_EQ(SearchText("Lord", false).second(), "Lord");
    EXPECT_EQ(SearchText("lORD", false).second(), "LORD"); // only the first letter changes
    EXPECT_FALSE(SearchText("12", false).twoForms());
    EXPECT_FALSE(SearchText("(grace", false).twoForms());
    EXPECT_FALSE(SearchText("Lord", true).twoForms());
    EXPECT_EQ(SearchText("Lord", true).first(), "Lord");
    // Windows-1252 letters have their two forms as well.
    EXPECT_EQ(SearchText("\xC9lan", false).first(), "\xE9lan");
    EXPECT_EQ(entry("12:3>in the beginning God created", "god"),
              "12:3>in the beginning ^God^ created\r\n\r\n");
    // The key is everything before the first ">"; later ones belong to the text.
    EXPECT_EQ(entry("7:b>x > y", "y"), "7:b>x > ^y^\r\n\r\n");
    EXPECT_EQ(entry("no key marker here", "key"), "");
    EXPECT_EQ(entry("1:1>", "a"), "");
    std::string out = "kept ";
    FindOptions o;
    EXPECT_TRUE(search::searchLine("4:2>a lamp", SearchText("lamp", false), o, "wis ", out));
    EXPECT_EQ(out, "kept wis 4:2>a ^lamp^\r\n\r\n");
}

TEST(SearchLine, ExcerptFromThirtyBeforeAndTestedPartOfBibleLines) {
    const std::string digits = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    // An occurrence at position 10: the excerpt starts with the text.
    std::string text = digits.substr(0, 9) + "WORD" + std::string(100, '.');
    std::string e = entry("1:1>" + text, "WORD");
    EXPECT_EQ(e, "1:1>" + digits.substr(0, 9) + "^WORD^" + std::string(45, '.') + "\r\n\r\n");
    // At position 100: characters 70 to 99 stand before the "^".
    text = std::string(69, '-') + digits.substr(0, 30) + "WORD" + std::string(100, '.');
    e = entry("1:1>" + text, "WORD");
    EXPECT_EQ(e, "1:1>" + digits.substr(0, 30) + "^WORD^" + std::string(24, '.') + "\r\n\r\n");
    // At position 31 the excerpt still starts with the text; at 32 one later.
    text = std::string(30, '-') + "W" + std::string(80, '.');
    e = "1:1>" + std::string(30, '-') + "^W^" + std::string(27, '.') + "\r\n\r\n";
    EXPECT_EQ(entry("1:1>" + text, "W"), e);
    EXPECT_EQ(entry("1:1>x" + text, "W"), e);
    // A long occurrence near the start is cut inside it, before its closing "^".
    const std::string longWord(70, 'q');
    EXPECT_EQ(entry("1:1>ab" + longWord, longWord), "1:1>ab^" + std::string(57, 'q') + "\r\n\r\n");
    // The closing "^" is the 60th character.
    EXPECT_EQ(entry("1:1>" + std::string(58, 'z'), std::string(58, 'z')),
              "1:1>^" + std::string(58, 'z') + "^\r\n\r\n");
    const std::string line = "3:16>For God so loved^ houtos gar egapesen ho theos<6,7 theos";
    FindOptions bible;
    bible.bibleMode = true;
    FindOptions verse;
    verse.fromVerseWindow = true;
    EXPECT_EQ(entry(line, "loved", bible), "3:16>For God so ^loved^\r\n\r\n");
    EXPECT_EQ(entry(line, "theos", bible), "");
    EXPECT_EQ(entry(line, "God", verse), "");
    // After the "^": its blank is tested, the note keys after "<" are not.
    EXPECT_EQ(entry(line, "houtos", verse), "3:16> ^houtos^ gar egapesen ho theos\r\n\r\n");
    EXPECT_EQ(entry(line, "6", verse), "");
    FindOptions versePlusWhole = verse;
    versePlusWhole.wholeWord = true;
    EXPECT_TRUE(!entry(line, "theos", versePlusWhole).empty()); // ends the tested part
    // Without the Bible flag the whole text is tested.
    EXPECT_EQ(entry(line, "6,7", {}), "3:16> houtos gar egapesen ho theos<^6,7^ theos\r\n\r\n");
    // A line without "^" is tested whole from the verse window too.
    EXPECT_EQ(entry("1:1>plain <text>", "text", verse), "1:1>plain <^text^>\r\n\r\n");
    EXPECT_EQ(search::testedText("a^b<c^d", verse), "b");
    EXPECT_EQ(search::testedText("a^", bible), "a");
}

TEST(SearchBook, EveryLineAfterTheIndexLineBothFormsAndMisses) {
    const std::string book = "<1:1>1<1:2>20*lord\r\n"
                             "1:1>the lord\r\n"
                             "no marker, lord\r\n"
                             "\r\n"
                             "1:2>Lord and lord\n" // a bare LF ends a line too
                             " \r\n"
                             "9:9>lord after the end marker\r\n"
                             "9:10>last line, lord";
    std::string out;
    const FindOptions o;
    EXPECT_EQ(search::searchBook(book, SearchText("lord", false), o, "", out), 4u);
    EXPECT_EQ(out, "1:1>the ^lord^\r\n\r\n"
                   "1:2>Lord and ^lord^\r\n\r\n"
                   "9:9>^lord^ after the end marker\r\n\r\n"
                   "9:10>last line, ^lord^\r\n\r\n");
    // Only the index line, or nothing at all.
    out.clear();
    EXPECT_EQ(search::searchBook("<1:1>lord*", SearchText("lord", false), o, "", out), 0u);
    EXPECT_EQ(search::searchBook("", SearchText("lord", false), o, "", out), 0u);
    EXPECT_EQ(search::searchBook(book, SearchText("", false), o, "", out), 0u);
    EXPECT_EQ(search::searchBook(book, SearchText("the\nlord", false), o, "", out), 0u);
    EXPECT_EQ(out, "");
    // One entry a line; a line whose first occurrence is no whole word is passed over.
    const std::string forms = "*\r\n"
                              "1:1>lords and Lord and lord\r\n"
                              "1:2>Lordship\r\n"
                              "1:3>LORD\r\n"
                              "1:4>my Lord\r\n";
    FindOptions whole;
    whole.wholeWord = true;
    EXPECT_EQ(search::searchBook(forms, SearchText("lord", false), whole, "b ", out), 1u);
    EXPECT_EQ(out, "b 1:4>my ^Lord^\r\n\r\n");
    out.clear();
    EXPECT_EQ(search::searchBook(forms, SearchText("lord", false), FindOptions{}, "", out), 3u);
    EXPECT_EQ(out, "1:1>^lord^s and Lord and lord\r\n\r\n"
                   "1:2>^Lord^ship\r\n\r\n"
                   "1:4>my ^Lord^\r\n\r\n");
}

} // namespace
