#include "catalogue/list_window.h"

#include "app/program.h"
#include "shell/control_help.h"

namespace catalogue {

ListWindow::ListWindow(app::Program& p, const std::string& name, const std::string& listName,
                       const std::string& backHelp)
    : ui::Window(p.screen(), name, "Directory"), pnlLogo(*this, "pnlLogo"),
      txtSubject(*this, "txtSubject", true), btnBack(*this, "btnBack", {}, "up"),
      lblStatus(*this, "lblStatus"), list(*this, listName), m_p(p) {
    pnlLogo.setGeometry(0, 0, 319, 44);
    btnBack.setGeometry(4, 4, 40, 36);
    btnBack.setToolTipText("Up One  Level");
    txtSubject.setGeometry(50, 4, 220, 36);
    lblStatus.setGeometry(276, 14, 40, 18);
    list.setGeometry(2, 48, 313, ui::pixels(4650) - 10);
    shell::attachControlHelp(p, btnBack, backHelp, [this] { goBack(); });
}

void ListWindow::onLoad() {
    setGeometry(2, 0, 4785, 5300);
    btnBack.bringToFront();
}

void ListWindow::onShown() {
    list.setFocus();
}

} // namespace catalogue
