// The import of two small exports compared byte for byte with the expected files
// (TESSARY_UPDATE_EXPECTED=1 rewrites them after a deliberate change).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "library/check.h"
#include "library/imp_reader.h"
#include "library/import.h"
#include "library/import_parts.h"
#include "library/text1252.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

std::string fileText(const fs::path& p) {
    return library::readWholeFile(p.string()).value_or("<missing>");
}

// Imports fixtures/from and compares with fixtures/expected (with everyFile: nothing more).
void importAndCompare(const std::string& from, const std::string& expected, bool everyFile) {
    const testing_support::TempDir temp;
    const fs::path& out = temp.dir;
    library::ImportOptions options;
    options.out = (out / "library").string();
    options.sourceDir = std::string(TESSARY_FIXTURES) + "/" + from;
    std::ostringstream report, check;
    ASSERT_TRUE(library::importLibrary(options, report)) << report.str();
    if (everyFile)
        (void)library::checkLibrary(options.out, check);
    std::string text = report.str();
    for (size_t at; (at = text.find(options.out)) != std::string::npos;)
        text.replace(at, options.out.size(), "LIBRARY");
    std::ofstream(out / "library" / "report.txt", std::ios::binary) << text;
    if (everyFile)
        std::ofstream(out / "library" / "check.txt", std::ios::binary) << check.str();
    const fs::path want = fs::path(TESSARY_FIXTURES) / expected;
    if (std::getenv("TESSARY_UPDATE_EXPECTED")) {
        if (everyFile)
            fs::remove_all(want);
        fs::create_directories(want);
        for (const auto& e : fs::directory_iterator(out / "library"))
            if (everyFile || fs::exists(want / e.path().filename()))
                fs::copy_file(e.path(), want / e.path().filename(),
                              fs::copy_options::overwrite_existing);
    }
    size_t compared = 0;
    for (const auto& e : fs::directory_iterator(want)) {
        ++compared;
        EXPECT_EQ(fileText(out / "library" / e.path().filename()), fileText(e.path()))
            << e.path().filename();
    }
    if (everyFile) {
        EXPECT_EQ(compared,
                  static_cast<size_t>(std::distance(fs::directory_iterator(out / "library"),
                                                    fs::directory_iterator())));
    }
}

} // namespace

TEST(Import, TheSmallExportsGiveTheExpectedLibraries) {
    importAndCompare("import", "import-expected", true);
    importAndCompare("import-odd", "import-odd-expected", false);
    library::ImportOptions options;
    options.out = "/tmp/tessary-import-never-written";
    options.sourceDir = "/nonexistent";
    std::ostringstream err;
    EXPECT_FALSE(library::importLibrary(options, err));
    EXPECT_NE(err.str().find("no export of module KJV"), std::string::npos);
    EXPECT_FALSE(fs::exists(options.out));
}

TEST(ImportText, PlainKeysWindows1252EntitiesAndTags) {
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
    using library::decodeEntities;
    using library::toWindows1252;
    EXPECT_EQ(toWindows1252("caf\xC3\xA9 \xE2\x80\x94 \xE2\x80\xA6"), "caf\xE9 \x97 \x85");
    EXPECT_EQ(toWindows1252("\xC5\x8D\xC4\x93"), "oe"); // ō ē
    EXPECT_EQ(toWindows1252("\xD7\x90x\xC2\x81"), "x"); // a Hebrew letter, a C1 control
    int dropped = 0;
    EXPECT_EQ(toWindows1252("a\xFF"
                            "b\xC3",
                            &dropped),
              "ab");
    EXPECT_EQ(dropped, 2);
    int decoded = 0;
    EXPECT_EQ(toWindows1252(decodeEntities("&amp;&lt;x&gt;&#65;&bogus;&#8220;&#x2014;", &decoded)),
              "&<x>A&bogus;\x93\x97");
    EXPECT_EQ(decoded, 6);
    // Not characters: surrogates, beyond U+10FFFF, no digits, not a number.
    EXPECT_EQ(decodeEntities("&#xD800;&#1114112;&#;&#x;&#12a;&# 1;"),
              "&#xD800;&#1114112;&#;&#x;&#12a;&# 1;");
    EXPECT_EQ(decodeEntities("&#X1F600;"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(decodeEntities(decodeEntities("&amp;gt;")), ">"); // twice undoes a double escape
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
