// Qt key codes translated to the virtual key codes the program's KeyDown
// handlers expect (Enter 13, Escape 27, arrows 37..40, letters upper case).
#pragma once

namespace ui::qt {

// The virtual key code of a Qt key (Qt::Key value), or 0 when the program
// has no use for the key.
int windowsKeyCode(int qtKey);
// The Qt key of a virtual key code (the reverse of windowsKeyCode), or 0
// for a code that has none here.
int qtKey(int code);

} // namespace ui::qt
