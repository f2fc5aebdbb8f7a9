#include "search/frm_find6.h"

#include "app/program.h"

namespace search {

FrmFind6::FrmFind6(app::Program& p)
    : ui::Window(p.screen(), "frmFind6", "Enter Word or Phrase "), pnlLogo(*this, "pnlLogo"),
      btnRadioWhole(*this, "btnRadioWhole", "Whole Word"),
      btnRadioCase(*this, "btnRadioCase", "Check Case"), btnReFind(*this, "btnReFind"),
      btnBack(*this, "btnBack", {}, "back"), txtInput(*this, "txtInput", false),
      btnSearch(*this, "btnSearch", "Find"), btnSrchAll(*this, "btnSrchAll", "All"),
      TextF2(*this, "TextF2", true), TextF(*this, "TextF", true), m_p(p) {
    using ui::place;
    place(pnlLogo, 0, 0, 4773, 885);
    place(btnRadioWhole, 120, 240, 1215, 255);
    place(btnRadioCase, 1440, 240, 1335, 255);
    place(btnReFind, 2880, 200, 1260, 315);
    place(btnBack, 4155, 200, 540, 315);
    place(txtInput, 120, 580, 3470, 285);
    place(btnSearch, 3600, 560, 540, 315);
    place(btnSrchAll, 4155, 560, 540, 315);
    TextF2.setGeometry(0, 566, ui::pixels(4773), 2);
    TextF.setGeometry(0, 58, ui::pixels(4773), 270);
    txtInput.setText("Enter Text Here");
    btnReFind.setToolTipText("Multi-Function Button");
    btnBack.setToolTipText("Exit");
    btnSearch.setToolTipText("Search Current Book Only");
    btnSrchAll.setToolTipText("Search All Books");
}

void FrmFind6::onLoad() {
    setGeometry(4800, 0, 4890, 5300);
}

} // namespace search
