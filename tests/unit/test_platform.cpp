// Text files, names confined to the data folder, and files written whole, never through a link.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <random>
#include <thread>

#include "app/frm_arrays.h"
#include "app/program.h"
#include "catalogue/page_history.h"
#include "formats/letter_case.h"
#include "library/index_file.h"
#include "platform/data_folder.h"
#include "platform/text_file.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

struct Folders {
    testing_support::TestProgram data; // the data folder
    testing_support::TestProgram outside;
    platform::DataFolder folder{data.dir.string(), formats::lowerText};

    static std::string read(const fs::path& path) { return testing_support::readFile(path); }
    fs::path victim() const {
        outside.write("victim", "keep me");
        return outside.dir / "victim";
    }
    // Stamps the data folder as changed seconds ago.
    void changedAgo(long seconds) const {
        const std::timespec times[2] = {{std::time(nullptr) - seconds, 0},
                                        {std::time(nullptr) - seconds, 0}};
        ::utimensat(AT_FDCWD, data.dir.c_str(), times, 0);
    }
    mode_t mode(const std::string& name) const {
        struct stat st {};
        ::stat((data.dir / name).c_str(), &st);
        return st.st_mode & 07777;
    }
    std::vector<std::string> names() const { return testing_support::namesIn(data.dir); }
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

// Lines without their ends; only the first loses a byte-order mark, which positions count.
TEST(TextFile, LinesAndAByteOrderMarkAtTheStartOnly) {
    using Lines = std::vector<std::string>;
    Folders f;
    for (const auto& [content, lines] :
         {std::pair{std::string("<1:1>1*\r\n1:1>Hello\r\nbare\nlast"),
                    Lines{"<1:1>1*", "1:1>Hello", "bare", "last"}},
          {kMark + "WIS=3\r\nGEN=2\r\n", Lines{"WIS=3", "GEN=2"}},
          {"WIS=3\r\n" + kMark + "GEN=2\r\n", Lines{"WIS=3", kMark + "GEN=2"}},
          {kMark + kMark + "x\r\n", Lines{kMark + "x"}},
          {kMark, Lines{""}},
          {"\xEF\xBBx\r\n", Lines{"\xEF\xBBx"}}}) {
        f.data.write("f", content);
        EXPECT_EQ(linesOf(f.data.dir / "f"), lines) << content;
    }
    f.data.write("GEN.TXV", kMark + "<1:1>1*\r\n1:1>In the beginning\r\n");
    platform::TextFile file;
    ASSERT_TRUE(file.open((f.data.dir / "GEN.TXV").string()));
    std::string line;
    // From the start, the start again, just after the mark, and the second line.
    for (const long at : {0L, 1L, 4L, 13L}) {
        ASSERT_TRUE(at == 0 || file.seek(at));
        ASSERT_TRUE(file.readLine(line));
        EXPECT_EQ(line, at < 13 ? "<1:1>1*" : "1:1>In the beginning") << at;
        EXPECT_EQ(file.position(), at < 13 ? 13 : 35) << at;
    }
    EXPECT_TRUE(file.eof());
    EXPECT_FALSE(file.readLine(line));
    EXPECT_EQ(platform::withoutByteOrderMark(kMark + "x"), "x");
    EXPECT_EQ(platform::withoutByteOrderMark("x" + kMark), "x" + kMark);
}

// Names inside the folder only, matched without regard to case when not found exactly.
TEST(DataFolder, NamesInsideTheFolderWithoutRegardToCase) {
    Folders f;
    f.data.write("START.SEL", "x");
    f.data.write("\xE9tude.txv", "c\r\n");
    for (const char* bad :
         {"../START.SEL", "/etc/passwd", "sub/START.SEL", "a\\b", "..", "", "ETUDE.TXV"})
        EXPECT_FALSE(f.folder.resolve(bad)) << bad;
    EXPECT_TRUE(f.folder.resolve("START.SEL"));
    const auto lines = f.folder.readLines(formats::upperText("\xE9tude.txv"));
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, std::vector<std::string>{"c"});
    // A link out of the folder, even through another link, is a missing file.
    const fs::path secret = f.victim();
    f.data.write("GEN.TXV", "a book\r\n");
    fs::create_directory(f.data.dir / "sub");
    f.data.write("sub/inner", "inner\r\n");
    fs::create_symlink(secret, f.data.dir / "OUT.TXV");
    fs::create_symlink("../" + f.outside.dir.filename().string() + "/victim",
                       f.data.dir / "UP.TXV");
    fs::create_symlink("OUT.TXV", f.data.dir / "CHAIN.TXV");
    fs::create_symlink("GEN.TXV", f.data.dir / "SAME.TXV");
    fs::create_symlink("sub/inner", f.data.dir / "INNER.TXV");
    fs::create_symlink(secret, f.data.dir / "lower.txv");
    for (const auto& [name, found] : {std::pair{"OUT.TXV", false},
                                      {"UP.TXV", false},
                                      {"CHAIN.TXV", false},
                                      {"LOWER.TXV", false},
                                      {"SAME.TXV", true},
                                      {"INNER.TXV", true},
                                      {"GEN.TXV", true},
                                      {"gen.txv", true}}) {
        EXPECT_EQ(f.folder.resolve(name).has_value(), found) << name;
        EXPECT_EQ(bool(f.folder.openRegular(name)), found) << name;
        EXPECT_EQ(f.folder.readLines(name).has_value(), found) << name;
        EXPECT_EQ(f.folder.readWhole(name, 100).status,
                  found ? platform::FileContent::Status::Read
                        : platform::FileContent::Status::Missing)
            << name;
    }
    // Opened, the file found is the one resolve names, at its size.
    const platform::OpenFile gen = f.folder.openRegular("gen.txv");
    EXPECT_EQ(gen.size(), 8u);
    EXPECT_EQ(::lseek(gen.fd(), 0, SEEK_END), 8);
    // A pipe (which must not block the open), a folder or an unsafe name is not
    // opened; a file of another letter case behind a folder of the name is.
    ASSERT_EQ(::mkfifo((f.data.dir / "PIPE.TXV").c_str(), 0600), 0);
    fs::create_directory(f.data.dir / "EXO.TXV");
    f.data.write("exo.txv", "e\r\n");
    EXPECT_FALSE(f.folder.openRegular("PIPE.TXV"));
    EXPECT_FALSE(f.folder.openRegular("sub"));
    EXPECT_FALSE(f.folder.openRegular("sub/inner"));
    EXPECT_EQ(f.folder.openRegular("EXO.TXV").size(), 3u);
    fs::create_symlink(f.data.dir, f.outside.dir / "library");
    const platform::DataFolder linked((f.outside.dir / "library").string(), formats::lowerText);
    EXPECT_TRUE(linked.resolve("GEN.TXV"));
    EXPECT_TRUE(linked.resolve("SAME.TXV"));
    EXPECT_FALSE(linked.resolve("OUT.TXV"));
    EXPECT_TRUE(linked.openRegular("GEN.TXV"));
    EXPECT_FALSE(linked.openRegular("OUT.TXV"));
}

