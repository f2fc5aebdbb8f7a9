// The Qt rendering of the screen model: the main window with its menu bar and
// an MDI area holding one fixed-size subwindow per child window, each control
// an absolutely placed widget. Model changes arrive through ui::View; user
// events are forwarded to the model, after which the view re-synchronises the
// stacking and the active subwindow and quits the application once the
// program has ended. Everything is drawn at the zoom step (see zoom.h).
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include <QSize>

#include "ui/qt/scale.h"
#include "ui/view.h"

class QAction;
class QSettings;
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
    // true the application quits. With settings, the zoom is the step stored
    // there or else the automatic step for the screen, and the zoom menu items
    // store the reader's choice; without, the zoom is 100 % until set.
    explicit QtView(ui::Screen& screen, std::function<bool()> ended = {},
                    QSettings* settings = nullptr);
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
    // The client area of a child window; null until the window is loaded.
    QWidget* surface(const ui::Window& window) const;

    // The zoom in percent, and the step the view picked for the screen (100
    // without settings).
    int zoom() const { return m_scale.zoom(); }
    int automaticZoom() const { return m_autoZoom; }
    // Draws everything at zoom (a step of zoom.h) without storing it.
    void setZoom(int zoom);
    // The zoom menu items: one step larger or smaller, or back to the
    // automatic step; each stores the choice in the settings.
    void zoomIn();
    void zoomOut();
    void resetZoom();
    QAction* zoomInAction() const { return m_zoomIn; }
    QAction* zoomOutAction() const { return m_zoomOut; }
    QAction* resetZoomAction() const { return m_zoomReset; }
    const Scale& scale() const { return m_scale; }
    // Where control lies in its window's client area in pixels: the model's
    // geometry scaled, then shortened to end inside the client area.
    QRect controlRect(const ui::Control& control) const;

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
    // True when the program took the key (its handler set the code to 0):
    // the widget must then not act on it as well.
    bool keyPressed(ui::Window& window, const QKeyEvent& event);
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
    void layoutControls(ui::Window& w);
    void layoutAll();
    void chooseZoom(const ui::Window& main);
    void storeChoice(std::optional<int> zoom);
    void addZoomItems();
    void updateStretch();
    void restackWindows();
    void scheduleSync();

    void mainChanged(ui::Window& w, ui::Control* c, const std::string& prop);
    void buildMenus(ui::Window& w);
    void applyMainGeometry(ui::Window& w, const std::string& prop);
    void applyMainState(ui::Window& w);
    // The height of the main window's client area above the MDI area.
    int menuHeight() const;
    // The main window's height in pixels as the model knows it: the outer
    // height, at most the MDI area's height plus the designed chrome.
    int modelHeight() const;
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
    // The client size the view last gave the main window, and the size of the
    // window when it was last maximised.
    QSize m_appliedSize;
    QSize m_maximisedSize;
    int m_applying = 0;
    QSettings* m_settings = nullptr;
    Scale m_scale;
    int m_autoZoom = 100;
    bool m_zoomChosen = false;
    // The main window's width as the program last set it, in twips: the
    // width at which the panes are not stretched.
    int m_designWidth = 0;
    QAction* m_zoomIn = nullptr;
    QAction* m_zoomOut = nullptr;
    QAction* m_zoomReset = nullptr;
    std::map<const ui::Window*, WindowBinding> m_windows;
    WindowBinding* m_focusFirst = nullptr;
    std::map<const ui::Control*, ControlBinding*> m_controls;
    std::map<const ui::Control*, QAction*> m_actions;
    std::map<std::string, QMenu*> m_menus;
};

} // namespace ui::qt
