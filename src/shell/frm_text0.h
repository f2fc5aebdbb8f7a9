// The plain text window of the right-hand pane (help, about and catalogue texts).
#pragma once

#include "ui/window.h"

namespace shell {

class FrmText0 : public ui::Window {
public:
    explicit FrmText0(ui::Screen& screen);
    ui::TextBox Text1;
    void onLoad() override;
};

// The text window with a note pane below the text.
class FrmText2 : public ui::Window {
public:
    explicit FrmText2(ui::Screen& screen);
    ui::TextBox Text1;
    ui::TextBox Note;
    void onLoad() override;
};

} // namespace shell
