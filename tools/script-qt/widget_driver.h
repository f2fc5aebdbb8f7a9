// Runs a scenario's user events through the real widgets of the Qt binding:
// each command becomes the input event a reader would cause (a click at the
// pixel of a caret position or a list row, a right-button press, a key in
// the focused widget, a menu action, a resized or closed main window).
// Message boxes stay with the runner's queue; expectations read the model.
#pragma once

#include <memory>

#include "driver.h"

class QWidget;

namespace ui::qt {
class QtView;
}

namespace script_qt {

class WidgetDriver : public script::Driver {
public:
    WidgetDriver();
    ~WidgetDriver() override;

    void starting(app::Program& p) override;
    void started() override;
    void settle() override;
    void stopping() override;

    void clickWindow(ui::Window& w) override;
    void clickControl(ui::Control& c) override;
    void clickListItem(ui::ListBox& list, int index) override;
    void press(ui::Control& c, ui::MouseButton button) override;
    void release(ui::Control& c, ui::MouseButton button) override;
    void caret(ui::TextBox& box, int n) override;
    void focus(ui::Control& c) override;
    void key(ui::Window& w, int code) override;
    void activate(ui::Window& w) override;
    void menu(ui::Control& item) override;
    void resize(std::optional<int> height) override;
    bool close() override;

private:
    ui::qt::QtView& view() const;
    // A shown window that others cover whole is not drawn; a reader who
    // means it reaches it first, which brings it to the front. (Scenarios
    // name the control they act on, not the road to its window.)
    void uncover(const ui::Window& w) const;
    // The widget of c, or the client area of w, when it is on the screen;
    // null otherwise: a reader's event cannot reach it and lands nowhere.
    QWidget* shown(const ui::Control& c) const;
    QWidget* surfaceOf(const ui::Window& w) const;
    std::unique_ptr<ui::qt::QtView> m_view;
};

} // namespace script_qt
