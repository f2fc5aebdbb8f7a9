#include <gtest/gtest.h>

#include "catalogue/frm_list0.h"
#include "catalogue/frm_list1.h"
#include "catalogue/frm_list2.h"
#include "reader/frm_text1.h"
#include "search/frm_find6.h"
#include "shell/frm_main.h"
#include "shell/frm_text0.h"
#include "test_support.h"

namespace {

struct Resized : testing_support::TestProgram {
    shell::FrmMain& main = p->frmMain();
    void resize(int height, ui::WindowState state = ui::WindowState::Normal) {
        main.setWindowState(state);
        main.setHeight(height);
        main.onResize();
    }
};

} // namespace

// At 9000 twips the unit is 500 and the extra 100: each window loses its
// own margin in twips, the control that fills it its own in pixels.
TEST(Layout, EveryPaneWindowAndItsFillerFollowTheMainWindow) {
    Resized r;
    r.resize(9000);
    app::Program& p = *r.p;
    EXPECT_EQ(p.frmList0().Height, 9000 - 779);
    EXPECT_EQ(p.frmList0().lstMain0.Height, 500 - 78 + 100);
    EXPECT_EQ(p.frmList1().Height, 9000 - 756);
    EXPECT_EQ(p.frmList1().lstMain1.Height, 500 - 78 + 100);
    EXPECT_EQ(p.frmList2().Height, 9000 - 856);
    EXPECT_EQ(p.frmList2().lstMain2.Height, 500 - 78 + 100);
    EXPECT_EQ(p.frmFind6().Height, 9000 - 770);
    EXPECT_EQ(p.frmFind6().TextF.Height, 500 - 135 + 100);
    EXPECT_EQ(p.frmtext0().Height, 9000 - 770);
    EXPECT_EQ(p.frmtext0().Text1.Height, 500 - 52 + 100);
    EXPECT_EQ(p.frmText1().Height, 9000 - 730);
    EXPECT_EQ(p.frmText1().Text1.Height, 500 - 90 + 100);
}

TEST(Layout, AMaximisedOrTooLowMainWindowRefitsNothing) {
    Resized r;
    r.resize(9000, ui::WindowState::Maximized);
    EXPECT_EQ(r.p->frmList2().Height, 5300);
    r.resize(2159);
    EXPECT_EQ(r.p->frmList2().Height, 5300);
    r.resize(2160);
    EXPECT_EQ(r.p->frmList2().Height, 2160 - 856);
}

// Heights past the 16-bit range are clamped, not wrapped into negatives.
TEST(Layout, AHugeMainWindowIsClampedTo16Bits) {
    Resized r;
    r.resize(100000);
    EXPECT_EQ(r.p->frmList0().Height, 32767 - 779);
    EXPECT_EQ(r.p->frmList0().lstMain0.Height, 32767 / 18 - 78 + 32767 / 18 / 5);
}
