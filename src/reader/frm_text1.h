// The reading window: one page of the current book with the paging buttons.
#pragma once

#include "ui/window.h"

namespace app {
class Program;
}

namespace reader {

class FrmText1 : public ui::Window {
public:
    explicit FrmText1(app::Program& p);

    ui::Picture pnlLogo;
    ui::TextBox Text1;
    ui::Button btnNewPage;
    ui::Button btnGetBkMrk;
    ui::Button btnFind;
    ui::Button btnFirst;
    ui::Button btnPrev;
    ui::Button btnNext;
    ui::Button btnLast;
    ui::Label lblSubject;

    void onLoad() override;

private:
    app::Program& m_p;
};

}  // namespace reader
