#include "ui/qt/frames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui::qt {

MainFrame::MainFrame() = default;

void MainFrame::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (resized)
        resized();
}

void MainFrame::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    if (moved)
        moved();
}

void MainFrame::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && resized)
        resized();
}

void MainFrame::closeEvent(QCloseEvent* e) {
    if (closing && !closing()) {
        e->ignore();
        return;
    }
    e->accept();
}

ChildFrame::ChildFrame(bool neverActive, bool frameless)
    : m_neverActive(neverActive), m_frameless(frameless) {
    if (neverActive) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
    }
    setWindowFlags(flagsFor(frameless));
    setOption(QMdiSubWindow::RubberBandMove, false);
}

Qt::WindowFlags ChildFrame::flagsFor(bool frameless) const {
    Qt::WindowFlags flags = Qt::SubWindow;
    if (frameless)
        flags |= Qt::FramelessWindowHint;
    else
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (m_neverActive)
        flags |= Qt::WindowDoesNotAcceptFocus;
    return flags;
}

void ChildFrame::setFrameless(bool frameless) {
    if (frameless == m_frameless)
        return;
    m_frameless = frameless;
    const bool shown = isVisible();
    // Changing the flags hides the window.
    setWindowFlags(flagsFor(frameless));
    if (shown)
        show();
}

void ChildFrame::closeEvent(QCloseEvent* e) {
    if (m_closable)
        e->accept();
    else
        e->ignore();
}

void ChildFrame::moveEvent(QMoveEvent* e) {
    QMdiSubWindow::moveEvent(e);
    if (moved)
        moved();
}

WindowSurface::WindowSurface(bool neverActive) {
    // Focus by a click only: Tab passes from control to control.
    setFocusPolicy(neverActive ? Qt::NoFocus : Qt::ClickFocus);
    setAutoFillBackground(true);
}

void WindowSurface::setOutline(bool outline) {
    m_outline = outline;
    update();
}

bool WindowSurface::focusFirstControl() {
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return true;
        }
    return false;
}

void WindowSurface::paintEvent(QPaintEvent* e) {
    QWidget::paintEvent(e);
    if (!m_outline)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void WindowSurface::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (resized)
        resized();
}

void WindowSurface::mousePressEvent(QMouseEvent* e) {
    // Accepted so that the release comes back here.
    e->accept();
    m_pressed = e->button() == Qt::LeftButton;
}

void WindowSurface::mouseReleaseEvent(QMouseEvent* e) {
    QWidget::mouseReleaseEvent(e);
    const bool pressedHere = m_pressed;
    m_pressed = false;
    if (pressedHere && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) &&
        clicked)
        clicked();
}

void WindowSurface::keyPressEvent(QKeyEvent* e) {
    // Keys a focused control did not take arrive here too; those were
    // forwarded already by the control's own filter.
    if (QApplication::focusWidget() != this) {
        QWidget::keyPressEvent(e);
        return;
    }
    if (keyPressed)
        keyPressed(*e);
    e->accept();
}

} // namespace ui::qt
