// The window widgets of the binding: the main window, the fixed-size MDI
// subwindow of a child window, and the surface its controls sit on. Each
// reports what the user did through plain callbacks set by the view.
#pragma once

#include <functional>

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QWidget>

namespace ui::qt {

class MainFrame : public QMainWindow {
public:
    MainFrame();
    // Called after the user (or the window system) resized the window or
    // changed its state.
    std::function<void()> resized;
    // Asked when the user closes the window; false keeps it open.
    std::function<bool()> closing;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};

// A child window: no close, minimise or maximise button; the user cannot
// close it, only move it.
class ChildFrame : public QMdiSubWindow {
public:
    explicit ChildFrame(bool neverActive);
    std::function<void()> moved;
    // Lets the next close through (the view tearing down).
    void allowClose() { m_closable = true; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

private:
    bool m_closable = false;
};

// The client area of a child window: background clicks and the keys pressed
// while no control has the focus.
class WindowSurface : public QWidget {
public:
    explicit WindowSurface(bool neverActive);
    std::function<void()> clicked;
    std::function<void(const QKeyEvent&)> keyPressed;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // A click on the background is a press and a release both on the
    // surface. A control that ignores a release (a button that lost its
    // pressed state because its click opened another window) passes it on
    // here; that must not count as a background click.
    bool m_pressed = false;
};

} // namespace ui::qt
