#include "catalogue/frm_list1.h"

#include "app/program.h"
#include "catalogue/dispatch.h"
#include "catalogue/frm_list0.h"
#include "catalogue/frm_list2.h"
#include "shell/frm_main.h"

namespace catalogue {

FrmList1::FrmList1(app::Program& p)
    : ListWindow(p, "frmList1", "lstMain1", "Exits to the Main Directory") {
    lstMain1.onClick = [this] { itemClicked(); };
}

void FrmList1::goBack() {
    m_p.frmMain().setCaption(" T e s s a r y");
    m_p.frmList0().show();
    m_p.frmList0().bringToFront();
    hide();
}

void FrmList1::itemClicked() {
    int i = lstMain1.listIndex();
    std::string text = lstMain1.list(i);
    if (i < 0 || text.empty() || text.find("-----") != std::string::npos)
        return;
    const int height = Height;
    const int listHeight = lstMain1.Height;
    list1Dispatch(m_p, text, i);
    setHeight(height);
    lstMain1.setHeight(listHeight);
    m_p.frmList2().txtSubject.setText(text);
}

} // namespace catalogue
