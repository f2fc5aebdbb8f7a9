// How the user's events of a scenario reach the program. The headless driver
// raises them on the screen model directly; a front end's driver turns each
// into the input event a reader would cause in its widgets.
#pragma once

#include <optional>
#include <string>

#include "ui/units.h"

namespace app {
class Program;
}
namespace ui {
class Control;
class ListBox;
class TextBox;
class Window;
} // namespace ui

namespace script {

// A scenario step that cannot be made; message reads "expected …, got …".
struct Failure {
    std::string message;
};

class Driver {
public:
    virtual ~Driver() = default;

    // A fresh program is about to run its entry procedure.
    virtual void starting(app::Program& p) { m_program = &p; }
    // The entry procedure has run.
    virtual void started() {}
    // After every command: lets a front end catch up with the model.
    virtual void settle() {}
    // The program is about to be destroyed.
    virtual void stopping() { m_program = nullptr; }

    // A click on a window's background.
    virtual void clickWindow(ui::Window& w);
    // A click on a control; a list box first gets ListIndex index when given.
    virtual void clickControl(ui::Control& c);
    virtual void clickListItem(ui::ListBox& list, int index);
    // MouseDown and MouseUp.
    virtual void press(ui::Control& c, ui::MouseButton button);
    virtual void release(ui::Control& c, ui::MouseButton button);
    // The caret put after n characters, then a click.
    virtual void caret(ui::TextBox& box, int n);
    virtual void focus(ui::Control& c);
    virtual void key(ui::Window& w, int code);
    virtual void activate(ui::Window& w);
    virtual void deactivate(ui::Window& w);
    virtual void menu(ui::Control& item);
    // The main window made height twips high, or maximised when none.
    virtual void resize(std::optional<int> height);
    // The reader closes the main window; true when it closed.
    virtual bool close();

protected:
    app::Program& program() const;
    // A user event on a window that is not the active one activates it first.
    void activateFor(ui::Window& w) const;

private:
    app::Program* m_program = nullptr;
};

} // namespace script
