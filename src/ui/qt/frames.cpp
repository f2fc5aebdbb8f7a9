#include "ui/qt/frames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace ui::qt {

MainFrame::MainFrame() = default;

void MainFrame::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (resized)
        resized();
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

ChildFrame::ChildFrame(bool neverActive) {
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (neverActive) {
        flags |= Qt::WindowDoesNotAcceptFocus;
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
    }
    setWindowFlags(flags);
    setOption(QMdiSubWindow::RubberBandMove, false);
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
    setFocusPolicy(neverActive ? Qt::NoFocus : Qt::StrongFocus);
    setAutoFillBackground(true);
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
