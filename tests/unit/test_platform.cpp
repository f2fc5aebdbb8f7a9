#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "formats/letter_case.h"
#include "platform/data_folder.h"
#include "platform/text_file.h"

namespace fs = std::filesystem;

namespace {

struct TempDir {
    fs::path path;
    TempDir() {
        char tmpl[] = "/tmp/tessary-test-XXXXXX";
        path = mkdtemp(tmpl);
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_all, ec);
        fs::remove_all(path, ec);
    }
    void write(const std::string& name, const std::string& content) const {
        std::ofstream(path / name, std::ios::binary) << content;
    }
};

} // namespace

TEST(TextFile, LinesWithoutLineEndsAndOneBasedPositions) {
    TempDir dir;
    dir.write("b.txt", "<1:1>1*\r\n1:1>Hello\r\nbare\nlast");
    platform::TextFile f;
    ASSERT_TRUE(f.open((dir.path / "b.txt").string()));
    std::string line;
    ASSERT_TRUE(f.readLine(line));
    EXPECT_EQ(line, "<1:1>1*");
    EXPECT_EQ(f.position(), 10); // the index line is 9 bytes with its CR LF
    ASSERT_TRUE(f.readLine(line));
    EXPECT_EQ(line, "1:1>Hello");
    ASSERT_TRUE(f.readLine(line));
    EXPECT_EQ(line, "bare");
    ASSERT_TRUE(f.readLine(line));
    EXPECT_EQ(line, "last");
    EXPECT_TRUE(f.eof());
    EXPECT_FALSE(f.readLine(line));
    ASSERT_TRUE(f.seek(10));
    ASSERT_TRUE(f.readLine(line));
    EXPECT_EQ(line, "1:1>Hello");
}

TEST(DataFolder, RefusesNamesOutsideTheFolder) {
    TempDir dir;
    dir.write("START.SEL", "x");
    platform::DataFolder data(dir.path.string(), formats::lowerText);
    for (const char* bad : {"../START.SEL", "/etc/passwd", "sub/START.SEL", "a\\b", "..", ""})
        EXPECT_FALSE(data.resolve(bad)) << bad;
    EXPECT_TRUE(data.resolve("START.SEL"));
}

TEST(DataFolder, FallsBackToACaseInsensitiveMatch) {
    TempDir dir;
    dir.write("Copyrgt.txv", "c\r\n");
    platform::DataFolder data(dir.path.string(), formats::lowerText);
    auto lines = data.readLines("COPYRGT.TXV");
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->at(0), "c");
}

TEST(DataFolder, AtomicWriteReplacesTheFileWhole) {
    TempDir dir;
    dir.write("!Tessary.ini", "GEN=3\r\n");
    platform::DataFolder data(dir.path.string(), formats::lowerText);
    ASSERT_TRUE(data.writeAtomic("!Tessary.ini", "JOH=2\r\n"));
    EXPECT_EQ(data.readLines("!Tessary.ini")->size(), 1u);
    EXPECT_EQ(data.readLines("!Tessary.ini")->at(0), "JOH=2");
    EXPECT_FALSE(fs::exists(dir.path / "!Tessary.ini.tmp"));
}
