#include "catalogue/frm_list2.h"

#include "app/program.h"
#include "catalogue/frm_list0.h"
#include "catalogue/frm_list1.h"

namespace catalogue {

FrmList2::FrmList2(app::Program& p) : ListWindow(p, "frmList2", "lstMain2", "Exits to the Previous Directory") {}

void FrmList2::goBack() {
    if (m_p.s.BackTo == "frmList0") {
        m_p.frmList0().show();
        m_p.frmList0().bringToFront();
    } else {
        m_p.frmList1().show();
        m_p.frmList1().bringToFront();
        m_p.frmList1().txtSubject.setText("");
    }
    hide();
}

}  // namespace catalogue
