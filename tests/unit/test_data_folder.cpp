// The data folder's promises beyond names: files saved by UTF-8 editors,
// links that lead out of the folder, a folder of very many files, and the
// permissions of the files it replaces.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
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
        char tmpl[] = "/tmp/tessary-folder-XXXXXX";
        path = mkdtemp(tmpl);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    void write(const std::string& name, const std::string& content) const {
        std::ofstream(path / name, std::ios::binary) << content;
    }
    // Stamps the folder as changed seconds ago: the file system's clock, set by hand.
    void changedAgo(long seconds) const {
        const std::timespec times[2] = {{std::time(nullptr) - seconds, 0},
                                        {std::time(nullptr) - seconds, 0}};
        ::utimensat(AT_FDCWD, path.c_str(), times, 0);
    }
    mode_t mode(const std::string& name) const {
        struct stat st {};
        ::stat((path / name).c_str(), &st);
        return st.st_mode & 07777;
    }
};

std::vector<std::string> linesOf(const fs::path& file) {
    platform::TextFile f;
    std::vector<std::string> lines;
    if (!f.open(file.string()))
        return lines;
    for (std::string line; f.readLine(line);)
        lines.push_back(line);
    return lines;
}

const std::string kMark = "\xEF\xBB\xBF";

} // namespace

TEST(ByteOrderMark, OnlyTheFirstLineOfAFileLosesIt) {
    struct Row {
        const char* name;
        std::string content;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"a marked file", kMark + "WIS=3\r\nGEN=2\r\n", {"WIS=3", "GEN=2"}},
        {"a mark on line 2 is text", "WIS=3\r\n" + kMark + "GEN=2\r\n", {"WIS=3", kMark + "GEN=2"}},
        {"only the first of two marks", kMark + kMark + "x\r\n", {kMark + "x"}},
        {"a file of only the mark", kMark, {""}},
        {"part of a mark is text", "\xEF\xBBx\r\n", {"\xEF\xBBx"}},
    };
    for (const Row& row : rows) {
        TempDir dir;
        dir.write("f", row.content);
        EXPECT_EQ(linesOf(dir.path / "f"), row.lines) << row.name;
    }
}

TEST(ByteOrderMark, PositionsStayTheFilesOwn) {
    // Offsets in a book count from the end of its index line in the file:
    // the mark counts, and a seek to the start reads past it again.
    TempDir dir;
    dir.write("GEN.TXV", kMark + "<1:1>1*\r\n1:1>In the beginning\r\n");
    platform::TextFile f;
    ASSERT_TRUE(f.open((dir.path / "GEN.TXV").string()));
    std::string line;
    ASSERT_TRUE(f.readLine(line));
    EXPECT_EQ(line, "<1:1>1*");
    EXPECT_EQ(f.position(), 13);
    ASSERT_TRUE(f.seek(1));
    ASSERT_TRUE(f.readLine(line));
    EXPECT_EQ(line, "<1:1>1*");
    ASSERT_TRUE(f.seek(4)); // just after the mark: what follows is read as it is
    ASSERT_TRUE(f.readLine(line));
    EXPECT_EQ(line, "<1:1>1*");
    EXPECT_EQ(platform::withoutByteOrderMark(kMark + "x"), "x");
    EXPECT_EQ(platform::withoutByteOrderMark("x" + kMark), "x" + kMark);
}

TEST(DataFolderLinks, AFileOutsideTheFolderIsMissing) {
    TempDir library, outside;
    outside.write("secret", "not the library's\r\n");
    library.write("GEN.TXV", "a book\r\n");
    fs::create_directory(library.path / "sub");
    library.write("sub/inner", "inner\r\n");
    fs::create_symlink(outside.path / "secret", library.path / "OUT.TXV");
    fs::create_symlink("../" + outside.path.filename().string() + "/secret",
                       library.path / "UP.TXV");
    fs::create_symlink("OUT.TXV", library.path / "CHAIN.TXV");
    fs::create_symlink("GEN.TXV", library.path / "SAME.TXV");
    fs::create_symlink("sub/inner", library.path / "INNER.TXV");
    fs::create_symlink(outside.path / "secret", library.path / "lower.txv");
    struct Row {
        const char* name;
        bool found;
    };
    const Row rows[] = {
        {"OUT.TXV", false}, {"UP.TXV", false},   {"CHAIN.TXV", false}, {"LOWER.TXV", false},
        {"SAME.TXV", true}, {"INNER.TXV", true}, {"GEN.TXV", true},    {"gen.txv", true},
    };
    const platform::DataFolder folder(library.path.string(), formats::lowerText);
    for (const Row& row : rows) {
        EXPECT_EQ(folder.resolve(row.name).has_value(), row.found) << row.name;
        EXPECT_EQ(folder.readLines(row.name).has_value(), row.found) << row.name;
        const auto whole = folder.readWhole(row.name, 100);
        EXPECT_EQ(whole.status, row.found ? platform::FileContent::Status::Read
                                          : platform::FileContent::Status::Missing)
            << row.name;
    }
    // A folder reached through a link is the folder: its files are inside.
    fs::create_symlink(library.path, outside.path / "library");
    const platform::DataFolder linked((outside.path / "library").string(), formats::lowerText);
    EXPECT_TRUE(linked.resolve("GEN.TXV"));
    EXPECT_TRUE(linked.resolve("SAME.TXV"));
    EXPECT_FALSE(linked.resolve("OUT.TXV"));
}

