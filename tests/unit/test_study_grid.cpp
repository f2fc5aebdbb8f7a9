#include <gtest/gtest.h>

#include "catalogue/frm_select.h"
#include "test_support.h"

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
