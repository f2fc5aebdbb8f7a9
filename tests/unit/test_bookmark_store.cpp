// The bookmark list kept in its file: read at start, saved at every change,
// and every file that cannot be read or written told to the reader, with the
// file left as it was.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "formats/bookmark_file.h"
#include "platform/data_folder.h"
#include "reader/bookmark_store.h"
#include "reader/bookmarks.h"
#include "reader/frm_bkmrk.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using namespace std::string_literals;

const std::string kFile = "!Bookmarks.ini";
const std::string kReadFailure = "The book marks could not be read from !Bookmarks.ini: ";
const std::string kReadEnd = ". The list starts empty; the file is left as it is until you set "
                             "or clear book marks.";
// A file that is there but cannot be read is left alone for the whole run.
const std::string kUnreadEnd = ". The list starts empty; the file is left as it is, and book "
                               "marks set until Tessary ends are not saved in it.";
std::string leftAlone(const std::string& why) {
    return "it could not be read when Tessary started (" + why + ") and is left as it is";
}
// A failed save names the file by its whole path.
std::string saveFailure(const fs::path& dir) {
    return "The book marks could not be saved in " + (dir / "!Bookmarks.ini").string() + ": ";
}
const std::string kSaveEnd =
    ". They are kept until Tessary ends; the next start shows the book marks last saved.";

struct Store : testing_support::TestProgram {
    Store() { s().BookTitle = "Letters, collected"; }
    std::string read(const std::string& name = kFile) const {
        std::ifstream in(dir / name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& e : fs::directory_iterator(dir))
            all.push_back(e.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    }
    // The list as the reader would find it (without loading the window).
    std::vector<std::string> items() {
        ui::Window* w = p->window("frmBkMrk");
        return w->loaded() ? p->frmBkMrk().lstBkMrk.items() : std::vector<std::string>{};
    }
    void mark(const std::string& key) { reader::setBookmark(*p, key); }
    void clear() { p->frmBkMrk().btnClear.click(); }
};

// Whether this process is refused reading path (root is not).
bool cannotRead(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return !in.is_open();
}

// Whether this process is refused creating a file in dir (root is not).
bool cannotCreateIn(const fs::path& dir) {
    const fs::path probe = dir / "probe";
    const bool created = std::ofstream(probe).is_open();
    std::error_code ec;
    fs::remove(probe, ec);
    return !created;
}

struct ReadRow {
    const char* name;
    std::string content;
    std::vector<std::string> items;
    std::string message; // empty: no message
};

} // namespace

TEST(BookmarkStore, ReadAtStart) {
    const ReadRow rows[] = {
        {"two bookmarks in their order",
         "Letters-2:1\r\nJohn--3:16\r\n",
         {"Letters-2:1", "John--3:16"},
         ""},
        {"an empty file", "", {}, ""},
        {"a line that is no bookmark",
         "Letters-2:1\r\nChapter two\r\n",
         {},
         kReadFailure + "line 2 is not a book mark" + kReadEnd},
        {"a NUL byte",
         "Letters-2:1\0\r\n"s,
         {},
         kReadFailure + "line 1 holds a control character" + kReadEnd},
        {"a file too large",
         std::string(formats::kMaxBookmarkFileSize + 5, 'x'),
         {},
         kReadFailure + "it is larger than 2056192 bytes" + kReadEnd},
    };
    for (const ReadRow& r : rows) {
        SCOPED_TRACE(r.name);
        Store t;
        t.write(kFile, r.content);
        reader::readBookmarks(*t.p);
        EXPECT_EQ(t.items(), r.items);
        EXPECT_EQ(t.dialogs.shown,
                  r.message.empty() ? std::vector<std::string>{} : std::vector{r.message});
        // Reading never writes: a damaged file stays for the reader to look at.
        EXPECT_EQ(t.read(), r.content);
        EXPECT_EQ(t.names(), std::vector<std::string>{kFile});
        EXPECT_FALSE(t.p->window("frmBkMrk")->visible());
    }
}

TEST(BookmarkStore, NoFileIsAnEmptyListAndNothingWritten) {
    Store t;
    reader::readBookmarks(*t.p);
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_FALSE(t.p->window("frmBkMrk")->loaded());
    EXPECT_TRUE(t.names().empty());
}

