#include "reader/frm_page.h"

#include "app/program.h"

namespace reader {

FrmPage::FrmPage(app::Program& p)
    : ui::Window(p.screen(), "frmPage",
                 "Click Chapter or Verse" + std::string(31, ' ') + "Tessary"),
      btnBack(*this, "btnBack", "Exit"), m_p(p) {
    for (int i = 0; i < kLists; ++i) {
        std::string name = i == 0            ? "LstPg0"
                           : i == kLists - 1 ? "lstPgLast"
                                             : "lstPg" + std::to_string(25 * i);
        auto list = std::make_unique<ui::ListBox>(*this, name);
        if (i < kLists - 1)
            list->setGeometry(405 * i / 15, 0, 345 / 15, 4905 / 15);
        else
            list->setGeometry(4050 / 15, 360 / 15, 615 / 15, 4515 / 15);
        lists[static_cast<size_t>(i)] = std::move(list);
    }
    btnBack.setGeometry(4050 / 15, 0, 600 / 15, 315 / 15);
    btnBack.setToolTipText("Process Book(s) Selected");
}

void FrmPage::onLoad() {
    setGeometry(0, 0, 4785, 5300);
}

} // namespace reader
