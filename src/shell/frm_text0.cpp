#include "shell/frm_text0.h"

namespace shell {

FrmText0::FrmText0(ui::Screen& screen)
    : ui::Window(screen, "frmtext0"), Text1(*this, "Text1", true) {
    Text1.setGeometry(60 / 15, 0, 4740 / 15, 5280 / 15);
}

void FrmText0::onLoad() {
    setGeometry(4790, 0, 4830, 5300);
}

FrmText2::FrmText2(ui::Screen& screen)
    : ui::Window(screen, "frmtext2"), Text1(*this, "Text1", true), Note(*this, "Note", true) {
    Text1.setGeometry(60 / 15, 0, 4740 / 15, 3570 / 15);
    Note.setGeometry(30 / 15, 3480 / 15, 4770 / 15, 1725 / 15);
}

void FrmText2::onLoad() {
    setGeometry(4790, 0, 4840, 5300);
    Text1.setHeight(238);
    Note.setHeight(102);
    Note.setTop(239);
}

} // namespace shell