// The file found under another letter case is the one read and replaced;
// temporary files left by a cut save go.
TEST(BookmarkStore, TheFileOfAnotherCaseIsReadAndReplaced) {
    Store t;
    t.write("!BOOKMARKS.INI", "Letters-2:1\r\n");
    t.write("!BOOKMARKS.INI.tmp-Ab12cd", "Lett");
    reader::readBookmarks(*t.p);
    EXPECT_EQ(t.items(), std::vector<std::string>{"Letters-2:1"});
    t.mark("3:4");
    EXPECT_EQ(t.names(), std::vector<std::string>{"!BOOKMARKS.INI"});
    EXPECT_EQ(t.read("!BOOKMARKS.INI"), "Letters-2:1\r\nLetters-3:4\r\n");
}

TEST(BookmarkStore, EveryChangeIsSavedAndClearIsForGood) {
    Store t;
    t.mark("2:1");
    EXPECT_EQ(t.read(), "Letters-2:1\r\n");
    t.s().BookTitle = "John";
    t.s().BibleMode = true;
    t.mark("3:16");
    EXPECT_EQ(t.read(), "Letters-2:1\r\nJohn--3:16\r\n");
    // A bookmark the list holds: the message, and the file as it was.
    t.mark("3:16");
    EXPECT_EQ(t.dialogs.shown, std::vector<std::string>{"Book Mark already exists"});
    EXPECT_EQ(t.read(), "Letters-2:1\r\nJohn--3:16\r\n");
    t.clear();
    EXPECT_EQ(t.names(), std::vector<std::string>{kFile});
    EXPECT_EQ(t.read(), "");
    EXPECT_TRUE(reader::saveBookmarks(*t.p));
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
    // The next start finds the list as it was left.
    t.mark("1:1");
    Store next;
    fs::copy_file(t.dir / kFile, next.dir / kFile);
    reader::readBookmarks(*next.p);
    EXPECT_EQ(next.items(), std::vector<std::string>{"John--1:1"});
}

// A damaged file stays until the reader changes the list; the change then
// replaces it with the list as it now is.
TEST(BookmarkStore, ADamagedFileIsReplacedByTheNextChangeOnly) {
    Store t;
    t.write(kFile, "Letters-2:1\r\nnot a bookmark\r\n");
    reader::readBookmarks(*t.p);
    EXPECT_EQ(t.read(), "Letters-2:1\r\nnot a bookmark\r\n");
    t.mark("5:1");
    EXPECT_EQ(t.read(), "Letters-5:1\r\n");
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
}

// Items the file could not give back are not set; nor is one more than the
// list may hold. Neither touches the file.
TEST(BookmarkStore, ItemsTheFileCannotHoldAreRefused) {
    Store t;
    t.mark("7");                      // no ":" to follow
    t.s().BookTitle = "Bad\x01Title"; // a control character from a damaged table
    t.mark("1:1");
    EXPECT_EQ(t.dialogs.shown, std::vector<std::string>(2, "Book Mark cannot be set here"));
    EXPECT_TRUE(t.items().empty());
    EXPECT_TRUE(t.names().empty());

    Store full;
    std::vector<std::string> items;
    for (size_t i = 0; i < formats::kMaxBookmarks; ++i)
        items.push_back("Letters-1:" + std::to_string(i));
    full.write(kFile, formats::bookmarkFileText(items));
    reader::readBookmarks(*full.p);
    ASSERT_EQ(full.items().size(), formats::kMaxBookmarks);
    full.mark("9:9");
    EXPECT_EQ(full.dialogs.shown,
              std::vector<std::string>{"Book Mark list is full (4096 book marks)"});
    EXPECT_EQ(full.items().size(), formats::kMaxBookmarks);
    EXPECT_EQ(full.read(), formats::bookmarkFileText(items));
}

