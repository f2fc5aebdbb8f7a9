#include "reader/frm_text1.h"

#include "app/program.h"

namespace reader {

namespace {
// Designed places are in twips; the window lays its controls out in pixels.
void place(ui::Control& c, int left, int top, int width, int height) {
    c.setGeometry(left / 15, top / 15, width / 15, height / 15);
}
}  // namespace

FrmText1::FrmText1(app::Program& p)
    : ui::Window(p.screen(), "frmText1"), pnlLogo(*this, "pnlLogo"), Text1(*this, "Text1", true),
      btnNewPage(*this, "btnNewPage", {}, "newpage"), btnGetBkMrk(*this, "btnGetBkMrk", "See Bkmks"),
      btnFind(*this, "btnFind", {}, "find"), btnFirst(*this, "btnFirst", {}, "first"),
      btnPrev(*this, "btnPrev", {}, "prev"), btnNext(*this, "btnNext", {}, "next"),
      btnLast(*this, "btnLast", {}, "last"),
      lblSubject(*this, "lblSubject", "Click on Paragraph to set BkMrk"), m_p(p) {
    pnlLogo.setGeometry(0, 0, 4920 / 15, 600 / 15);
    place(Text1, 0, 600, 4545, 4695);
    place(btnNewPage, 110, 180, 495, 420);
    place(btnGetBkMrk, 655, 180, 855, 420);
    place(btnFind, 1570, 180, 495, 420);
    place(btnFirst, 4545, 600, 270, 525);
    place(btnPrev, 4545, 1110, 270, 1845);
    place(btnNext, 4545, 2940, 270, 1860);
    place(btnLast, 4545, 4755, 270, 525);
    place(lblSubject, 2160, 260, 2600, 240);
    btnNewPage.setToolTipText("New Page");
    btnGetBkMrk.setToolTipText("View Bookmarks");
    btnFind.setToolTipText("Search Text");
    btnFirst.setToolTipText("Go to First Page");
    btnPrev.setToolTipText("Go to Previous Page");
    btnNext.setToolTipText("Go to Next Page");
    btnLast.setToolTipText("Go to Last Page");
}

void FrmText1::onLoad() { setGeometry(4775, -15, 4920, 5660); }

}  // namespace reader
