#include "shell/frm_text0.h"

namespace shell {

FrmText0::FrmText0(ui::Screen& screen)
    : ui::Window(screen, "frmtext0"), Text1(*this, "Text1", true) {
    ui::place(Text1, 60, 0, 4740, 5280);
}

void FrmText0::onLoad() {
    setGeometry(4790, 0, 4830, 5300);
}

FrmText2::FrmText2(ui::Screen& screen)
    : ui::Window(screen, "frmtext2"), Text1(*this, "Text1", true), Note(*this, "Note", true) {
    ui::place(Text1, 60, 0, 4740, 3570);
    ui::place(Note, 30, 3480, 4770, 1725);
}

void FrmText2::onLoad() {
    setGeometry(4790, 0, 4840, 5300);
    Text1.setHeight(238);
    Note.setHeight(102);
    Note.setTop(239);
}

} // namespace shell
