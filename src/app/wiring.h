// Connects what the windows of the lower folders leave open (the main
// window's history menus, resizing and closing, the reading window's verse
// click) to the folders above them.
#pragma once

namespace shell {
class FrmMain;
}
namespace reader {
class FrmText1;
}
namespace search {
class FrmFind6;
}

namespace app {

class Program;

// Sets main's handlers for the history menu items, resizing and closing;
// loads no window.
void wireMainWindow(Program& p, shell::FrmMain& main);

// Lets a click on a verse in the reading window open the verse window;
// loads no window.
void wireReadingWindow(Program& p, reader::FrmText1& reading);

// Lets the reading window's search button open the search window; loads no window.
void wireSearchWindow(reader::FrmText1& reading, search::FrmFind6& find);

} // namespace app
