#include <gtest/gtest.h>

#include "formats/history_file.h"
#include "reader/page_history_lookup.h"
#include "ui/screen.h"
#include "ui/window.h"

namespace {

struct NoDialogs : ui::Dialogs {
    ui::Answer message(const std::string&, ui::Buttons, ui::Icon) override {
        return ui::Answer::OK;
    }
};

struct History {
    NoDialogs dialogs;
    ui::Screen screen{dialogs};
    ui::Window window{screen, "frmArrays"};
    ui::ListBox list{window, "lstSavePages"};
    explicit History(const std::vector<std::string>& items) {
        for (const std::string& item : items)
            list.addItem(item);
    }
};

} // namespace

TEST(SavedPage, TheBooksOwnItemOnly) {
    struct Row {
        const char* name;
        std::vector<std::string> items;
        const char* book;
        const char* page;
    };
    const Row rows[] = {
        {"the book's item", {"WIS=3", "GEN=12"}, "GEN.TXV", "12"},
        {"no item", {"WIS=3"}, "ROM.TXV", ""},
        {"page 0 is the first page", {"GEN=0"}, "GEN.TXV", ""},
        {"a page with other characters", {"GEN=1x"}, "GEN.TXV", ""},
        {"an empty page", {"GEN="}, "GEN.TXV", ""},
        {"a longer name first", {"GEN2=2", "GEN=7"}, "GEN.TXV", "7"},
        {"only a longer name", {"GEN2=2"}, "GEN.TXV", ""},
        {"a shorter name first", {"JO=5", "JOH=3"}, "JOH.TXV", "3"},
        {"an item without \"=\"", {"GEN", "GEN=4"}, "GEN.TXV", "4"},
        {"letter case counts", {"gen=9"}, "GEN.TXV", ""},
        {"the first of two items", {"GEN=5", "GEN=6"}, "GEN.TXV", "5"},
        {"a name holding \"=\"", {"A=B=5", "A=3"}, "A=B.TXV", "5"},
    };
    for (const Row& row : rows) {
        History h{row.items};
        EXPECT_EQ(reader::savedPage(h.list, row.book), row.page) << row.name;
    }
}

TEST(RecordPage, ReplacesTheBooksOwnItemOrAppends) {
    struct Row {
        const char* name;
        std::vector<std::string> items;
        const char* book;
        std::vector<std::string> after;
    };
    const Row rows[] = {
        {"replaced in place", {"WIS=2", "GEN=1", "ROM=4"}, "GEN.TXV", {"WIS=2", "GEN=12", "ROM=4"}},
        {"appended", {"WIS=2"}, "GEN.TXV", {"WIS=2", "GEN=12"}},
        {"a longer name is another book's", {"GENX=3"}, "GEN.TXV", {"GENX=3", "GEN=12"}},
        {"a shorter name is another book's", {"GE=3"}, "GEN.TXV", {"GE=3", "GEN=12"}},
        {"an item without \"=\" stays", {"GEN"}, "GEN.TXV", {"GEN", "GEN=12"}},
        {"only the first of two", {"GEN=1", "GEN=2"}, "GEN.TXV", {"GEN=12", "GEN=2"}},
    };
    for (const Row& row : rows) {
        History h{row.items};
        reader::recordPage(h.list, row.book, 12);
        EXPECT_EQ(h.list.items(), row.after) << row.name;
    }
}

TEST(HistoryFile, EveryItemIsRead) {
    struct Row {
        const char* name;
        std::string content;
        std::vector<std::string> items;
    };
    const Row rows[] = {
        {"CR LF", "GEN=2\r\nWIS=3\r\n", {"GEN=2", "WIS=3"}},
        {"no line end at the end", "GEN=2\r\nWIS=3", {"GEN=2", "WIS=3"}},
        {"an empty line in the middle", "GEN=2\r\n\r\nWIS=3\r\n", {"GEN=2", "WIS=3"}},
        {"empty lines first", "\r\n\r\nGEN=2\r\n", {"GEN=2"}},
        {"CR only", "GEN=2\rWIS=3\rROM=4\r", {"GEN=2", "WIS=3", "ROM=4"}},
        {"LF only", "GEN=2\nWIS=3\n", {"GEN=2", "WIS=3"}},
        {"LF CR is two line ends", "GEN=2\n\rWIS=3", {"GEN=2", "WIS=3"}},
        {"a byte-order mark", "\xEF\xBB\xBFGEN=2\r\n", {"GEN=2"}},
        {"empty", "", {}},
        {"blank lines only", "\r\n\r\r\n\n", {}},
        {"lines kept as they are", " GEN = 2 \r\nx\r\n", {" GEN = 2 ", "x"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(formats::readHistoryFile(row.content), row.items) << row.name;
    EXPECT_EQ(formats::historyFileText({"GEN=2", "WIS=3"}), "GEN=2\r\nWIS=3\r\n");
    EXPECT_EQ(formats::historyFileText({}), "");
}
