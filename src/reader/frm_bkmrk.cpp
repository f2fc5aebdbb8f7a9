#include "reader/frm_bkmrk.h"

#include "app/program.h"
#include "reader/bookmark_store.h"
#include "reader/bookmarks.h"

namespace reader {

FrmBkMrk::FrmBkMrk(app::Program& p)
    : ui::Window(p.screen(), "frmBkMrk"), btnClear(*this, "btnClear", "Clear Book Marks"),
      btnExit(*this, "btnExit", "Exit"), lstBkMrk(*this, "lstBkMrk"), m_p(p) {
    using ui::place;
    place(btnClear, 0, 0, 2415, 255);
    place(btnExit, 0, 240, 2415, 255);
    place(lstBkMrk, 0, 510, 2415, 2955);
    btnClear.setToolTipText("Clear Selections");
    btnExit.setToolTipText("Clear Selections");
    // Clearing removes the bookmarks for good: the file is emptied too.
    btnClear.onClick = [this] {
        lstBkMrk.clear();
        saveBookmarks(m_p);
    };
    btnExit.onClick = [this] { hide(); };
    lstBkMrk.onClick = [this] {
        const int index = lstBkMrk.listIndex();
        const std::string item = lstBkMrk.list(index);
        if (item.empty())
            return;
        gotoBookmark(m_p, item, index);
        hide();
    };
}

void FrmBkMrk::onLoad() {
    // The designed client area is 2430 by 3540 twips; the frame adds its
    // borders and title bar.
    setGeometry(2222, 0, 2430 + 60, 3540 + 420);
}

void FrmBkMrk::onShown() {
    lstBkMrk.setFocus();
}

void FrmBkMrk::onKeyDown(int& code, int shift) {
    (void)shift;
    constexpr int kEscape = 27;
    if (code == kEscape) {
        code = 0;
        hide();
    }
}

} // namespace reader
