#include <gtest/gtest.h>

#include "shell/control_help.h"
#include "shell/frm_main.h"
#include "shell/frm_msg.h"
#include "test_support.h"
#include "ui/window.h"

TEST(HelpBoxSize, RowsGrowWithTheTextUpToEight) {
    // Up to 45 characters the box is one row exactly as wide as the text.
    EXPECT_EQ(shell::helpBoxSize(45).rows, 1);
    EXPECT_EQ(shell::helpBoxSize(45).cols * 90 + 90, 4140);
    EXPECT_EQ(shell::helpBoxSize(46).rows, 2);
    EXPECT_EQ(shell::helpBoxSize(46).cols * 90 + 90, 3690);
    EXPECT_EQ(shell::helpBoxSize(285).rows, 7);
    EXPECT_EQ(shell::helpBoxSize(286).rows, 8);
    EXPECT_EQ(shell::helpBoxSize(286).rows * 240 + 320, 2240);
    EXPECT_EQ(shell::helpBoxSize(5000).rows, 8);
    EXPECT_EQ(shell::helpBoxSize(0).cols, 0);
}

TEST(MainTitle, IsTheSpacedNameBlanksAndTheMaker) {
    const std::string t = shell::mainTitle();
    EXPECT_EQ(t.size(), 128u);
    EXPECT_EQ(t.substr(0, 14), " T e s s a r y");
    EXPECT_EQ(t.substr(14, 104), std::string(104, ' '));
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

TEST(ControlHelp, RightPressShowsTheTextUnderTheButtonsWindow) {
    HelpedButton h;
    h.button.mouseDown(ui::MouseButton::Right);
    ASSERT_TRUE(h.boxVisible());
    shell::FrmMsg& box = h.p->frmMsg();
    EXPECT_EQ(box.Message.text(), "Explains");
    // 8 characters: 8 x 90 + 90 wide, centred over the window's first 4710 twips.
    EXPECT_EQ(box.Width, 810);
    EXPECT_EQ(box.Left, 1000 + (4710 - 810) / 2);
    EXPECT_EQ(box.Top, 2000 + 360 + 775);
    EXPECT_EQ(h.actions, 0);
    // The box follows the window to wherever it is at the time of the press.
    h.window.setGeometry(0, 15, 4800, 5300);
    h.button.mouseDown(ui::MouseButton::Right);
    EXPECT_EQ(box.Left, (4710 - 810) / 2);
    EXPECT_EQ(box.Top, 15 + 360 + 775);
}

TEST(ControlHelp, OnlyTheRightButtonShowsAndOnlyTheLeftActs) {
    HelpedButton h;
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
}

TEST(ControlHelp, ReleasingBeforeAnyHelpLoadsNoBox) {
    testing_support::TestProgram t;
    ui::Window window(t.p->screen(), "frmHelped");
    ui::Button button(window, "btnHelped");
    // Without an action a left release does nothing at all.
    shell::attachControlHelp(*t.p, button, "Explains");
    button.mouseUp(ui::MouseButton::Left);
    button.mouseUp(ui::MouseButton::Right);
    EXPECT_FALSE(t.p->window("frmMsg")->loaded());
}
