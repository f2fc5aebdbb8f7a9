// The main window: title, menu bar, the container of every other window.
#pragma once

#include <memory>
#include <vector>

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
    ui::Menu mnuHelp, mnuGeneral, mnuNavigation, mnuSearches, mnuAbbreviations, mnuPrint;
    ui::Menu mnuAbout, mnuTessary, mnuProfCopyrights, mnuPocketPC;

    void onLoad() override;
    void onResize() override;
    void onQueryUnload(bool& cancel) override;

private:
    app::Program& m_p;
};

} // namespace shell
