// The set of windows: stacking order, the active child window, the message
// boxes and the one optional view that renders everything.
#pragma once

#include <string>
#include <vector>

#include "ui/dialogs.h"
#include "ui/property.h"

namespace ui {

class Window;
class Control;
class View;

class Screen {
public:
    explicit Screen(Dialogs& dialogs) : m_dialogs(dialogs) {}
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    Dialogs& dialogs() const { return m_dialogs; }
    Answer message(const std::string& text, Buttons buttons = Buttons::OK, Icon icon = Icon::None) {
        return m_dialogs.message(text, buttons, icon);
    }

    void setView(View* view) { m_view = view; }
    View* view() const { return m_view; }

    void add(Window& w);
    const std::vector<Window*>& windows() const { return m_windows; }
    Window* find(const std::string& name) const;

    // Child windows, back to front.
    const std::vector<Window*>& stacking() const { return m_stack; }
    Window* active() const { return m_active; }
    // Makes w the active child: the previous one gets Deactivate, then w Activate.
    void activate(Window* w);
    void deactivateActive();

    // Internal, called by Window.
    void raise(Window& w);
    void hidden(Window& w);
    void changed(Window& w, Control* c, Prop prop);

private:
    Dialogs& m_dialogs;
    View* m_view = nullptr;
    std::vector<Window*> m_windows;
    std::vector<Window*> m_stack;
    Window* m_active = nullptr;
};

} // namespace ui