// A file the program may not read: the reason, and the file kept. Root reads
// it all the same, and then the list is the file's.
TEST(BookmarkStore, AFileThatCannotBeOpenedIsToldWithItsReason) {
    Store t;
    t.write(kFile, "Letters-2:1\r\n");
    fs::permissions(t.dir / kFile, fs::perms::none);
    const bool refused = cannotRead(t.dir / kFile);
    reader::readBookmarks(*t.p);
    fs::permissions(t.dir / kFile, fs::perms::owner_read | fs::perms::owner_write);
    if (refused) {
        EXPECT_EQ(t.dialogs.shown,
                  std::vector<std::string>{kReadFailure + "Permission denied" + kUnreadEnd});
        EXPECT_TRUE(t.items().empty());
    } else {
        EXPECT_TRUE(t.dialogs.shown.empty());
        EXPECT_EQ(t.items(), std::vector<std::string>{"Letters-2:1"});
    }
    EXPECT_EQ(t.read(), "Letters-2:1\r\n");
}

// Things that stand under the file's name and are no file: each is told,
// for root too, and left alone: a bookmark set is kept for the run, and
// every save says why it is not written.
TEST(BookmarkStore, WhatIsNoFileIsToldAndNeverWaitedOn) {
    Store folder;
    fs::create_directories(folder.dir / kFile / "inside");
    reader::readBookmarks(*folder.p);
    folder.mark("2:1");
    EXPECT_EQ(folder.dialogs.shown,
              (std::vector<std::string>{kReadFailure + "Is a directory" + kUnreadEnd,
                                        saveFailure(folder.dir) + leftAlone("Is a directory") +
                                            kSaveEnd}));
    EXPECT_FALSE(reader::saveBookmarks(*folder.p));
    // The bookmark is set for this run all the same.
    EXPECT_EQ(folder.items(), std::vector<std::string>{"Letters-2:1"});
    EXPECT_TRUE(fs::is_directory(folder.dir / kFile / "inside"));
    EXPECT_EQ(folder.names(), std::vector<std::string>{kFile});

    // A pipe would block a plain read for ever; a save could rename over it,
    // and does not.
    Store pipe;
    ASSERT_EQ(mkfifo((pipe.dir / kFile).c_str(), 0600), 0);
    reader::readBookmarks(*pipe.p);
    pipe.mark("2:1");
    pipe.clear();
    EXPECT_EQ(pipe.dialogs.shown,
              (std::vector<std::string>{
                  kReadFailure + "Not a regular file" + kUnreadEnd,
                  saveFailure(pipe.dir) + leftAlone("Not a regular file") + kSaveEnd,
                  saveFailure(pipe.dir) + leftAlone("Not a regular file") + kSaveEnd}));
    EXPECT_TRUE(fs::is_fifo(pipe.dir / kFile));
    EXPECT_EQ(pipe.names(), std::vector<std::string>{kFile});
}

// A folder the program may not write in: set and Clear each tell the reader,
// the list changes for this run, and the file keeps the last saved list.
TEST(BookmarkStore, AFailedSaveIsToldAndTheFileKeepsTheLastSavedList) {
    Store t;
    t.write(kFile, "Letters-2:1\r\n");
    reader::readBookmarks(*t.p);
    fs::permissions(t.dir, fs::perms::owner_read | fs::perms::owner_exec);
    const bool refused = cannotCreateIn(t.dir);
    t.mark("3:1");
    t.clear();
    fs::permissions(t.dir, fs::perms::owner_all);
    EXPECT_TRUE(t.items().empty());
    if (refused) {
        EXPECT_EQ(t.dialogs.shown,
                  std::vector<std::string>(2, saveFailure(t.dir) + "Permission denied" + kSaveEnd));
        EXPECT_EQ(t.read(), "Letters-2:1\r\n");
    } else {
        EXPECT_TRUE(t.dialogs.shown.empty());
        EXPECT_EQ(t.read(), "");
    }
    EXPECT_EQ(t.names(), std::vector<std::string>{kFile});
}

// A write that fails half-way (here: the file size limit, which binds root
// too) is told with its own reason and leaves the old file.
TEST(BookmarkStore, AWriteCutShortIsToldWithItsReason) {
    Store t;
    t.write(kFile, "Letters-2:1\r\n");
    reader::readBookmarks(*t.p);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        platform::failWritesPastTheSizeLimit();
        const rlimit limit{16, 16};
        setrlimit(RLIMIT_FSIZE, &limit);
        t.mark("3:1");
        _exit(t.dialogs.shown == std::vector{saveFailure(t.dir) + "File too large" + kSaveEnd} ? 0
                                                                                               : 3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(t.read(), "Letters-2:1\r\n");
    EXPECT_EQ(t.names(), std::vector<std::string>{kFile});
}
