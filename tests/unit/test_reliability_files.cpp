// The files the program and tessary-library write: never through a link
// planted in the data folder, never half written, no temporary file left
// behind for good.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "app/frm_arrays.h"
#include "app/program.h"
#include "catalogue/page_history.h"
#include "formats/letter_case.h"
#include "library/index_file.h"
#include "platform/data_folder.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

struct Folders {
    testing_support::TestProgram data; // the data folder
    testing_support::TestProgram outside;
    platform::DataFolder folder{data.dir.string(), formats::lowerText};

    std::string read(const fs::path& path) const {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // A file outside the data folder that nothing may change.
    fs::path victim() const {
        outside.write("victim", "keep me");
        return outside.dir / "victim";
    }
    // The names in the data folder, sorted.
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& e : fs::directory_iterator(data.dir))
            all.push_back(e.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    }
};

} // namespace

// A link planted at the old fixed temporary name made the save write the
// history into the file it pointed to, outside the data folder.
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
    // Names not of our pattern stay; one of our pattern is taken for a
    // leftover and unlinked, which leaves what it linked to as it was.
    EXPECT_EQ(f.names(),
              (std::vector<std::string>{"!Tessary.ini", "!Tessary.ini.tmp", "!Tessary.ini.tmp-x"}));
}

TEST(AtomicWrite, TheBookIndexerNeverWritesThroughALink) {
    Folders f;
    const fs::path victim = f.victim();
    f.data.write("GEN.TXV", "<9:9>1*\r\n1:1>In the beginning\r\n \r\n");
    fs::create_symlink(victim, f.data.dir / "GEN.TXV.tmp");
    std::ostringstream out;
    ASSERT_TRUE(library::reindexFiles({(f.data.dir / "GEN.TXV").string()}, out)) << out.str();
    EXPECT_EQ(f.read(victim), "keep me");
    EXPECT_EQ(f.read(f.data.dir / "GEN.TXV"), "<1:1>1*\r\n1:1>In the beginning\r\n \r\n");
}

// Every index made a private book readable by all: the new file took the
// default permissions instead of the old file's.
TEST(AtomicWrite, TheBookIndexerKeepsTheBooksPermissions) {
    Folders f;
    f.data.write("GEN.TXV", "<9:9>1*\r\n1:1>In the beginning\r\n \r\n");
    fs::permissions(f.data.dir / "GEN.TXV", fs::perms::owner_read | fs::perms::owner_write);
    std::ostringstream out;
    ASSERT_TRUE(library::reindexFiles({(f.data.dir / "GEN.TXV").string()}, out)) << out.str();
    EXPECT_EQ(fs::status(f.data.dir / "GEN.TXV").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(f.read(f.data.dir / "GEN.TXV"), "<1:1>1*\r\n1:1>In the beginning\r\n \r\n");
}

TEST(AtomicWrite, TemporaryNamesAreRecognisablyOurs) {
    using platform::DataFolder;
    EXPECT_TRUE(DataFolder::isTempName("!Tessary.ini.tmp-a1B2c3", "!Tessary.ini"));
    for (const char* other : {"!Tessary.ini.tmp", "!Tessary.ini.tmp-a1B2c",
                              "!Tessary.ini.tmp-a1B2c3d", "!Tessary.ini.tmp-a1/2c3",
                              "!Tessary.ini.tmp-a1.2c3", "GEN.TXV.tmp-a1B2c3", "!Tessary.ini"})
        EXPECT_FALSE(DataFolder::isTempName(other, "!Tessary.ini")) << other;
}

// A save cut short left its temporary file for good; the next start
// removes those of our naming, and only those.
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

// A write that fails half-way (here: the file size limit) keeps the old
// file and removes its temporary file.
TEST(AtomicWrite, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    Folders f;
    f.data.write("!Tessary.ini", "GEN=3\r\n");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(f.folder.writeAtomic("!Tessary.ini", std::string(100000, 'x')) ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);
    EXPECT_EQ(f.read(f.data.dir / "!Tessary.ini"), "GEN=3\r\n");
    EXPECT_EQ(f.names(), (std::vector<std::string>{"!Tessary.ini"}));
}

TEST(AtomicWrite, AFailedRenameLeavesNoTemporaryFile) {
    Folders f;
    fs::create_directories(f.data.dir / "busy" / "inside");
    EXPECT_FALSE(f.folder.writeAtomic("busy", "text"));
    EXPECT_TRUE(fs::is_directory(f.data.dir / "busy" / "inside"));
    EXPECT_EQ(f.names(), (std::vector<std::string>{"busy"}));
}

// A child saves a large history and is killed at a random moment; whatever
// the moment, the file is the old history or the new one, whole. Every other
// save is the program's own (the history list made into text, then written);
// the rest write the text made beforehand, so that more kills fall inside
// the writing of the file itself.
TEST(HistoryCrashSafety, KilledDuringTheSave) {
    Folders f;
    std::string before, after;
    auto& list = f.data.p->frmArrays().lstSavePages;
    for (int i = 0; i < 120000; ++i) {
        before += "OLD" + std::to_string(i) + "=1\r\n";
        list.addItem("NEW" + std::to_string(i) + "=" + std::to_string(i % 150 + 1));
        after += list.items().back() + "\r\n";
    }
    auto save = [&](bool programSave) {
        return programSave ? catalogue::writeHistory(*f.data.p)
                           : f.folder.writeAtomic("!Tessary.ini", after);
    };

    // How long each kind of save takes here (the longest of three), to spread the kills over it.
    long micros[2] = {50, 50};
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(f.folder.writeAtomic("!Tessary.ini", before));
        const auto t0 = std::chrono::steady_clock::now();
        ASSERT_TRUE(save(i % 2 == 1));
        const auto took = std::chrono::steady_clock::now() - t0;
        micros[i % 2] = std::max<long>(
            micros[i % 2], std::chrono::duration_cast<std::chrono::microseconds>(took).count());
    }

    std::mt19937 random(2024);
    int kills = 0, rounds = 0, old = 0, fresh = 0, midSave = 0;
    for (; kills < 60 && rounds < 300; ++rounds) {
        const bool programSave = rounds % 2 == 1;
        ASSERT_TRUE(f.folder.writeAtomic("!Tessary.ini", before));
        // The child says when its save begins, so that the kill falls inside it.
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            const bool saving = write(ready[1], "s", 1) == 1;
            _exit(saving && save(programSave) ? 0 : 3);
        }
        close(ready[1]);
        char signal = 0;
        ASSERT_EQ(read(ready[0], &signal, 1), 1);
        close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(
            random() % static_cast<unsigned long>(micros[programSave ? 1 : 0])));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        kills += WIFSIGNALED(status) ? 1 : 0;
        const std::string now = f.read(f.data.dir / "!Tessary.ini");
        ASSERT_TRUE(now == before || now == after)
            << "round " << rounds << ": " << now.size() << " bytes";
        (now == before ? old : fresh)++;
        // A temporary file left behind: the kill came while the file was being written.
        midSave += f.names().size() > 1 ? 1 : 0;
    }
    // The next start clears what the killed saves left.
    list.clear();
    catalogue::readHistory(*f.data.p);
    EXPECT_EQ(f.names(), (std::vector<std::string>{"!Tessary.ini"}));
    std::cout << "history crash safety: " << kills << " kills in " << rounds << " saves of "
              << after.size() << " bytes (a save takes up to " << micros[1] << " us, its writing "
              << micros[0] << " us); " << old << " left the old history, " << fresh
              << " the new one, none torn; " << midSave << " came while the file was written\n";
    EXPECT_GE(kills, 50);
}
