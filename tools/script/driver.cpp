#include "driver.h"

#include "app/program.h"
#include "ui/controls.h"
#include "ui/window.h"

namespace script {

app::Program& Driver::program() const {
    if (!m_program)
        throw Failure{"expected start before this command, got none"};
    return *m_program;
}

void Driver::activateFor(ui::Window& w) const {
    if (!w.isMain() && !w.neverActive() && program().screen().active() != &w)
        program().screen().activate(&w);
}

void Driver::clickWindow(ui::Window& w) {
    activateFor(w);
    w.raiseClick();
}

void Driver::clickControl(ui::Control& c) {
    activateFor(c.window());
    c.click();
}

void Driver::clickListItem(ui::ListBox& list, int index) {
    activateFor(list.window());
    list.setListIndex(index);
    list.click();
}

void Driver::press(ui::Control& c, ui::MouseButton button) {
    activateFor(c.window());
    c.mouseDown(button);
}

void Driver::release(ui::Control& c, ui::MouseButton button) {
    activateFor(c.window());
    c.mouseUp(button);
}

void Driver::caret(ui::TextBox& box, int n) {
    activateFor(box.window());
    box.setSelStart(n);
    box.click();
}

void Driver::focus(ui::Control& c) {
    activateFor(c.window());
    c.gotFocus();
}

void Driver::key(ui::Window& w, int code) {
    activateFor(w);
    w.raiseKeyDown(code);
}

void Driver::activate(ui::Window& w) {
    program().screen().activate(&w);
}

void Driver::deactivate(ui::Window& w) {
    if (program().screen().active() == &w)
        program().screen().deactivateActive();
    else
        w.onDeactivate();
}

void Driver::menu(ui::Control& item) {
    item.click();
}

void Driver::resize(std::optional<int> height) {
    ui::Window& main = *program().window("frmMain");
    if (!height) {
        main.setWindowState(ui::WindowState::Maximized);
    } else {
        main.setWindowState(ui::WindowState::Normal);
        main.setHeight(*height);
    }
    main.onResize();
}

bool Driver::close() {
    bool cancel = false;
    program().window("frmMain")->onQueryUnload(cancel);
    return !cancel;
}

} // namespace script
