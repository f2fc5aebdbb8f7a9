// The Qt rendering of the screen model: the main window with its menu bar and
// an MDI area holding one fixed-size subwindow per child window, each control
// an absolutely placed widget. Model changes arrive through ui::View; user
// events are forwarded to the model, after which the view re-synchronises the
// stacking and the active subwindow and quits the application once the
// program has ended.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "ui/view.h"

class QAction;
class QKeyEvent;
class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QWidget;

namespace ui {
class Screen;
class Window;
class Control;
} // namespace ui

namespace ui::qt {

class ControlBinding;
class ChildFrame;
class MainFrame;
class WindowSurface;

class QtView : public ui::View {
public:
    // Registers itself as the screen's view and renders every window already
    // loaded. ended is asked after each forwarded user event; when it answers
    // true the application quits.
    explicit QtView(ui::Screen& screen, std::function<bool()> ended = {});
    ~QtView() override;
    QtView(const QtView&) = delete;
    QtView& operator=(const QtView&) = delete;

    void changed(ui::Window& window, ui::Control* control, const std::string& property) override;

    QMainWindow* mainWindow() const;
    QMdiArea* mdiArea() const { return m_mdi; }
    // The subwindow of a child window; null until the window is loaded.
    QMdiSubWindow* subWindow(const ui::Window& window) const;
    // The widget of a control; null until its window is loaded.
    QWidget* widget(const ui::Control& control) const;
    // The menu action of a menu item of the main window; null if unknown.
    QAction* action(const ui::Control& menu) const;

    // Brings Qt's stacking order, active subwindow and pending focus in line
    // with the model now (otherwise done on the next turn of the event loop).
    void sync();

    // Used by the widgets. True once the program has ended: events are dropped.
    bool blocked() const { return m_finished; }
    // True while the view itself is changing widgets from the model.
    bool applying() const { return m_applying > 0; }
    // To be called after every user event forwarded to the model.
    void afterEvent();
    // A key pressed in window; forwards KeyDown when the key has a code.
    void keyPressed(ui::Window& window, const QKeyEvent& event);
    // Gives control the focus once its window is the active one.
    void requestFocus(ui::Control& control);

private:
    struct WindowBinding {
        ChildFrame* frame = nullptr;
        WindowSurface* surface = nullptr;
        ui::Control* pendingFocus = nullptr;
    };
    struct Applying;

    WindowBinding* ensureWindow(ui::Window& w);
    void bindMissingControls(ui::Window& w, WindowBinding& b);
    ControlBinding* bindControl(WindowBinding& b, ui::Control& c);
    void applyWindow(ui::Window& w, WindowBinding& b, const std::string& prop);
    void restackControls(ui::Window& w);
    void restackWindows();
    void scheduleSync();

    void mainChanged(ui::Window& w, ui::Control* c, const std::string& prop);
    void buildMenus(ui::Window& w);
    void applyMainGeometry(ui::Window& w, const std::string& prop);
    void applyMainState(ui::Window& w);
    void showMain();
    void onMainResized();
    bool onMainClose();
    void onSubWindowActivated(QMdiSubWindow* s);
    void onFrameMoved(ui::Window& w);

    ui::Screen& m_screen;
    std::function<bool()> m_ended;
    MainFrame* m_main = nullptr;
    QMdiArea* m_mdi = nullptr;
    ui::Window* m_mainModel = nullptr;
    bool m_menusBuilt = false;
    bool m_forwardingMain = false;
    bool m_finished = false;
    bool m_syncPending = false;
    int m_applying = 0;
    std::map<const ui::Window*, WindowBinding> m_windows;
    std::map<const ui::Control*, ControlBinding*> m_controls;
    std::map<const ui::Control*, QAction*> m_actions;
    std::map<std::string, QMenu*> m_menus;
};

} // namespace ui::qt
