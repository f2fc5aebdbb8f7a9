// A window of the screen model: geometry in twips, caption, visibility, its
// controls by name, and the window events. Subclasses hold their controls as
// members and override the event methods.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace ui {

class Screen;

class Window : public Geometry {
public:
    Window(Screen& screen, std::string name, std::string caption = {});
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window() override = default;

    const std::string& name() const { return m_name; }
    Screen& screen() const { return m_screen; }

    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& c);
    bool visible() const { return m_visible; }
    bool loaded() const { return m_loaded; }
    WindowState windowState() const { return m_windowState; }
    void setWindowState(WindowState s);
    // The main window of the program, which contains every other window.
    bool isMain() const { return m_isMain; }
    // True for windows that never become the active window (the help box).
    bool neverActive() const { return m_neverActive; }

    // Runs Load once if the window is not loaded yet.
    void load();
    // Loads if needed, makes the window visible, raises it and activates it.
    void show();
    void hide();
    void bringToFront();
    // Visible and above every other visible window that overlaps it.
    bool front() const;

    const std::vector<Control*>& controls() const { return m_controls; }
    // A control by name; control arrays are named "Cell(7)". Null if unknown.
    Control* control(const std::string& name) const;
    Control* focusedControl() const { return m_focus; }

    bool get(const std::string& prop, std::string& out) const;
    bool set(const std::string& prop, const std::string& value);

    // Events; the default handlers do nothing.
    virtual void onLoad() {}
    virtual void onActivate() {}
    virtual void onDeactivate() {}
    virtual void onResize() {}
    // Set cancel to true to keep the window (main window closing).
    virtual void onQueryUnload(bool& cancel) { (void)cancel; }
    virtual void onClick() {}
    // The window has just become visible (after Load, before it is raised).
    virtual void onShown() {}
    // Set code to 0 to swallow the key. shift holds the modifier keys held
    // down: kShiftKey, kCtrlKey and kAltKey or-ed together.
    virtual void onKeyDown(int& code, int shift) {
        (void)code;
        (void)shift;
    }
    static constexpr int kShiftKey = 1, kCtrlKey = 2, kAltKey = 4;
    static constexpr int kEnterKey = 13, kEscapeKey = 27, kSpaceKey = 32;
    // What Escape does in this window (closing it as its Back button does);
    // none when empty.
    std::function<void()> onEscape;

    void raiseClick();
    // Runs KeyDown; then a key the handler left, without modifiers, is given
    // its common meaning on the focused control (if shown and enabled):
    // Enter on a list opens its highlighted item as a click does; Enter on a
    // text box, and Space on one that cannot be typed into, is a click at
    // its caret; Enter on a button presses it as the left mouse button does;
    // Escape runs onEscape. Returns the code left, 0 when the key was taken.
    int raiseKeyDown(int code, int shift = 0);

    // Internal: controls register themselves and report changes here.
    void addControl(Control& c);
    void controlChanged(Control& c, Prop prop);
    // The control that takes the keys; a list highlights its first item
    // when none is.
    void setFocus(Control* c);
    int nextZ() { return ++m_lastZ; }

protected:
    void setMain() { m_isMain = true; }
    void setNeverActive() { m_neverActive = true; }
    void notify(Prop prop);
    void geometryChanged(Prop prop) override { notify(prop); }

private:
    friend class Screen;
    Screen& m_screen;
    std::string m_name;
    std::string m_caption;
    bool m_visible = false;
    bool m_loaded = false;
    bool m_isMain = false;
    bool m_neverActive = false;
    WindowState m_windowState = WindowState::Normal;
    std::vector<Control*> m_controls;
    std::map<std::string, Control*> m_byName;
    Control* m_focus = nullptr;
    int m_lastZ = 0;
};

} // namespace ui
