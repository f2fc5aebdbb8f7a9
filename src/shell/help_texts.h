// The texts of the Help and About menus.
#pragma once

#include <string>

namespace app {
class Program;
}

namespace shell {

// The text a Help or About menu item shows (without the filler), or nothing
// for an unknown item. The copyright text needs COPYRGT.TXV; when it cannot
// be read, ok is set to false.
std::string helpText(const app::Program& p, const std::string& item, bool& ok);

// The about text: version, maker, town and web address, one per line.
std::string aboutTessaryText();

// Puts text and the filler into frmtext0, shows it and hides the other
// windows of the right-hand pane.
void showHelpText(app::Program& p, const std::string& text);

// Handles a click on a Help or About menu item.
void helpMenu(app::Program& p, const std::string& item);

} // namespace shell
