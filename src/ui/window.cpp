#include "ui/window.h"

#include <algorithm>

#include "ui/screen.h"
#include "ui/value.h"
#include "ui/view.h"

namespace ui {

Window::Window(Screen& screen, std::string name, std::string caption)
    : Geometry(3000, 3000), m_screen(screen), m_name(std::move(name)),
      m_caption(std::move(caption)) {
    screen.add(*this);
}

void Window::notify(Prop prop) {
    m_screen.changed(*this, nullptr, prop);
}
void Window::controlChanged(Control& c, Prop prop) {
    m_screen.changed(*this, &c, prop);
}

void Window::setCaption(const std::string& c) {
    m_caption = c;
    notify(Prop::Caption);
}
void Window::setWindowState(WindowState s) {
    m_windowState = s;
    notify(Prop::WindowState);
}

void Window::load() {
    if (m_loaded)
        return;
    m_loaded = true;
    onLoad();
    notify(Prop::Loaded);
}

void Window::show() {
    load();
    if (!m_visible) {
        m_visible = true;
        notify(Prop::Visible);
        onShown();
    }
    bringToFront();
}

void Window::hide() {
    if (!m_visible)
        return;
    m_visible = false;
    notify(Prop::Visible);
    m_screen.hidden(*this);
}

void Window::bringToFront() {
    if (m_isMain)
        return;
    m_screen.raise(*this);
    if (m_visible && !m_neverActive)
        m_screen.activate(this);
}

bool Window::front() const {
    if (!m_visible)
        return false;
    const auto& stack = m_screen.stacking();
    auto self = std::find(stack.begin(), stack.end(), this);
    if (self == stack.end())
        return false;
    for (auto it = self + 1; it != stack.end(); ++it) {
        const Window& o = **it;
        if (!o.m_visible)
            continue;
        if (overlaps(o))
            return false;
    }
    return true;
}

Control* Window::control(const std::string& name) const {
    auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : it->second;
}

void Window::addControl(Control& c) {
    m_controls.push_back(&c);
    m_byName[c.name()] = &c;
}

void Window::setFocus(Control* c) {
    m_focus = c;
    // A list that takes the keys shows where they start: its first item.
    if (auto* list = dynamic_cast<ListBox*>(c))
        list->highlightFirst();
}

void Window::raiseClick() {
    onClick();
}

namespace {

// A one-line box that can be edited takes Space as a typed blank.
bool typedInto(const Control& c) {
    const auto& box = static_cast<const TextBox&>(c);
    return !box.MultiLine && !box.locked();
}

// The focused control as the target of a key: shown and enabled.
Control* keyTarget(Control* focus) {
    return focus && focus->Visible && focus->Enabled ? focus : nullptr;
}

} // namespace

int Window::raiseKeyDown(int code, int shift) {
    onKeyDown(code, shift);
    Control* target = shift == 0 ? keyTarget(m_focus) : nullptr;
    if (!target) {
        // No common meaning with modifiers held, or without a control.
    } else if (code == kEnterKey && target->kind() == ControlKind::ListBox) {
        auto* list = static_cast<ListBox*>(target);
        if (list->listIndex() >= 0) {
            code = 0;
            list->click();
        }
    } else if (target->kind() == ControlKind::TextBox &&
               (code == kEnterKey || (code == kSpaceKey && !typedInto(*target)))) {
        // A click at the caret: the caret already stands where the user
        // moved it.
        code = 0;
        target->click();
    } else if (code == kEnterKey && target->kind() == ControlKind::Button) {
        // Pressed and released with the left button, as a click is.
        code = 0;
        target->mouseDown(MouseButton::Left);
        target->mouseUp(MouseButton::Left);
        target->click();
    }
    if (code == kEscapeKey && shift == 0 && onEscape) {
        code = 0;
        onEscape();
    }
    return code;
}

bool Window::get(const std::string& prop, std::string& out) const {
    if (prop == "Caption")
        out = m_caption;
    else if (getGeometryByName(prop, out))
        return true;
    else if (prop == "Visible")
        out = boolText(m_visible);
    else if (prop == "Loaded")
        out = boolText(m_loaded);
    else if (prop == "WindowState")
        out = std::to_string(static_cast<int>(m_windowState));
    else if (prop == "Front")
        out = boolText(front());
    else if (prop == "Active")
        out = boolText(m_screen.active() == this);
    else
        return false;
    return true;
}

bool Window::set(const std::string& prop, const std::string& value) {
    if (prop == "Caption") {
        setCaption(value);
        return true;
    }
    if (prop != "WindowState")
        return setGeometryByName(prop, value);
    const auto v = parseLong(value);
    if (!v || *v < 0 || *v > static_cast<long>(WindowState::Maximized))
        return false;
    setWindowState(static_cast<WindowState>(*v));
    return true;
}

} // namespace ui
