#include "study/frm_text3.h"

#include "app/program.h"

namespace study {

FrmText3::FrmText3(app::Program& p)
    : ui::Window(p.screen(), "frmText3"), pnlLogo(*this, "pnlLogo"),
      btnBack(*this, "btnBack", {}, "back"), btnBkMrk(*this, "btnBkMrk", "Set Bkmark"),
      btnFind(*this, "btnFind", {}, "find"), btnClear(*this, "btnClear", "Reset"),
      lblSubject(*this, "lblSubject", "Click on Word for Definition"),
      btnFirst(*this, "btnFirst", {}, "first"), btnPrev(*this, "btnPrev", {}, "prev"),
      btnNext(*this, "btnNext", {}, "next"), btnLast(*this, "btnLast", {}, "last"),
      Text31(*this, "Text31", true), Text32(*this, "Text32", true), Text33(*this, "Text33", true),
      m_p(p) {
    using ui::place;
    place(pnlLogo, 0, 0, 4770, 615);
    place(btnBack, 120, 200, 540, 430);
    place(btnBkMrk, 720, 200, 780, 430);
    place(btnFind, 1560, 200, 660, 430);
    place(btnClear, 1560, 200, 660, 430);
    place(lblSubject, 2280, 280, 2280, 210);
    place(btnFirst, 4530, 600, 270, 435);
    place(btnPrev, 4530, 1020, 270, 1920);
    place(btnNext, 4530, 2910, 270, 1920);
    place(btnLast, 4530, 4800, 270, 675);
    place(Text31, 60, 570, 4470, 1380);
    place(Text32, 30, 1950, 4500, 1215);
    place(Text33, 30, 3195, 4500, 2100);
    btnBack.setToolTipText("Up One  Level");
    btnBkMrk.setToolTipText("Set Book Mark");
    btnFind.setToolTipText("Search Hebrew/Greek Text");
    btnClear.setToolTipText("Reset to original content");
    btnClear.setVisible(false);
    btnFirst.setToolTipText("Go to First Page");
    btnPrev.setToolTipText("Page Up");
    btnNext.setToolTipText("Page Down");
    btnLast.setToolTipText("Go to Last Page");
}

void FrmText3::onLoad() {
    setGeometry(4790, 0, 4834, 5439);
}

} // namespace study
