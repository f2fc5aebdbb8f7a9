#include "app/frm_arrays.h"

namespace app {

FrmArrays::FrmArrays(ui::Screen& screen)
    : ui::Window(screen, "frmArrays"), lstSavePages(*this, "lstSavePages"),
      lstSorted(*this, "lstSorted") {
    lstSorted.Sorted = true;
}

} // namespace app
