// The page history file is never lost: one that is there but cannot be read
// is told and left alone for the whole run, and every save or delete that
// fails names the file and the reason and leaves the old file whole.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/frm_arrays.h"
#include "catalogue/page_history.h"
#include "formats/history_file.h"
#include "platform/data_folder.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

const std::string kHistory = "!Tessary.ini";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The ways of keeping or wiping the history, each on a program of its own.
struct Action {
    const char* name;
    const char* verb; // in the message: "saved" or "deleted"
    std::function<void(testing_support::TestProgram&)> act;
};

const Action kActions[] = {
    {"quit with saving", "saved", [](auto& t) { catalogue::quitWithSaving(*t.p); }},
    {"quit deleting the history", "deleted", [](auto& t) { catalogue::quitDeletingHistory(*t.p); }},
    {"delete the history and go on", "deleted", [](auto& t) { catalogue::deleteHistory(*t.p); }},
    {"close the main window, saving", "saved",
     [](auto& t) {
         t.dialogs.next = ui::Answer::Yes;
         EXPECT_TRUE(catalogue::closingMainWindow(*t.p));
     }},
};

std::string unwritten(const testing_support::TestProgram& t, const char* verb,
                      const std::string& why) {
    return std::string("The page history could not be ") + verb + " in " +
           (t.dir / kHistory).string() + ": " + why +
           ". The next start shows the history last saved.";
}

} // namespace

// What stands under the history's name and cannot be read: the reader is
// told at start, and every way of saving or wiping the history says that
// the file is left alone; the file is as it was at the end. (A file the
// program may not read is one of these too, but root reads it.)
TEST(HistoryKept, AFileThatCannotBeReadIsLeftAloneAllRun) {
    const std::string large(formats::kMaxHistoryFileSize + 1, 'x');
    struct Row {
        const char* name;
        std::function<void(const fs::path&)> make;
        std::string why;
        std::function<bool(const fs::path&)> intact;
    };
    const Row rows[] = {
        {"a pipe", [](const fs::path& at) { ASSERT_EQ(mkfifo(at.c_str(), 0600), 0); },
         "Not a regular file", [](const fs::path& at) { return fs::is_fifo(at); }},
        {"a folder", [](const fs::path& at) { fs::create_directories(at / "inside"); },
         "Is a directory", [](const fs::path& at) { return fs::is_directory(at / "inside"); }},
        {"a file too large to read",
         [&large](const fs::path& at) { std::ofstream(at, std::ios::binary) << large; },
         "it is larger than 16 MB", [&large](const fs::path& at) { return readFile(at) == large; }},
    };
    for (const Row& row : rows) {
        for (const Action& action : kActions) {
            SCOPED_TRACE(std::string(row.name) + ", " + action.name);
            testing_support::TestProgram t;
            const fs::path at = t.dir / kHistory;
            row.make(at);
            catalogue::readHistory(*t.p);
            ASSERT_EQ(t.dialogs.shown.size(), 1u);
            EXPECT_EQ(t.dialogs.shown[0],
                      "The page history could not be read from " + at.string() + ": " + row.why +
                          ". It is left as it is; the pages read until Tessary ends are not "
                          "saved in it.");
            t.p->frmArrays().lstSavePages.addItem("GEN=2");
            action.act(t);
            EXPECT_EQ(t.dialogs.shown.back(),
                      unwritten(t, action.verb,
                                "it could not be read when Tessary started (" + row.why +
                                    ") and is left as it is"));
            EXPECT_TRUE(row.intact(at));
            // Nothing else was left in the folder.
            EXPECT_EQ(std::distance(fs::directory_iterator(t.dir), fs::directory_iterator()), 1);
        }
    }
}

// Only a missing file is made anew; an empty one is an empty history.
TEST(HistoryKept, OnlyAMissingFileIsMadeAnew) {
    testing_support::TestProgram missing;
    catalogue::readHistory(*missing.p);
    EXPECT_EQ(missing.dialogs.shown,
              std::vector<std::string>{
                  "Missing or corrupted !Tessary.ini File Found in sub Main2, recreating file"});
    EXPECT_EQ(readFile(missing.dir / kHistory), "");

    testing_support::TestProgram empty;
    empty.write(kHistory, "");
    catalogue::readHistory(*empty.p);
    EXPECT_TRUE(empty.dialogs.shown.empty());
    catalogue::quitWithSaving(*empty.p);
    EXPECT_TRUE(empty.dialogs.shown.empty());
}

// A save or a delete cut short by the file size limit (which binds root
// too) names the file and the reason, and the old history stays whole.
TEST(HistoryKept, AWriteCutShortIsToldAndKeepsTheOldFile) {
    for (const Action& action : kActions) {
        // A delete writes nothing: the limit cannot cut it short.
        if (std::string(action.verb) == "deleted")
            continue;
        SCOPED_TRACE(action.name);
        testing_support::TestProgram t;
        const std::string old = "GEN=3\r\nWIS=2\r\n";
        t.write(kHistory, old);
        catalogue::readHistory(*t.p);
        t.p->frmArrays().lstSavePages.addItem("ROM=8");
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            platform::failWritesPastTheSizeLimit();
            const rlimit limit{8, 8};
            setrlimit(RLIMIT_FSIZE, &limit);
            action.act(t);
            const bool told = !t.dialogs.shown.empty() &&
                              t.dialogs.shown.back() == unwritten(t, action.verb, "File too large");
            _exit(told ? 0 : 3);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
        EXPECT_EQ(readFile(t.dir / kHistory), old);
    }
}
