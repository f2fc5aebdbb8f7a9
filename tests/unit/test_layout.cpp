#include <vector>

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
    struct Pane {
        ui::Window& window;
        ui::Control& filler;
        int windowMargin, fillerMargin;
    };
    const Pane panes[] = {
        {p.frmList0(), p.frmList0().lstMain0, 779, 78},
        {p.frmList1(), p.frmList1().lstMain1, 756, 78},
        {p.frmList2(), p.frmList2().lstMain2, 856, 78},
        {p.frmFind6(), p.frmFind6().TextF, 770, 135},
        {p.frmtext0(), p.frmtext0().Text1, 770, 52},
        {p.frmText1(), p.frmText1().Text1, 730, 90},
    };
    for (const Pane& pane : panes) {
        EXPECT_EQ(pane.window.Height, 9000 - pane.windowMargin) << pane.window.name();
        EXPECT_EQ(pane.filler.Height, 500 - pane.fillerMargin + 100) << pane.window.name();
    }
}

// Which heights re-fit: a maximised window is fitted like any other (it
// left the lower part of the main window empty); the load height keeps the
// designed sizes until a re-fit changed them, and then fits again (a window
// restored after a maximise kept children taller than itself).
TEST(Layout, WhichResizesRefitTheChildren) {
    struct Step {
        int height;
        ui::WindowState state;
        int list2Height;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
    } rows[] = {
        {"load height at start keeps the design", {{6000, ui::WindowState::Normal, 5300}}},
        {"maximised", {{9000, ui::WindowState::Maximized, 9000 - 856}}},
        {"maximised, then restored to the load height",
         {{9000, ui::WindowState::Maximized, 9000 - 856},
          {6000, ui::WindowState::Normal, 6000 - 856}}},
        {"minimised keeps the last fit",
         {{9000, ui::WindowState::Normal, 9000 - 856},
          {3000, ui::WindowState::Minimized, 9000 - 856}}},
        {"below 2160 keeps the last fit",
         {{9000, ui::WindowState::Normal, 9000 - 856},
          {2159, ui::WindowState::Normal, 9000 - 856}}},
        {"below 2160 at start keeps the design", {{2159, ui::WindowState::Normal, 5300}}},
        {"2160 is fitted", {{2160, ui::WindowState::Normal, 2160 - 856}}},
    };
    for (const auto& row : rows) {
        Resized r;
        for (const Step& step : row.steps) {
            r.resize(step.height, step.state);
            EXPECT_EQ(r.p->frmList2().Height, step.list2Height)
                << row.name << " at " << step.height;
        }
    }
}

// Heights past the 16-bit range are clamped, not wrapped into negatives.
TEST(Layout, AHugeMainWindowIsClampedTo16Bits) {
    Resized r;
    r.resize(100000);
    EXPECT_EQ(r.p->frmList0().Height, 32767 - 779);
    EXPECT_EQ(r.p->frmList0().lstMain0.Height, 32767 / 18 - 78 + 32767 / 18 / 5);
}
