#include "shell/frm_main.h"

#include "app/program.h"
#include "shell/help_texts.h"

namespace shell {

std::string mainTitle() {
    return " T e s s a r y" + std::string(104, ' ') + "by Halvern";
}

FrmMain::FrmMain(app::Program& p)
    : ui::Window(p.screen(), "frmMain", mainTitle()), mnuQuit(*this, "mnuQuit", "&Quit", {}),
      mnuQuitWith(*this, "mnuQuitWith", "&and Save History of Current-Session (last pages viewed)",
                  "mnuQuit"),
      mnuQuitWithout(*this, "mnuQuitWithout", "&Without Saving Current-Session History", "mnuQuit"),
      mnuDeleteHistory(*this, "mnuDeleteHistory", "&and Delete Past and Present Page History ",
                       "mnuQuit"),
      mnuOptions(*this, "mnuOptions", "&Options", {}),
      mnuOptionDelete(*this, "mnuOptionDelete", "&Delete Past and Present Page History",
                      "mnuOptions"),
      mnuHelp(*this, "mnuHelp", "&Help", {}),
      mnuGeneral(*this, "mnuGeneral", "&General Information", "mnuHelp"),
      mnuNavigation(*this, "mnuNavigation", "&Navigating via Controls", "mnuHelp"),
      mnuKeys(*this, "mnuKeys", "&Keyboard", "mnuHelp"),
      mnuSearches(*this, "mnuSearches", "&Text Searches", "mnuHelp"),
      mnuAbbreviations(*this, "mnuAbbreviations", "&Book Abbreviations", "mnuHelp"),
      mnuPrint(*this, "mnuPrint", "&Printing or Saving Text", "mnuHelp"),
      mnuAbout(*this, "mnuAbout", "&About", {}),
      mnuTessary(*this, "mnuTessary", "&Tessary", "mnuAbout"),
      mnuProfCopyrights(*this, "mnuProfCopyrights", "&Copyrights ", "mnuAbout"),
      mnuPocketPC(*this, "mnuPocketPC", "&Applications for Palm/PocketPC", "mnuAbout"), m_p(p) {
    setMain();
    mnuQuitWithout.onClick = [this] { m_p.end(); };
    for (ui::Menu* item : {&mnuGeneral, &mnuNavigation, &mnuKeys, &mnuSearches, &mnuAbbreviations,
                           &mnuPrint, &mnuTessary, &mnuProfCopyrights, &mnuPocketPC}) {
        const std::string name = item->name();
        item->onClick = [this, name] { helpMenu(m_p, name); };
    }
}

void FrmMain::onLoad() {
    setGeometry(0, 0, 9750, 6000);
}

void FrmMain::onResize() {
    if (onResized)
        onResized();
}

void FrmMain::onQueryUnload(bool& cancel) {
    cancel = mayClose && !mayClose();
}

} // namespace shell