// Names not found exactly share one listing until the folder's time moves on.
TEST(DataFolder, ListedOnceUntilTheFolderChanges) {
    Folders f;
    for (int i = 0; i < 200; ++i)
        f.data.write("other" + std::to_string(i) + ".dat", "");
    f.data.write("Gen.txv", "g\r\n");
    f.changedAgo(100);
    for (int i = 0; i < 150; ++i)
        ASSERT_TRUE(f.folder.resolve("Gen.txv"));
    EXPECT_EQ(f.folder.listings(), 0);
    for (int i = 0; i < 150; ++i) {
        ASSERT_TRUE(f.folder.resolve("GEN.TXV"));
        ASSERT_FALSE(f.folder.resolve("GENCOM.TXV"));
    }
    EXPECT_EQ(f.folder.listings(), 1);
    f.data.write("Gencom.TXV", "n\r\n");
    fs::remove(f.data.dir / "Gen.txv");
    f.changedAgo(50);
    EXPECT_TRUE(f.folder.resolve("GENCOM.TXV"));
    EXPECT_FALSE(f.folder.resolve("GEN.TXV"));
    EXPECT_EQ(f.folder.listings(), 2);
    fs::remove(f.data.dir / "Gencom.TXV");
    f.changedAgo(50);
    EXPECT_FALSE(f.folder.resolve("GENCOM.TXV"));
    Folders now;
    now.data.write("Gen.txv", "g\r\n");
    now.changedAgo(0);
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(now.folder.resolve("GEN.TXV"));
    EXPECT_EQ(now.folder.listings(), 1);
    now.data.write("Exo.txv", "e\r\n");
    now.changedAgo(-1);
    EXPECT_TRUE(now.folder.resolve("EXO.TXV"));
    EXPECT_EQ(now.folder.listings(), 2);
}

