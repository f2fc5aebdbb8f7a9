#include "shell/control_help.h"

#include "app/program.h"
#include "shell/frm_msg.h"
#include "ui/controls.h"
#include "ui/window.h"

namespace shell {

HelpBoxSize helpBoxSize(int n) {
    if (n > 285)
        return {8, 40};
    if (n >= 246)
        return {7, 40};
    if (n >= 206)
        return {6, 40};
    if (n >= 166)
        return {5, 40};
    if (n >= 126)
        return {4, 40};
    if (n >= 86)
        return {3, 40};
    if (n >= 46)
        return {2, 40};
    return {1, n};
}

void showControlHelp(app::Program& p, const std::string& text, int y, int x) {
    const HelpBoxSize size = helpBoxSize(static_cast<int>(text.size()));
    FrmMsg& box = p.frmMsg();
    box.setHeight(size.rows * 240 + 320);
    box.setWidth(size.cols * 90 + 90);
    box.setTop(y + 775);
    box.setLeft(x + (4710 - box.Width) / 2);
    box.Message.setGeometry(80, 160, size.cols * 90, size.rows * 240);
    box.Message.setText(text);
    box.show();
}

void hideControlHelp(app::Program& p) {
    if (ui::Window* box = p.window("frmMsg"); box && box->loaded())
        box->hide();
}

void attachControlHelp(app::Program& p, ui::Control& control, const std::string& text,
                       std::function<void()> onLeftRelease) {
    ui::Window& owner = control.window();
    control.setAccessibleDescription(text);
    control.onMouseDown = [&p, &owner, text](ui::MouseButton button) {
        if (button == ui::MouseButton::Right)
            showControlHelp(p, text, owner.Top + 360, owner.Left);
    };
    control.onMouseUp = [&p, action = std::move(onLeftRelease)](ui::MouseButton button) {
        if (button != ui::MouseButton::Left)
            hideControlHelp(p);
        else if (action)
            action();
    };
}

} // namespace shell
