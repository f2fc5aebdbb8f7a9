// Re-fitting the child windows to the main window's height, in 16-bit
// integer arithmetic (window heights in twips, control heights in pixels).
#pragma once

namespace app {

class Program;

// Fits every child window to main-window height h (twips) unless the main
// window is maximised, h is the load height 6000, or h is below 2160.
void fitChildren(Program& p);

} // namespace app
