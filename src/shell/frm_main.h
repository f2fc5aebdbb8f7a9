// The main window: title, menu bar, the container of every other window.
// What its history menu items, resizing and closing do reaches past this
// folder, so the program wires those in (app/wiring.h).
#pragma once

#include <functional>
#include <string>

#include "ui/window.h"

namespace app {
class Program;
}

namespace shell {

// The 128-character title: the letter-spaced name, 104 blanks, the maker.
std::string mainTitle();

class FrmMain : public ui::Window {
public:
    explicit FrmMain(app::Program& p);

    ui::Menu mnuQuit, mnuQuitWith, mnuQuitWithout, mnuDeleteHistory;
    ui::Menu mnuOptions, mnuOptionDelete;
    ui::Menu mnuHelp, mnuGeneral, mnuNavigation, mnuKeys, mnuSearches, mnuAbbreviations, mnuPrint;
    ui::Menu mnuAbout, mnuTessary, mnuProfCopyrights, mnuPocketPC;

    void onLoad() override;
    void onResize() override;
    void onQueryUnload(bool& cancel) override;

    // Runs after every resize: re-fits the child windows.
    std::function<void()> onResized;
    // Set once the child windows have been re-fitted to a height other than
    // the load height.
    bool childrenFitted = false;
    // Decides whether the main window may close; without it, it may.
    std::function<bool()> mayClose;

private:
    app::Program& m_p;
};

} // namespace shell
