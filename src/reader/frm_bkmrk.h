// The bookmark list: every bookmark set, in the order set, kept between
// runs; a click on one opens its page.
#pragma once

#include "ui/window.h"

namespace app {
class Program;
}

namespace reader {

class FrmBkMrk : public ui::Window {
public:
    explicit FrmBkMrk(app::Program& p);

    ui::Button btnClear;
    ui::Button btnExit;
    ui::ListBox lstBkMrk;

    void onLoad() override;
    // The keys start in the list.
    void onShown() override;
    // Escape closes the list.
    void onKeyDown(int& code, int shift) override;

private:
    app::Program& m_p;
};

} // namespace reader
