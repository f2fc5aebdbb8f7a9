// The parallel verse window: a verse, its Greek or Hebrew words and its notes.
#pragma once

#include "ui/window.h"

namespace app {
class Program;
}

namespace study {

class FrmText3 : public ui::Window {
public:
    explicit FrmText3(app::Program& p);

    ui::Picture pnlLogo;
    ui::Button btnBack;
    ui::Button btnBkMrk;
    ui::Button btnFind;
    ui::Button btnClear;
    ui::Label lblSubject;
    ui::Button btnFirst;
    ui::Button btnPrev;
    ui::Button btnNext;
    ui::Button btnLast;
    ui::TextBox Text31;
    ui::TextBox Text32;
    ui::TextBox Text33;

    void onLoad() override;

private:
    app::Program& m_p;
};

} // namespace study
