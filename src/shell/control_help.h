// The help box that explains a button while the right mouse button is held on it.
#pragma once

#include <string>

namespace app {
class Program;
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

} // namespace shell
