#include <gtest/gtest.h>

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
    explicit History(std::initializer_list<const char*> items) {
        for (const char* item : items)
            list.addItem(item);
    }
};

} // namespace

TEST(SavedPage, ThePageAfterTheStemAndItsEqualsSign) {
    History h{"WIS=3", "GEN=12"};
    EXPECT_EQ(reader::savedPage(h.list, "GEN.TXV"), "12");
    EXPECT_EQ(reader::savedPage(h.list, "ROM.TXV"), "");
}

TEST(SavedPage, PagesThatAreNotUsable) {
    // Page 0 and a page part with other characters mean the first page.
    History zero{"GEN=0"};
    EXPECT_EQ(reader::savedPage(zero.list, "GEN.TXV"), "");
    History junk{"GEN=1x"};
    EXPECT_EQ(reader::savedPage(junk.list, "GEN.TXV"), "");
    // A book whose stem begins another book's stem takes that item when it
    // comes first: "JO" matches "JOH=3", whose page part is "H=3".
    History prefix{"JOH=3", "JO=5"};
    EXPECT_EQ(reader::savedPage(prefix.list, "JO.TXV"), "");
}

TEST(RecordPage, ReplacesTheFirstItemOfTheStemOrAppends) {
    History h{"GENX=3", "WIS=2"};
    reader::recordPage(h.list, "GEN.TXV", 12); // GENX begins with GEN: replaced
    EXPECT_EQ(h.list.list(0), "GEN=12");
    reader::recordPage(h.list, "ROM.TXV", 1);
    EXPECT_EQ(h.list.listCount(), 3);
    EXPECT_EQ(h.list.list(2), "ROM=1");
}
