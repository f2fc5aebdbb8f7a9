// Connects what the windows of the lower folders leave open (the main
// window's history menus, resizing and closing) to the folders above them.
#pragma once

namespace shell {
class FrmMain;
}

namespace app {

class Program;

// Sets main's handlers for the history menu items, resizing and closing;
// loads no window.
void wireMainWindow(Program& p, shell::FrmMain& main);

} // namespace app
