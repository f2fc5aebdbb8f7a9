#include <gtest/gtest.h>

#include "catalogue/frm_select.h"
#include "test_support.h"
#include "ui/value.h"

TEST(TopicGrid, UpOneLevelStaysOverCellZeroAfterEveryShow) {
    testing_support::TestProgram t;
    catalogue::FrmSelect& grid = t.p->frmSelectA();
    ui::TextBox& cell0 = *grid.Cell[0];
    EXPECT_GT(grid.btnBack.zOrder(), cell0.zOrder());
    // Something raised the cell while the window was hidden.
    grid.hide();
    cell0.bringToFront();
    grid.show();
    EXPECT_GT(grid.btnBack.zOrder(), cell0.zOrder());
}

TEST(TopicGrid, CellsWithoutATopicDoNothing) {
    testing_support::TestProgram t;
    catalogue::FrmSelect& grid = t.p->frmSelectA();
    t.s().BibleMode = true;
    t.s().FindAllLast = 2;
    // A target left in the list by a longer list before it.
    t.s().FindAllFiles[3] = "STALE";
    for (int i : {0, 3, 38})
        grid.openCell(i);
    EXPECT_TRUE(t.s().BibleMode);
    EXPECT_EQ(t.s().FindAllFiles[0], "");
    EXPECT_EQ(t.s().SelectForm, "");
    EXPECT_EQ(grid.Cell[3]->backColor(), ui::kWhite);
    // A cell with a topic takes it, even one whose target opens nothing.
    t.s().FindAllFiles[2] = "nothing here:-";
    grid.Cell[2]->click();
    EXPECT_FALSE(t.s().BibleMode);
    EXPECT_EQ(t.s().FindAllFiles[0], "nothing here:-");
    EXPECT_EQ(t.s().SelectForm, "frmSelectA");
    EXPECT_EQ(grid.Cell[2]->backColor(), ui::kLightGrey);
    EXPECT_EQ(grid.Cell[1]->backColor(), ui::kWhite);
}
