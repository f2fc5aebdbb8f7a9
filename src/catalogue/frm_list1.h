// The second-level list window.
#pragma once

#include "catalogue/list_window.h"

namespace catalogue {

class FrmList1 : public ListWindow {
public:
    explicit FrmList1(app::Program& p);
    ui::ListBox& lstMain1 = list;

protected:
    void goBack() override;

private:
    void itemClicked();
};

} // namespace catalogue