// A link planted at a temporary name or at the file's own is never written through.
TEST(AtomicWrite, APlantedLinkIsNeverWrittenThrough) {
    Folders f;
    const fs::path victim = f.victim();
    f.data.write("!Tessary.ini", "GEN=1\r\n");
    fs::create_symlink(victim, f.data.dir / "!Tessary.ini.tmp");
    fs::create_hard_link(victim, f.data.dir / "!Tessary.ini.tmp-x");
    fs::create_hard_link(victim, f.data.dir / "!Tessary.ini.tmp-abcdef");
    ASSERT_TRUE(f.folder.writeAtomic("!Tessary.ini", "JOH=2\r\n"));
    EXPECT_EQ(f.read(victim), "keep me");
    EXPECT_EQ(f.read(f.data.dir / "!Tessary.ini"), "JOH=2\r\n");
    EXPECT_FALSE(fs::is_symlink(f.data.dir / "!Tessary.ini"));
    // A name of our pattern is a leftover and unlinked; others stay.
    EXPECT_EQ(f.names(),
              (std::vector<std::string>{"!Tessary.ini", "!Tessary.ini.tmp", "!Tessary.ini.tmp-x"}));
    fs::create_symlink(victim, f.data.dir / "!Bookmarks.ini");
    ASSERT_TRUE(f.folder.writeAtomic("!Bookmarks.ini", "GEN=2\r\n"));
    EXPECT_EQ(f.read(victim), "keep me");
    EXPECT_EQ(f.read(f.data.dir / "!Bookmarks.ini"), "GEN=2\r\n");
    f.data.write("GEN.TXV", "<9:9>1*\r\n1:1>In the beginning\r\n \r\n");
    fs::create_symlink(victim, f.data.dir / "GEN.TXV.tmp");
    std::ostringstream out;
    ASSERT_TRUE(library::reindexFiles({(f.data.dir / "GEN.TXV").string()}, out)) << out.str();
    EXPECT_EQ(f.read(victim), "keep me");
    EXPECT_EQ(f.read(f.data.dir / "GEN.TXV"), "<1:1>1*\r\n1:1>In the beginning\r\n \r\n");
}

// The replaced file keeps its permissions; a new one gets what the file mask leaves.
TEST(AtomicWrite, TheReplacedFileKeepsItsPermissions) {
    for (const mode_t mode : {0600u, 0640u, 0444u, 0666u}) {
        Folders f;
        f.data.write("!Tessary.ini", "GEN=1\r\n");
        ::chmod((f.data.dir / "!Tessary.ini").c_str(), mode);
        ASSERT_TRUE(f.folder.writeAtomic("!Tessary.ini", "GEN=2\r\n")) << mode;
        EXPECT_EQ(f.mode("!Tessary.ini"), mode);
        EXPECT_EQ(f.read(f.data.dir / "!Tessary.ini"), "GEN=2\r\n");
    }
    Folders f;
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(f.folder.writeAtomic("!Bookmarks.ini", ""));
    ::umask(mask);
    EXPECT_EQ(f.mode("!Bookmarks.ini"), 0644u);
}

