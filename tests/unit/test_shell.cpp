// The main window's children fitted to its height; the right-button help box.
#include <vector>

#include <gtest/gtest.h>

#include "catalogue/frm_list0.h"
#include "catalogue/frm_list2.h"
#include "shell/control_help.h"
#include "shell/frm_main.h"
#include "shell/frm_msg.h"
#include "test_support.h"
#include "ui/window.h"

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

// Maximised fits like any other; the load height keeps the design until a re-fit.
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
        {"maximised, then restored to the load height",
         {{9000, ui::WindowState::Maximized, 9000 - 856},
          {6000, ui::WindowState::Normal, 6000 - 856}}},
        {"minimised keeps the last fit",
         {{9000, ui::WindowState::Normal, 9000 - 856},
          {3000, ui::WindowState::Minimized, 9000 - 856}}},
        {"below 2160 at start keeps the design", {{2159, ui::WindowState::Normal, 5300}}},
    };
    for (const auto& row : rows) {
        Resized r;
        for (const Step& step : row.steps) {
            r.resize(step.height, step.state);
            EXPECT_EQ(r.p->frmList2().Height, step.list2Height)
                << row.name << " at " << step.height;
        }
    }
    // Heights past the 16-bit range are clamped, not wrapped into negatives.
    Resized r;
    r.resize(100000);
    EXPECT_EQ(r.p->frmList0().Height, 32767 - 779);
    EXPECT_EQ(r.p->frmList0().lstMain0.Height, 32767 / 18 - 78 + 32767 / 18 / 5);
}

namespace {

// A window with one button that explains itself and counts its actions.
struct HelpedButton : testing_support::TestProgram {
    ui::Window window{p->screen(), "frmHelped"};
    ui::Button button{window, "btnHelped"};
    int actions = 0;
    HelpedButton() {
        window.setGeometry(1000, 2000, 4800, 5300);
        shell::attachControlHelp(*p, button, "Explains", [this] { ++actions; });
    }
    bool boxVisible() const {
        const ui::Window* box = p->window("frmMsg");
        return box && box->visible();
    }
};

} // namespace

TEST(ControlHelp, OnlyTheRightButtonShowsAndOnlyTheLeftActs) {
    HelpedButton h;
    // Without an action a left release does nothing; no release loads the box.
    ui::Button bare{h.window, "btnBare"};
    shell::attachControlHelp(*h.p, bare, "Explains");
    bare.mouseUp(ui::MouseButton::Left);
    bare.mouseUp(ui::MouseButton::Right);
    EXPECT_FALSE(h.p->window("frmMsg")->loaded());
    h.button.mouseDown(ui::MouseButton::Left);
    h.button.mouseDown(ui::MouseButton::Middle);
    EXPECT_FALSE(h.boxVisible());
    h.button.mouseDown(ui::MouseButton::Right);
    h.button.mouseUp(ui::MouseButton::Middle);
    EXPECT_FALSE(h.boxVisible());
    EXPECT_EQ(h.actions, 0);
    // A left release acts and leaves a box that is showing alone.
    h.button.mouseDown(ui::MouseButton::Right);
    h.button.mouseUp(ui::MouseButton::Left);
    EXPECT_EQ(h.actions, 1);
    EXPECT_TRUE(h.boxVisible());
    h.button.mouseUp(ui::MouseButton::Right);
    EXPECT_FALSE(h.boxVisible());
    EXPECT_EQ(h.actions, 1);
    // The box grows with the text up to eight rows.
    EXPECT_EQ(shell::helpBoxSize(45).rows, 1);
    EXPECT_EQ(shell::helpBoxSize(46).rows, 2);
    EXPECT_EQ(shell::helpBoxSize(125).rows, 3);
    EXPECT_EQ(shell::helpBoxSize(126).rows, 4);
    EXPECT_EQ(shell::helpBoxSize(165).rows, 4);
    EXPECT_EQ(shell::helpBoxSize(166).rows, 5);
    EXPECT_EQ(shell::helpBoxSize(285).rows, 7);
    EXPECT_EQ(shell::helpBoxSize(286).rows, 8);
    EXPECT_EQ(shell::helpBoxSize(5000).rows, 8);
}
