#include "catalogue/frm_list2.h"

#include "app/program.h"
#include "catalogue/frm_list0.h"
#include "catalogue/frm_list1.h"
#include "catalogue/open_item.h"
#include "reader/frm_text1.h"
#include "shell/frm_text0.h"

namespace catalogue {

FrmList2::FrmList2(app::Program& p)
    : ListWindow(p, "frmList2", "lstMain2", "Exits to the Previous Directory") {
    lstMain2.onClick = [this] { itemClicked(); };
}

void FrmList2::takeKeys() {
    m_keys.takeFrom(m_p.s);
}

void FrmList2::itemClicked() {
    const int i = lstMain2.listIndex();
    const std::string text = lstMain2.list(i);
    if (i < 0 || text.empty() || text.find("NOTE:") != std::string::npos)
        return;
    // The item's key is this list's, whatever list or grid was filled since.
    m_keys.putInto(m_p.s);
    openItem(m_p, text, i);
    if (m_p.s.BookKind == "SXX" && !m_p.s.SxxTitle.empty()) {
        const char* title = i == 0   ? "Zivuzore Zovurivav Uvazuzo (js)"
                            : i == 1 ? "Talk by Ruth Adair (Cherokee)"
                                     : "Pamphlet by Dr. Kent Sorrow (gp)";
        txtSubject.setText(m_p.s.SxxTitle + "\r\n" + title);
    }
    for (const char* name : {"frmText1", "frmtext2", "frmtext0"})
        if (ui::Window* w = m_p.window(name); w && w->loaded())
            w->setCaption("");
}

void FrmList2::goBack() {
    if (m_keys.BackTo == "frmList0") {
        m_p.frmList0().show();
        m_p.frmList0().bringToFront();
    } else {
        m_p.frmList1().show();
        m_p.frmList1().bringToFront();
        m_p.frmList1().txtSubject.setText("");
    }
    hide();
}

} // namespace catalogue