// The next start removes the temporary files of our naming, and only those.
TEST(AtomicWrite, StaleTemporaryFilesGoAtStart) {
    Folders f;
    const fs::path victim = f.victim();
    f.data.write("BIBLIO.TXV", "gen@Genesis\r\n");
    f.data.write("START.SEL", "");
    f.data.write("!Tessary.ini", "GEN=1\r\n");
    f.data.write("!Tessary.ini.tmp-Ab12cd", "GEN=");
    f.data.write("!Tessary.ini.tmp", "not ours");
    f.data.write("GEN.TXV.tmp-Ab12cd", "another file's");
    fs::create_symlink(victim, f.data.dir / "!Tessary.ini.tmp-zzzzzz");
    fs::create_directory(f.data.dir / "!Tessary.ini.tmp-folder");
    app::entry(*f.data.p);
    EXPECT_EQ(f.names(), (std::vector<std::string>{"!Tessary.ini", "!Tessary.ini.tmp",
                                                   "!Tessary.ini.tmp-folder", "BIBLIO.TXV",
                                                   "GEN.TXV.tmp-Ab12cd", "START.SEL"}));
    EXPECT_EQ(f.read(victim), "keep me");
    EXPECT_EQ(f.data.p->frmArrays().lstSavePages.items(), (std::vector<std::string>{"GEN=1"}));
}

// A write or rename that fails keeps the old file and leaves no temporary file.
TEST(AtomicWrite, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    Folders f;
    f.data.write("!Tessary.ini", "GEN=3\r\n");
    EXPECT_EQ(
        testing_support::inChildWithSizeLimit(
            4096, [&f] { return f.folder.writeAtomic("!Tessary.ini", std::string(100000, 'x')); }),
        3);
    EXPECT_EQ(f.read(f.data.dir / "!Tessary.ini"), "GEN=3\r\n");
    fs::create_directories(f.data.dir / "busy" / "inside");
    EXPECT_FALSE(f.folder.writeAtomic("busy", "text"));
    EXPECT_TRUE(fs::is_directory(f.data.dir / "busy" / "inside"));
    EXPECT_EQ(f.names(), (std::vector<std::string>{"!Tessary.ini", "busy"}));
}

// A save killed at a random moment leaves the old history or the new one, whole.
TEST(HistoryCrashSafety, KilledDuringTheSave) {
    Folders f;
    std::string before, after;
    auto& list = f.data.p->frmArrays().lstSavePages;
    for (int i = 0; i < 120000; ++i) {
        before += "OLD" + std::to_string(i) + "=1\r\n";
        list.addItem("NEW" + std::to_string(i) + "=" + std::to_string(i % 150 + 1));
        after += list.items().back() + "\r\n";
    }
    // How long a save takes here, to spread the kills over.
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_TRUE(catalogue::writeHistory(*f.data.p));
    const auto micros = static_cast<unsigned long>(50 + (std::chrono::steady_clock::now() - t0) /
                                                            std::chrono::microseconds(1));
    std::mt19937 random(2024);
    int kills = 0;
    for (int round = 0; kills < 60 && round < 300; ++round) {
        ASSERT_TRUE(f.folder.writeAtomic("!Tessary.ini", before));
        int ready[2]; // the child says when its save begins
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        if (child == 0)
            _exit(write(ready[1], "s", 1) == 1 && catalogue::writeHistory(*f.data.p) ? 0 : 3);
        char signal = 0;
        ASSERT_EQ(read(ready[0], &signal, 1), 1);
        close(ready[0]);
        close(ready[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % micros));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        kills += WIFSIGNALED(status) ? 1 : 0;
        const std::string now = f.read(f.data.dir / "!Tessary.ini");
        ASSERT_TRUE(now == before || now == after) << "round " << round << ": " << now.size();
    }
    list.clear();
    catalogue::readHistory(*f.data.p); // clears what the killed saves left
    EXPECT_EQ(f.names(), (std::vector<std::string>{"!Tessary.ini"}));
    EXPECT_GE(kills, 50);
}
