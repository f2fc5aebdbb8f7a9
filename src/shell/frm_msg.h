// The control-help box. It is shown and hidden but never becomes active.
#pragma once

#include "ui/window.h"

namespace shell {

class FrmMsg : public ui::Window {
public:
    explicit FrmMsg(ui::Screen& screen);
    ui::TextBox Message;
};

} // namespace shell