TEST(DataFolderLinks, ASaveReplacesALinkOutNeverWhatItLeadsTo) {
    TempDir library, outside;
    outside.write("secret", "keep me");
    fs::create_symlink(outside.path / "secret", library.path / "!Tessary.ini");
    const platform::DataFolder folder(library.path.string(), formats::lowerText);
    ASSERT_TRUE(folder.writeAtomic("!Tessary.ini", "GEN=2\r\n"));
    EXPECT_EQ(linesOf(outside.path / "secret"), std::vector<std::string>{"keep me"});
    EXPECT_FALSE(fs::is_symlink(library.path / "!Tessary.ini"));
    EXPECT_EQ(linesOf(library.path / "!Tessary.ini"), std::vector<std::string>{"GEN=2"});
}

TEST(DataFolderListing, ListedOnceUntilTheFolderChanges) {
    TempDir dir;
    for (int i = 0; i < 200; ++i)
        dir.write("other" + std::to_string(i) + ".dat", "");
    dir.write("Gen.txv", "g\r\n");
    dir.changedAgo(100);
    const platform::DataFolder folder(dir.path.string(), formats::lowerText);
    // Names found exactly are never listed for.
    for (int i = 0; i < 150; ++i)
        ASSERT_TRUE(folder.resolve("Gen.txv"));
    EXPECT_EQ(folder.listings(), 0);
    // Names in another case, and missing names, are looked up in one listing.
    for (int i = 0; i < 150; ++i) {
        ASSERT_TRUE(folder.resolve("GEN.TXV"));
        ASSERT_FALSE(folder.resolve("GENCOM.TXV"));
    }
    EXPECT_EQ(folder.listings(), 1);
    // A file added, another removed: the folder's time has moved on.
    dir.write("Gencom.TXV", "n\r\n");
    fs::remove(dir.path / "Gen.txv");
    dir.changedAgo(50);
    EXPECT_TRUE(folder.resolve("GENCOM.TXV"));
    EXPECT_FALSE(folder.resolve("GEN.TXV"));
    EXPECT_EQ(folder.listings(), 2);
    // A file that went without the folder's time moving: it is not taken for there.
    fs::remove(dir.path / "Gencom.TXV");
    dir.changedAgo(50);
    EXPECT_FALSE(folder.resolve("GENCOM.TXV"));
}

TEST(DataFolderListing, AFolderChangedJustNowIsListedOnceForManyLookups) {
    TempDir dir;
    dir.write("Gen.txv", "g\r\n");
    dir.changedAgo(0);
    const platform::DataFolder folder(dir.path.string(), formats::lowerText);
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(folder.resolve("GEN.TXV"));
    EXPECT_EQ(folder.listings(), 1);
    dir.write("Exo.txv", "e\r\n");
    dir.changedAgo(-1);
    EXPECT_TRUE(folder.resolve("EXO.TXV"));
    EXPECT_EQ(folder.listings(), 2);
}

TEST(DataFolderWrite, TheReplacedFileKeepsItsPermissions) {
    struct Row {
        const char* name;
        mode_t mode;
    };
    for (const Row& row : {Row{"private", 0600}, Row{"group reads", 0640}, Row{"read-only", 0444},
                           Row{"everyone writes", 0666}}) {
        TempDir dir;
        dir.write("!Tessary.ini", "GEN=1\r\n");
        ::chmod((dir.path / "!Tessary.ini").c_str(), row.mode);
        const platform::DataFolder folder(dir.path.string(), formats::lowerText);
        ASSERT_TRUE(folder.writeAtomic("!Tessary.ini", "GEN=2\r\n")) << row.name;
        EXPECT_EQ(dir.mode("!Tessary.ini"), row.mode) << row.name;
        EXPECT_EQ(linesOf(dir.path / "!Tessary.ini"), std::vector<std::string>{"GEN=2"});
    }
    // A new file gets what the user's file mask leaves of read and write for all.
    TempDir dir;
    const mode_t mask = ::umask(022);
    const platform::DataFolder folder(dir.path.string(), formats::lowerText);
    ASSERT_TRUE(folder.writeAtomic("!Bookmarks.ini", ""));
    ::umask(mask);
    EXPECT_EQ(dir.mode("!Bookmarks.ini"), 0644u);
}
