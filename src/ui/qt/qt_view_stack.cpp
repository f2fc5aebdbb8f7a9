// The stacking part of QtView: which child windows are drawn (a window
// that others cover is not), how large the MDI area is (the main area
// scrolls to windows it cannot hold), and where the keys go when a window
// becomes the active one, with the focus ring around them.
#include <algorithm>
#include <vector>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/controls.h"
#include "ui/qt/focus_ring.h"
#include "ui/qt/frames.h"
#include "ui/qt/overlaps.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/qt_view.h"
#include "ui/screen.h"
#include "ui/window.h"

namespace ui::qt {

namespace {

// A window at least this much covered by the windows in front of it is not
// drawn: only the slivers that its own size adds to theirs would show.
constexpr double kCoveredShare = 0.8;

// The program fits its windows to the main window's height down to this
// many twips; a lower main window leaves them as they are.
constexpr int kLeastFittedHeight = 2160;

} // namespace

bool QtView::covered(const ui::Window& window) const {
    if (!window.visible() || window.neverActive())
        return false;
    const auto& stack = m_screen.stacking();
    auto self = std::find(stack.begin(), stack.end(), &window);
    if (self == stack.end())
        return false;
    std::vector<QRect> above;
    for (auto o = self + 1; o != stack.end(); ++o)
        if ((*o)->visible() && !(*o)->neverActive() && m_windows.count(*o))
            above.push_back(m_scale.window(**o));
    return coveredShare(m_scale.window(window), above) >= kCoveredShare;
}

void QtView::restackWindows() {
    for (ui::Window* w : m_screen.stacking()) {
        auto it = m_windows.find(w);
        if (it != m_windows.end() && w->visible())
            it->second.frame->raise();
    }
}

void QtView::showWindows() {
    Applying guard(*this);
    for (auto& [w, b] : m_windows) {
        const bool shown = w->visible() && !covered(*w);
        if (b.frame->isHidden() == shown)
            b.frame->setVisible(shown);
    }
}

void QtView::updateAreaMinimum() {
    QSize least(0, 0);
    if (m_mainModel && m_main->isVisible()) {
        QRect used;
        for (auto& [w, b] : m_windows)
            if (!w->neverActive() && !b.frame->isHidden())
                used |= b.frame->geometry();
        // Below the height down to which the program fits its windows, and
        // below the narrowest panes, the area keeps the windows' size.
        if (m_mainModel->Height < kLeastFittedHeight)
            least.setHeight(std::max(0, used.bottom() + 1));
        if (narrowest())
            least.setWidth(std::max(0, used.right() + 1));
    }
    if (m_mdi->minimumSize() != least)
        m_mdi->setMinimumSize(least);
}

void QtView::focusActiveWindow(WindowBinding& b) {
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != b.surface && b.surface->isAncestorOf(focus))
        return;
    if (ui::Control* c = b.window->focusedControl()) {
        QWidget* target = widget(*c);
        if (target && target->isVisible() && target->isEnabled()) {
            target->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // The program learns where the keys now go (a list highlights its first
    // item), without a GotFocus event of its own.
    if (b.surface->focusFirstControl())
        if (ui::Control* c = controlOf(QApplication::focusWidget()); c && &c->window() == b.window)
            b.window->setFocus(c);
}

ui::Control* QtView::controlOf(const QWidget* widget) const {
    if (!widget)
        return nullptr;
    for (const auto& [c, b] : m_controls)
        if (b->widget() == widget)
            return const_cast<ui::Control*>(c);
    return nullptr;
}

void QtView::ringFocus(QWidget* focus) {
    if (!m_ring)
        return;
    m_ring->follow(controlOf(focus) ? focus : nullptr);
}

QWidget* QtView::focusRingTarget() const {
    return m_ring && m_ring->isVisible() ? m_ring->target() : nullptr;
}

} // namespace ui::qt
