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

#include <QMargins>
#include <QPointer>
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
class QScreen;
class QScrollArea;
class QWidget;

namespace ui {
class Screen;
class Window;
class Control;
} // namespace ui

namespace ui::qt {

class ControlBinding;
class ChildFrame;
class FocusRing;
class MainFrame;
class WindowSurface;

class QtView : public ui::View {
public:
    // Registers itself as the screen's view and renders every window already
    // loaded. ended is asked after each forwarded user event; when it answers
    // true the application quits. With settings, the zoom is the step stored
    // there (at most the largest the screen can show) or else the automatic
    // step for the screen, and the zoom menu items store the reader's choice;
    // the main window comes up where the reader left it, and every move,
    // resize and maximise of it is stored. Without, the zoom is 100 % until
    // set.
    explicit QtView(ui::Screen& screen, std::function<bool()> ended = {},
                    QSettings* settings = nullptr);
    ~QtView() override;
    QtView(const QtView&) = delete;
    QtView& operator=(const QtView&) = delete;

    void changed(ui::Window& window, ui::Control* control, ui::Prop property) override;

    QMainWindow* mainWindow() const;
    QMdiArea* mdiArea() const { return m_mdi; }
    // What holds the MDI area below the menu bar: it scrolls when the child
    // windows no longer fit the main window.
    QScrollArea* mainArea() const { return m_area; }
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
    // The largest step at which the designed main window fits the available
    // area of its screen: the zoom items offer no larger one.
    int largestZoom() const;
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
    // geometry scaled, shortened to end inside the client area, and cut
    // clear of the siblings it gives way to (see overlaps.h): a list or text
    // box gives way to a button, check box or label, and of two alike the
    // one behind gives way; pictures, the backgrounds of what lies on them,
    // neither give way nor take it. Empty when such a sibling covers it
    // whole: the control is then not drawn.
    QRect controlRect(const ui::Control& control) const;
    // True when a shown window lies so far behind the windows in front of
    // it that only slivers of it would show: it is not drawn at all.
    bool covered(const ui::Window& window) const;

    // Brings Qt's stacking order, active subwindow and pending focus in line
    // with the model now (otherwise done on the next turn of the event loop).
    void sync();

    // The height to give the main window (inside its frame) for the program
    // to take it as `twips` high.
    int clientHeightFor(int twips) const;

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
    // The control whose widget widget is; null when none.
    ui::Control* controlOf(const QWidget* widget) const;
    // The control the focus ring is drawn around; null when none.
    QWidget* focusRingTarget() const;

private:
    struct WindowBinding {
        ui::Window* window = nullptr;
        ChildFrame* frame = nullptr;
        WindowSurface* surface = nullptr;
        ui::Control* pendingFocus = nullptr;
    };
    // Marks the view as changing widgets itself: Qt signals caused meanwhile
    // (activation, moves, resizes) are not user events.
    struct Applying {
        explicit Applying(QtView& v) : view(v) { ++view.m_applying; }
        ~Applying() { --view.m_applying; }
        Applying(const Applying&) = delete;
        Applying& operator=(const Applying&) = delete;
        QtView& view;
    };

    WindowBinding* ensureWindow(ui::Window& w);
    void bindMissingControls(ui::Window& w, WindowBinding& b);
    ControlBinding* bindControl(WindowBinding& b, ui::Control& c);
    void applyWindow(ui::Window& w, WindowBinding& b, ui::Prop prop);
    void restackControls(ui::Window& w);
    void layoutControls(ui::Window& w);
    // Draws anew the controls of w whose place or showing changed, after
    // a sibling moved, resized, showed or hid.
    void refitControls(ui::Window& w);
    void layoutAll();
    void chooseZoom(const ui::Window& main);
    void storeChoice(std::optional<int> zoom);
    void addZoomItems();
    void updateStretch();
    // True when the main window is narrower than the narrowest panes.
    bool narrowest() const;
    void restackWindows();
    // Shows the subwindow of every window the model shows and that is not
    // covered; hides the others.
    void showWindows();
    // The MDI area is as large as the windows it shows, so that the main
    // area scrolls to them when the main window is smaller.
    void updateAreaMinimum();
    void scheduleSync();
    // Moves the keyboard into the active window when it is not there: to
    // the control the model gives it, else to the first control.
    void focusActiveWindow(WindowBinding& b);
    // The ring follows the focus when it is on a control's widget.
    void ringFocus(QWidget* focus);

    void mainChanged(ui::Window& w, ui::Control* c, ui::Prop prop);
    void buildMenus(ui::Window& w);
    void applyMainGeometry(ui::Window& w, ui::Prop prop, bool zoomed = false);
    void applyMainState(ui::Window& w);
    QScreen* currentScreen() const;
    void updateZoomActions();
    // A window the zoom made larger than its screen is fitted to it.
    void fitOnScreen();
    // The place stored in the settings, put on a screen that shows it;
    // false when none is stored.
    bool restorePlace();
    // Stores the main window's place in the settings.
    void rememberPlace();
    // Tells the program the main window's height and state as they are now.
    void reportMainSize();
    void onMainMoved();
    // The height of the main window's client area above the main area.
    int menuHeight() const;
    // The main window's height in pixels as the program's layout takes it
    // after the user resized it: the visible main area plus the chrome the
    // program designed for (title and menu bar), whatever the window
    // manager's own, so that the fitted windows fill the area.
    int modelHeight() const;
    void showMain();
    void onMainResized();
    bool onMainClose();
    void onSubWindowActivated(QMdiSubWindow* s);
    void onFrameMoved(ui::Window& w);

    ui::Screen& m_screen;
    std::function<bool()> m_ended;
    MainFrame* m_main = nullptr;
    QScrollArea* m_area = nullptr;
    QMdiArea* m_mdi = nullptr;
    QPointer<FocusRing> m_ring;
    ui::Window* m_lastActive = nullptr;
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
    // The program's own size of the main window in pixels at 100 %.
    QSize m_designSize;
    bool m_placeRestored = false;
    // What the window manager's frame adds around the main window, as last
    // seen on a normal window.
    QMargins m_frameMargins;
    // The main window's width as the program last set it, in twips: the
    // width at which the panes are not stretched.
    int m_designWidth = 0;
    QAction* m_zoomIn = nullptr;
    QAction* m_zoomOut = nullptr;
    QAction* m_zoomReset = nullptr;
    std::map<const ui::Window*, WindowBinding> m_windows;
    std::map<const ui::Control*, ControlBinding*> m_controls;
    std::map<const ui::Control*, QAction*> m_actions;
    std::map<std::string, QMenu*> m_menus;
};

} // namespace ui::qt
