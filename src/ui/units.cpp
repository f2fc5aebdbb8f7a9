#include "ui/units.h"

#include "ui/controls.h"

namespace ui {

void place(Control& c, int left, int top, int width, int height) {
    c.setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
}

} // namespace ui
