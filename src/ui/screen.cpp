#include "ui/screen.h"

#include <algorithm>

#include "ui/view.h"
#include "ui/window.h"

namespace ui {

const char* answerName(Answer a) {
    switch (a) {
    case Answer::OK:
        return "OK";
    case Answer::Yes:
        return "Yes";
    case Answer::No:
        return "No";
    case Answer::Cancel:
        return "Cancel";
    }
    return "OK";
}

void Screen::add(Window& w) {
    m_windows.push_back(&w);
}

Window* Screen::find(const std::string& name) const {
    for (Window* w : m_windows)
        if (w->name() == name)
            return w;
    return nullptr;
}

void Screen::raise(Window& w) {
    auto it = std::find(m_stack.begin(), m_stack.end(), &w);
    if (it != m_stack.end())
        m_stack.erase(it);
    m_stack.push_back(&w);
    changed(w, nullptr, Prop::ZOrder);
}

void Screen::activate(Window* w) {
    if (w == m_active || (w && (w->neverActive() || w->isMain())))
        return;
    Window* old = m_active;
    m_active = w;
    if (old)
        old->onDeactivate();
    // A Deactivate handler may itself change the active window; honour it.
    if (m_active == w && w)
        w->onActivate();
}

void Screen::deactivateActive() {
    Window* old = m_active;
    m_active = nullptr;
    if (old)
        old->onDeactivate();
}

void Screen::hidden(Window& w) {
    if (m_active != &w)
        return;
    Window* next = nullptr;
    for (auto it = m_stack.rbegin(); it != m_stack.rend(); ++it) {
        Window* c = *it;
        if (c != &w && c->visible() && !c->neverActive() && !c->isMain()) {
            next = c;
            break;
        }
    }
    if (next)
        activate(next);
    else
        deactivateActive();
}

void Screen::changed(Window& w, Control* c, Prop prop) {
    if (m_view)
        m_view->changed(w, c, prop);
}

} // namespace ui
