// The third-level list window.
#pragma once

#include "catalogue/list_window.h"

namespace catalogue {

class FrmList2 : public ListWindow {
public:
    explicit FrmList2(app::Program& p);
    ui::ListBox& lstMain2 = list;

protected:
    void goBack() override;

private:
    void itemClicked();
};

} // namespace catalogue
