// Re-fitting the child windows to the main window's height, in 16-bit
// integer arithmetic (window heights in twips, control heights in pixels).
#pragma once

namespace app {

class Program;

// Fits every child window to the main window's height h (twips), maximised
// or not, unless the window is minimised, h is below 2160, or h is the load
// height 6000 and the children were never fitted to another height.
void fitChildren(Program& p);

} // namespace app
