// The start window: the start list read from START.SEL.
#pragma once

#include "ui/window.h"

namespace app {
class Program;
}

namespace catalogue {

class FrmList0 : public ui::Window {
public:
    explicit FrmList0(app::Program& p);

    ui::Picture pnlLogo;
    ui::Button btnLogo;
    ui::Label Label1;
    ui::ListBox lstMain0;

    void onLoad() override;
    void onShown() override;
    void onClick() override;
    void onKeyDown(int& code, int shift) override;

private:
    void openSelected();
    app::Program& m_p;
};

} // namespace catalogue
