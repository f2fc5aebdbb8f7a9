#include "ui/controls.h"

#include <algorithm>

#include "formats/letter_case.h"
#include "ui/value.h"
#include "ui/window.h"

namespace ui {

Control::Control(Window& owner, std::string name, ControlKind kind)
    : m_owner(owner), m_name(std::move(name)), m_kind(kind) {
    m_z = owner.nextZ();
    owner.addControl(*this);
}

void Control::notify(Prop prop) {
    m_owner.controlChanged(*this, prop);
}

void Control::setVisible(bool v) {
    Visible = v;
    notify(Prop::Visible);
}
void Control::setEnabled(bool v) {
    Enabled = v;
    notify(Prop::Enabled);
}
void Control::setToolTipText(const std::string& v) {
    ToolTipText = v;
    notify(Prop::ToolTipText);
}
void Control::setAccessibleName(const std::string& v) {
    AccessibleName = v;
    notify(Prop::AccessibleName);
}
void Control::setAccessibleDescription(const std::string& v) {
    AccessibleDescription = v;
    notify(Prop::AccessibleDescription);
}
void Control::bringToFront() {
    m_z = m_owner.nextZ();
    notify(Prop::ZOrder);
}

void Control::click() {
    if (onClick)
        onClick();
}
void Control::mouseDown(MouseButton button) {
    if (onMouseDown)
        onMouseDown(button);
}
void Control::mouseUp(MouseButton button) {
    if (onMouseUp)
        onMouseUp(button);
}
void Control::gotFocus() {
    m_owner.setFocus(this);
    if (onGotFocus)
        onGotFocus();
}
bool Control::hasFocus() const {
    return m_owner.focusedControl() == this;
}
void Control::setFocus() {
    m_owner.setFocus(this);
    notify(Prop::Focus);
}

bool Control::get(const std::string& prop, std::string& out) const {
    if (getGeometryByName(prop, out))
        return true;
    if (prop == "Visible")
        out = boolText(Visible);
    else if (prop == "Enabled")
        out = boolText(Enabled);
    else if (prop == "ToolTipText")
        out = ToolTipText;
    else if (prop == "AccessibleName")
        out = AccessibleName;
    else if (prop == "AccessibleDescription")
        out = AccessibleDescription;
    else if (prop == "Name")
        out = m_name;
    else if (prop == "Focused")
        out = boolText(hasFocus());
    else
        return false;
    return true;
}

bool Control::set(const std::string& prop, const std::string& value) {
    if (setGeometryByName(prop, value))
        return true;
    if (prop == "Visible" || prop == "Enabled") {
        auto b = parseBool(value);
        if (!b)
            return false;
        const bool visible = prop == "Visible";
        (visible ? Visible : Enabled) = *b;
        notify(visible ? Prop::Visible : Prop::Enabled);
        return true;
    }
    if (prop == "ToolTipText") {
        setToolTipText(value);
        return true;
    }
    return false;
}

// ---- ListBox

ListBox::ListBox(Window& owner, std::string name)
    : Control(owner, std::move(name), ControlKind::ListBox) {}

void ListBox::clear() {
    m_items.clear();
    m_listIndex = -1;
    m_lastAdded = {};
    notify(Prop::List);
}

void ListBox::addItem(const std::string& item) {
    if (Sorted) {
        auto at = std::upper_bound(m_items.begin(), m_items.end(), item, formats::lessNoCase);
        m_lastAdded = {static_cast<int>(at - m_items.begin()), 1};
        m_items.insert(at, item);
    } else {
        m_lastAdded = {listCount(), 1};
        m_items.push_back(item);
    }
    notify(Prop::List);
    if (hasFocus())
        highlightFirst();
}

void ListBox::addItems(std::vector<std::string> items) {
    if (items.empty())
        return;
    if (Sorted) {
        for (std::string& item : items) {
            auto at = std::upper_bound(m_items.begin(), m_items.end(), item, formats::lessNoCase);
            m_items.insert(at, std::move(item));
        }
        m_lastAdded = {};
    } else {
        m_lastAdded = {listCount(), static_cast<int>(items.size())};
        m_items.insert(m_items.end(), std::make_move_iterator(items.begin()),
                       std::make_move_iterator(items.end()));
    }
    notify(Prop::List);
    if (hasFocus())
        highlightFirst();
}

void ListBox::removeItem(int index) {
    if (index < 0 || index >= listCount())
        return;
    m_items.erase(m_items.begin() + index);
    m_lastAdded = {};
    if (m_listIndex >= listCount())
        m_listIndex = listCount() - 1;
    notify(Prop::List);
}

void ListBox::setItem(int index, const std::string& item) {
    if (index < 0 || index >= listCount())
        return;
    m_items[static_cast<size_t>(index)] = item;
    m_lastAdded = {};
    notify(Prop::List);
}

std::string ListBox::list(int index) const {
    if (index < 0 || index >= listCount())
        return {};
    return m_items[static_cast<size_t>(index)];
}

void ListBox::highlightFirst() {
    if (m_listIndex < 0 && !m_items.empty())
        setListIndex(0);
}

void ListBox::setListIndex(int index) {
    m_listIndex = (index >= -1 && index < listCount()) ? index : -1;
    notify(Prop::ListIndex);
}

bool ListBox::get(const std::string& prop, std::string& out) const {
    if (prop == "ListIndex")
        out = std::to_string(m_listIndex);
    else if (prop == "ListCount")
        out = std::to_string(listCount());
    else if (prop == "Sorted")
        out = boolText(Sorted);
    else if (prop == "Text")
        out = list(m_listIndex);
    else if (prop.rfind("List(", 0) == 0 && prop.back() == ')') {
        auto i = parseLong(prop.substr(5, prop.size() - 6));
        if (!i)
            return false;
        out = list(static_cast<int>(*i));
    } else
        return Control::get(prop, out);
    return true;
}

bool ListBox::set(const std::string& prop, const std::string& value) {
    if (prop == "ListIndex") {
        auto v = parseLong(value);
        if (!v)
            return false;
        setListIndex(static_cast<int>(*v));
        return true;
    }
    return Control::set(prop, value);
}

// ---- TextBox

TextBox::TextBox(Window& owner, std::string name, bool multiLine)
    : Control(owner, std::move(name), ControlKind::TextBox), MultiLine(multiLine) {}

void TextBox::setText(const std::string& text) {
    m_text = text;
    m_selStart = 0;
    m_selLength = 0;
    notify(Prop::Text);
}

void TextBox::setSelStart(int v) {
    m_selStart = std::clamp(v, 0, static_cast<int>(m_text.size()));
    m_selLength = 0;
    notify(Prop::SelStart);
}

void TextBox::setSelLength(int v) {
    m_selLength = std::clamp(v, 0, static_cast<int>(m_text.size()) - m_selStart);
    notify(Prop::SelLength);
}

void TextBox::setForeColor(std::uint32_t c) {
    m_foreColor = c;
    notify(Prop::ForeColor);
}
void TextBox::setBackColor(std::uint32_t c) {
    m_backColor = c;
    notify(Prop::BackColor);
}
void TextBox::setLocked(bool locked) {
    m_locked = locked;
    notify(Prop::Locked);
}

bool TextBox::get(const std::string& prop, std::string& out) const {
    if (prop == "Text")
        out = m_text;
    else if (prop == "SelStart")
        out = std::to_string(m_selStart);
    else if (prop == "SelLength")
        out = std::to_string(m_selLength);
    else if (prop == "SelText")
        out = m_text.substr(static_cast<size_t>(m_selStart), static_cast<size_t>(m_selLength));
    else if (prop == "MultiLine")
        out = boolText(MultiLine);
    else if (prop == "ForeColor")
        out = colourText(m_foreColor);
    else if (prop == "BackColor")
        out = colourText(m_backColor);
    else if (prop == "Locked")
        out = boolText(m_locked);
    else
        return Control::get(prop, out);
    return true;
}

bool TextBox::set(const std::string& prop, const std::string& value) {
    if (prop == "Text") {
        setText(value);
        return true;
    }
    if (prop == "SelStart" || prop == "SelLength") {
        auto v = parseLong(value);
        if (!v)
            return false;
        if (prop == "SelStart")
            setSelStart(static_cast<int>(*v));
        else
            setSelLength(static_cast<int>(*v));
        return true;
    }
    if (prop == "ForeColor" || prop == "BackColor") {
        auto c = parseColour(value);
        if (!c)
            return false;
        if (prop == "ForeColor")
            setForeColor(*c);
        else
            setBackColor(*c);
        return true;
    }
    return Control::set(prop, value);
}

// ---- Label

Label::Label(Window& owner, std::string name, std::string caption)
    : Control(owner, std::move(name), ControlKind::Label), m_caption(std::move(caption)) {}
void Label::setCaption(const std::string& c) {
    m_caption = c;
    notify(Prop::Caption);
}
bool Label::get(const std::string& prop, std::string& out) const {
    if (prop == "Caption") {
        out = m_caption;
        return true;
    }
    return Control::get(prop, out);
}
bool Label::set(const std::string& prop, const std::string& value) {
    if (prop == "Caption") {
        setCaption(value);
        return true;
    }
    return Control::set(prop, value);
}

// ---- Button

Button::Button(Window& owner, std::string name, std::string caption, std::string picture)
    : Control(owner, std::move(name), ControlKind::Button), Picture(std::move(picture)),
      m_caption(std::move(caption)) {}
void Button::setCaption(const std::string& c) {
    m_caption = c;
    notify(Prop::Caption);
}
void Button::setBackColor(std::uint32_t c) {
    m_backColor = c;
    notify(Prop::BackColor);
}
bool Button::get(const std::string& prop, std::string& out) const {
    if (prop == "Caption")
        out = m_caption;
    else if (prop == "BackColor")
        out = colourText(m_backColor);
    else if (prop == "Picture")
        out = Picture;
    else
        return Control::get(prop, out);
    return true;
}
bool Button::set(const std::string& prop, const std::string& value) {
    if (prop == "Caption") {
        setCaption(value);
        return true;
    }
    if (prop == "BackColor") {
        auto c = parseColour(value);
        if (!c)
            return false;
        setBackColor(*c);
        return true;
    }
    return Control::set(prop, value);
}

// ---- CheckBox

CheckBox::CheckBox(Window& owner, std::string name, std::string caption)
    : Control(owner, std::move(name), ControlKind::CheckBox), m_caption(std::move(caption)) {}
void CheckBox::setValue(int v) {
    m_value = v ? 1 : 0;
    notify(Prop::Value);
}
bool CheckBox::get(const std::string& prop, std::string& out) const {
    if (prop == "Caption")
        out = m_caption;
    else if (prop == "Value")
        out = std::to_string(m_value);
    else
        return Control::get(prop, out);
    return true;
}
bool CheckBox::set(const std::string& prop, const std::string& value) {
    if (prop == "Value") {
        auto v = parseLong(value);
        if (!v)
            return false;
        setValue(static_cast<int>(*v));
        return true;
    }
    return Control::set(prop, value);
}

// ---- Menu, Picture

Menu::Menu(Window& owner, std::string name, std::string caption, std::string parent)
    : Control(owner, std::move(name), ControlKind::Menu), m_caption(std::move(caption)),
      m_parent(std::move(parent)) {}
bool Menu::get(const std::string& prop, std::string& out) const {
    if (prop == "Caption") {
        out = m_caption;
        return true;
    }
    return Control::get(prop, out);
}

Picture::Picture(Window& owner, std::string name)
    : Control(owner, std::move(name), ControlKind::Picture) {}

} // namespace ui
