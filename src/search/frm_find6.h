// The search window: the search text, its options, the results and context panes.
#pragma once

#include "ui/window.h"

namespace app {
class Program;
}

namespace search {

class FrmFind6 : public ui::Window {
public:
    explicit FrmFind6(app::Program& p);

    ui::Picture pnlLogo;
    ui::CheckBox btnRadioWhole;
    ui::CheckBox btnRadioCase;
    ui::Button btnReFind;
    ui::Button btnBack;
    ui::TextBox txtInput;
    ui::Button btnSearch;
    ui::Button btnSrchAll;
    ui::TextBox TextF2;
    ui::TextBox TextF;

    void onLoad() override;

private:
    app::Program& m_p;
};

} // namespace search
