// Screen units and codes every window shares: twips and pixels, mouse
// buttons and window states.
#pragma once

namespace ui {

class Control;

// Window geometry is in twips; the controls of a child window are in pixels.
constexpr int kTwipsPerPixel = 15;

// A length in twips as whole pixels, truncated toward zero.
constexpr int pixels(int twips) {
    return twips / kTwipsPerPixel;
}

// Places c at a designed rectangle given in twips, each value converted to
// pixels on its own.
void place(Control& c, int left, int top, int width, int height);

// The mouse button of a MouseDown or MouseUp event; the values are the
// button codes the program's rules use.
enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

// The state of the main window; read and written by name as 0, 1 or 2.
enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

} // namespace ui
