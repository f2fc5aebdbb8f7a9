#include "shell/frm_msg.h"

namespace shell {

FrmMsg::FrmMsg(ui::Screen& screen) : ui::Window(screen, "frmMsg"), Message(*this, "Message", true) {
    setNeverActive();
    // The box's geometry is in twips like the other windows; its text box too,
    // because the help box is laid out by the caller in twips.
    Message.setBackColor(0xFFFFE1);
}

} // namespace shell
