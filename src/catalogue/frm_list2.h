// The third-level list window.
#pragma once

#include "catalogue/list_keys.h"
#include "catalogue/list_window.h"

namespace catalogue {

class FrmList2 : public ListWindow {
public:
    explicit FrmList2(app::Program& p);
    ui::ListBox& lstMain2 = list;

    // Keeps the list the shared variables hold, just filled into lstMain2.
    void takeKeys();

protected:
    void goBack() override;

private:
    void itemClicked();
    ListKeys m_keys;
};

} // namespace catalogue
