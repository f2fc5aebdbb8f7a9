// The widget style of the program: the application's own style with the
// sizes that do not follow the font by themselves (scroll bars, check-box
// marks, the title bars and borders of the child windows) in proportion to
// the program's font, and so to the zoom. The title of a child window
// starts at its left edge, so that a window lying over the right part of
// another's title bar leaves that title readable.
#pragma once

namespace ui::qt {

// Puts the zoom style over the application's style, once.
void useZoomStyle();

} // namespace ui::qt
