// The observer that renders the screen model (the Qt binding); headless, none.
#pragma once

#include "ui/property.h"

namespace ui {

class Window;
class Control;

class View {
public:
    virtual ~View() = default;
    // A property of window (control null) or of one of its controls changed.
    virtual void changed(Window& window, Control* control, Prop property) = 0;
};

} // namespace ui
