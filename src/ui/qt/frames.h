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
    // Called after the window was moved.
    std::function<void()> moved;
    // Asked when the user closes the window; false keeps it open.
    std::function<bool()> closing;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};

// A child window: no close, minimise or maximise button; the user cannot
// close it, only move it. A window without a caption has no title bar and no
// frame: its size is all client area.
class ChildFrame : public QMdiSubWindow {
public:
    ChildFrame(bool neverActive, bool frameless);
    std::function<void()> moved;
    bool frameless() const { return m_frameless; }
    // Adds or removes the title bar and frame; keeps the window's visibility.
    void setFrameless(bool frameless);
    // Lets the next close through (the view tearing down).
    void allowClose() { m_closable = true; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

private:
    Qt::WindowFlags flagsFor(bool frameless) const;
    bool m_neverActive;
    bool m_frameless;
    bool m_closable = false;
};

// The client area of a child window: background clicks, the keys pressed
// while no control has the focus, and its size (the controls are fitted
// into it). A window without a frame gets a thin outline instead.
class WindowSurface : public QWidget {
public:
    explicit WindowSurface(bool neverActive);
    std::function<void()> clicked;
    std::function<void(const QKeyEvent&)> keyPressed;
    std::function<void()> resized;
    void setOutline(bool outline);
    // Gives the focus to the first control that Tab reaches; false if none.
    bool focusFirstControl();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // A click on the background is a press and a release both on the
    // surface. A control that ignores a release (a button that lost its
    // pressed state because its click opened another window) passes it on
    // here; that must not count as a background click.
    bool m_pressed = false;
    bool m_outline = false;
};

} // namespace ui::qt
