// The page history: a book's saved page, the file, and failures that never lose it.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "app/frm_arrays.h"
#include "catalogue/page_history.h"
#include "formats/history_file.h"
#include "platform/data_folder.h"
#include "reader/page_history_lookup.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

const std::string kHistory = "!Tessary.ini";
using testing_support::readFile;

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

TEST(PageHistory, AnUnreadableFileOrAWriteCutShortLeavesTheOldFile) {
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
    // A save cut short by the file size limit (which binds root too) keeps the old file.
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
        const auto told = [&] {
            action.act(t);
            return !t.dialogs.shown.empty() &&
                   t.dialogs.shown.back() == unwritten(t, action.verb, "File too large");
        };
        EXPECT_EQ(testing_support::inChildWithSizeLimit(8, told), 0);
        EXPECT_EQ(readFile(t.dir / kHistory), old);
    }
}

// The first item named exactly as the book before its last "="; recording replaces or appends.
TEST(PageHistory, TheBooksOwnItemOnlyAndEveryItemOfTheFile) {
    testing_support::TestProgram t;
    ui::ListBox& list = t.p->frmArrays().lstSavePages;
    const auto fill = [&list](const std::vector<std::string>& items) {
        list.clear();
        for (const std::string& item : items)
            list.addItem(item);
    };
    using Items = std::vector<std::string>;
    for (const auto& [items, book, page] : {std::tuple{Items{"WIS=3", "GEN=12"}, "GEN.TXV", "12"},
                                            {Items{"GEN=1x"}, "GEN.TXV", ""},
                                            {Items{"GEN="}, "GEN.TXV", ""},
                                            {Items{"GEN2=2", "GEN=7"}, "GEN.TXV", "7"},
                                            {Items{"JO=5", "JOH=3"}, "JOH.TXV", "3"},
                                            {Items{"GEN", "GEN=4"}, "GEN.TXV", "4"},
                                            {Items{"gen=9"}, "GEN.TXV", ""},
                                            {Items{"GEN=5", "GEN=6"}, "GEN.TXV", "5"},
                                            {Items{"A=B=5", "A=3"}, "A=B.TXV", "5"}}) {
        fill(items);
        EXPECT_EQ(reader::savedPage(list, book), page) << items[0] << " " << book;
    }
    for (const auto& [items, after] : {std::pair{Items{"GENX=3"}, Items{"GENX=3", "GEN=12"}},
                                       {Items{"GE=3"}, Items{"GE=3", "GEN=12"}},
                                       {Items{"GEN"}, Items{"GEN", "GEN=12"}},
                                       {Items{"GEN=1", "GEN=2"}, Items{"GEN=12", "GEN=2"}}}) {
        fill(items);
        reader::recordPage(list, "GEN.TXV", 12);
        EXPECT_EQ(list.items(), after) << items[0];
    }
    // The file: every non-empty line an item, whatever its line ends or a byte-order mark.
    for (const auto& [content, items] :
         {std::pair{std::string("GEN=2\r\nWIS=3\r\n"), Items{"GEN=2", "WIS=3"}},
          {"GEN=2\r\n\r\nWIS=3\r\n", Items{"GEN=2", "WIS=3"}},
          {"\r\n\r\nGEN=2\r\n", Items{"GEN=2"}},
          {"GEN=2\nWIS=3\n", Items{"GEN=2", "WIS=3"}},
          {"GEN=2\n\rWIS=3", Items{"GEN=2", "WIS=3"}},
          {"\xEF\xBB\xBFGEN=2\r\n", Items{"GEN=2"}},
          {"", Items{}},
          {"\r\n\r\r\n\n", Items{}},
          {" GEN = 2 \r\nx\r\n", Items{" GEN = 2 ", "x"}}})
        EXPECT_EQ(formats::readHistoryFile(content), items) << content;
    EXPECT_EQ(formats::historyFileText({}), "");
}
