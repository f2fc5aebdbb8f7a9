// The help box that explains a button while the right mouse button is held on it.
#pragma once

#include <functional>
#include <string>

namespace app {
class Program;
}
namespace ui {
class Control;
}

namespace shell {

// Size of the box for a text of n characters: rows of 40 characters at most.
struct HelpBoxSize {
    int rows;
    int cols;
};
HelpBoxSize helpBoxSize(int n);

// Shows text in frmMsg below and centred over the calling window; y and x are
// the caller's Top + 360 and Left, in twips.
void showControlHelp(app::Program& p, const std::string& text, int y, int x);
void hideControlHelp(app::Program& p);

// Gives control its help text, which is also its accessible description:
// a right-button press shows it under the
// control's window, releasing any other button than the left hides it, and
// releasing the left button runs onLeftRelease (when given) as the control's
// action. Replaces the control's MouseDown and MouseUp handlers.
void attachControlHelp(app::Program& p, ui::Control& control, const std::string& text,
                       std::function<void()> onLeftRelease = {});

} // namespace shell
