// The controls of the screen model: plain objects with the properties and
// events the program uses. Geometry is in the units of the owning window's
// layout (pixels for the controls of child windows).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/geometry.h"
#include "ui/property.h"
#include "ui/units.h"

namespace ui {

class Window;

enum class ControlKind { ListBox, TextBox, Label, Button, CheckBox, Menu, Picture };

class Control : public Geometry {
public:
    Control(Window& owner, std::string name, ControlKind kind);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    ~Control() override = default;

    Window& window() const { return m_owner; }
    const std::string& name() const { return m_name; }
    ControlKind kind() const { return m_kind; }

    bool Visible = true;
    bool Enabled = true;
    std::string ToolTipText;
    // What assistive technology names the control by (when its caption or
    // tool tip does not say it) and what it says the control does.
    std::string AccessibleName;
    std::string AccessibleDescription;

    void setVisible(bool v);
    void setEnabled(bool v);
    void setToolTipText(const std::string& v);
    void setAccessibleName(const std::string& v);
    void setAccessibleDescription(const std::string& v);
    // Places the control in front of its overlapping siblings.
    void bringToFront();
    int zOrder() const { return m_z; }

    // Property access by name as text; false for an unknown name or value.
    virtual bool get(const std::string& prop, std::string& out) const;
    virtual bool set(const std::string& prop, const std::string& value);

    // Events the user (or the runner) raises.
    std::function<void()> onClick;
    std::function<void(MouseButton)> onMouseDown;
    std::function<void(MouseButton)> onMouseUp;
    std::function<void()> onGotFocus;
    void click();
    void mouseDown(MouseButton button);
    void mouseUp(MouseButton button);
    void gotFocus();
    // Whether the control is its window's focused control.
    bool hasFocus() const;
    // The program gives the control the focus (no GotFocus event); the view
    // moves the keyboard there once the window is the active one.
    void setFocus();

protected:
    void notify(Prop prop);
    void geometryChanged(Prop prop) override { notify(prop); }

private:
    Window& m_owner;
    std::string m_name;
    ControlKind m_kind;
    int m_z = 0;
};

class ListBox : public Control {
public:
    ListBox(Window& owner, std::string name);
    bool Sorted = false;

    void clear();
    // Adds at the end, or at its sorted place (case insensitive) when Sorted.
    void addItem(const std::string& item);
    // Adds each item as addItem does, as one change.
    void addItems(std::vector<std::string> items);
    void removeItem(int index);
    void setItem(int index, const std::string& item);
    int listCount() const { return static_cast<int>(m_items.size()); }
    // Item index; empty for an index out of range.
    std::string list(int index) const;
    const std::vector<std::string>& items() const { return m_items; }
    int listIndex() const { return m_listIndex; }
    void setListIndex(int index);
    // The items the last change of the list added, count of them from at on;
    // no items (at -1) when it did anything else. A view follows a growing
    // list with it instead of taking every item again.
    struct Added {
        int at = -1;
        int count = 0;
    };
    Added lastAdded() const { return m_lastAdded; }
    // Highlights the first item when the list holds items and none is
    // highlighted (the list has taken the keys).
    void highlightFirst();

    bool get(const std::string& prop, std::string& out) const override;
    bool set(const std::string& prop, const std::string& value) override;

private:
    std::vector<std::string> m_items;
    int m_listIndex = -1;
    Added m_lastAdded;
};

class TextBox : public Control {
public:
    TextBox(Window& owner, std::string name, bool multiLine = true);
    bool MultiLine;
    const std::string& text() const { return m_text; }
    void setText(const std::string& text);
    int selStart() const { return m_selStart; }
    int selLength() const { return m_selLength; }
    void setSelStart(int v);
    void setSelLength(int v);
    std::uint32_t foreColor() const { return m_foreColor; }
    void setForeColor(std::uint32_t c);
    std::uint32_t backColor() const { return m_backColor; }
    void setBackColor(std::uint32_t c);
    // A locked box shows its text and takes clicks but cannot be typed into.
    bool locked() const { return m_locked; }
    void setLocked(bool locked);
    void refresh() { notify(Prop::Refresh); }

    bool get(const std::string& prop, std::string& out) const override;
    bool set(const std::string& prop, const std::string& value) override;

private:
    std::string m_text;
    int m_selStart = 0;
    int m_selLength = 0;
    bool m_locked = false;
    std::uint32_t m_foreColor = kBlackRgb;
    std::uint32_t m_backColor = kWhiteRgb;
    static constexpr std::uint32_t kBlackRgb = 0;
    static constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;
};

class Label : public Control {
public:
    Label(Window& owner, std::string name, std::string caption = {});
    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& c);
    bool get(const std::string& prop, std::string& out) const override;
    bool set(const std::string& prop, const std::string& value) override;

private:
    std::string m_caption;
};

class Button : public Control {
public:
    Button(Window& owner, std::string name, std::string caption = {}, std::string picture = {});
    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& c);
    // Name of a standard icon for picture buttons ("back", "find", "up", ...).
    std::string Picture;
    std::uint32_t backColor() const { return m_backColor; }
    void setBackColor(std::uint32_t c);
    bool get(const std::string& prop, std::string& out) const override;
    bool set(const std::string& prop, const std::string& value) override;

private:
    std::string m_caption;
    std::uint32_t m_backColor = 0xD4D0C8;
};

class CheckBox : public Control {
public:
    CheckBox(Window& owner, std::string name, std::string caption = {});
    const std::string& caption() const { return m_caption; }
    int value() const { return m_value; }
    void setValue(int v);
    bool get(const std::string& prop, std::string& out) const override;
    bool set(const std::string& prop, const std::string& value) override;

private:
    std::string m_caption;
    int m_value = 0;
};

// A menu or menu item of the main window; parent names the menu it sits in
// (empty for a top-level menu).
class Menu : public Control {
public:
    Menu(Window& owner, std::string name, std::string caption, std::string parent);
    const std::string& caption() const { return m_caption; }
    const std::string& parent() const { return m_parent; }
    bool get(const std::string& prop, std::string& out) const override;

private:
    std::string m_caption;
    std::string m_parent;
};

// A decorative picture panel.
class Picture : public Control {
public:
    Picture(Window& owner, std::string name);
};

} // namespace ui
