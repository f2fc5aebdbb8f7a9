#include "widget_driver.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTest>

#include "app/program.h"
#include "scenario.h"
#include "ui/controls.h"
#include "ui/qt/cp1252.h"
#include "ui/qt/keys.h"
#include "ui/qt/qt_view.h"
#include "ui/window.h"

namespace script_qt {

namespace {

using script::Failure;

std::string nameOf(const ui::Control& c) {
    return c.window().name() + "." + c.name();
}

Qt::MouseButton qtButton(ui::MouseButton button) {
    switch (button) {
    case ui::MouseButton::Right:
        return Qt::RightButton;
    case ui::MouseButton::Middle:
        return Qt::MiddleButton;
    case ui::MouseButton::Left:
        break;
    }
    return Qt::LeftButton;
}

// Lets queued work (the view's deferred sync, resize events) run.
void drain() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// The point of a multi-line box where a click puts the caret at widget
// position pos; the box scrolls to it first, without telling the model.
QPoint caretPoint(QPlainTextEdit& edit, int pos) {
    QSignalBlocker block(edit);
    QTextCursor c = edit.textCursor();
    c.setPosition(pos);
    edit.setTextCursor(c);
    edit.ensureCursorVisible();
    const QRect r = edit.cursorRect();
    return QPoint(r.left(), r.center().y());
}

// The point of a one-line box where a click puts the caret at pos.
std::optional<QPoint> caretPoint(QLineEdit& line, int pos) {
    const int y = line.height() / 2;
    for (int x = 0; x < line.width(); ++x)
        if (line.cursorPositionAt(QPoint(x, y)) == pos)
            return QPoint(x, y);
    return std::nullopt;
}

} // namespace

WidgetDriver::WidgetDriver() = default;
WidgetDriver::~WidgetDriver() = default;

ui::qt::QtView& WidgetDriver::view() const {
    if (!m_view)
        throw Failure{"expected start before this command, got none"};
    return *m_view;
}

void WidgetDriver::starting(app::Program& p) {
    Driver::starting(p);
    // As the program does: the view sees every window being loaded.
    app::Program* program = &p;
    m_view = std::make_unique<ui::qt::QtView>(p.screen(), [program] { return program->ended(); });
}

void WidgetDriver::started() {
    if (program().ended())
        return;
    QMainWindow* main = m_view->mainWindow();
    main->show();
    main->activateWindow();
    if (!QTest::qWaitForWindowActive(main, 2000))
        throw Failure{"expected an active main window, got none"};
    settle();
}

void WidgetDriver::settle() {
    if (!m_view)
        return;
    m_view->sync();
    drain();
}

void WidgetDriver::stopping() {
    m_view.reset();
    Driver::stopping();
}

void WidgetDriver::uncover(const ui::Window& w) const {
    if (!view().covered(w))
        return;
    program().window(w.name())->bringToFront();
    view().sync();
    drain();
}

QWidget* WidgetDriver::shown(const ui::Control& c) const {
    uncover(c.window());
    QWidget* widget = view().widget(c);
    return widget && widget->isVisible() ? widget : nullptr;
}

QWidget* WidgetDriver::surfaceOf(const ui::Window& w) const {
    uncover(w);
    QWidget* surface = view().surface(w);
    return surface && surface->isVisible() ? surface : nullptr;
}

void WidgetDriver::clickWindow(ui::Window& w) {
    QWidget* found = surfaceOf(w);
    if (!found)
        return;
    QWidget& surface = *found;
    // The first point of the background that no control covers.
    for (int y = 1; y < surface.height(); y += 2)
        for (int x = 1; x < surface.width(); x += 2)
            if (!surface.childAt(x, y)) {
                QTest::mouseClick(&surface, Qt::LeftButton, {}, QPoint(x, y));
                return;
            }
    throw Failure{"expected a free point on the window, got none in " +
                  script::escapeValue(w.name())};
}

void WidgetDriver::clickControl(ui::Control& c) {
    if (auto* list = dynamic_cast<ui::ListBox*>(&c)) {
        clickListItem(*list, list->listIndex());
        return;
    }
    if (auto* box = dynamic_cast<ui::TextBox*>(&c)) {
        caret(*box, box->selStart());
        return;
    }
    QWidget* widget = shown(c);
    if (widget)
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void WidgetDriver::clickListItem(ui::ListBox& list, int index) {
    auto* widget = qobject_cast<QListWidget*>(shown(list));
    if (!widget)
        return;
    QListWidgetItem* item = widget->item(index);
    if (!item) {
        // No such row: the click lands below the last one, on no item.
        const QPoint below(2, widget->viewport()->height() - 2);
        if (widget->itemAt(below))
            throw Failure{"expected a row of " + nameOf(list) + ", got " + std::to_string(index)};
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, below);
        return;
    }
    widget->scrollToItem(item);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      widget->visualItemRect(item).center());
}

void WidgetDriver::press(ui::Control& c, ui::MouseButton button) {
    if (QWidget* widget = shown(c))
        QTest::mousePress(widget, qtButton(button), {}, widget->rect().center());
}

void WidgetDriver::release(ui::Control& c, ui::MouseButton button) {
    if (QWidget* widget = shown(c))
        QTest::mouseRelease(widget, qtButton(button), {}, widget->rect().center());
}

void WidgetDriver::caret(ui::TextBox& box, int n) {
    QWidget* widget = shown(box);
    if (!widget)
        return;
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        const int pos = ui::qt::modelToBoxPos(box.text(), ui::qt::pieceBreaks(box.text()), n);
        QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, caretPoint(*edit, pos));
        return;
    }
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        auto at = caretPoint(*line, n);
        if (!at)
            throw Failure{"expected a caret position in " + nameOf(box) + ", got " +
                          std::to_string(n)};
        QTest::mouseClick(line, Qt::LeftButton, {}, *at);
        return;
    }
    throw Failure{"expected a text box, got " + script::escapeValue(nameOf(box))};
}

void WidgetDriver::focus(ui::Control& c) {
    QWidget* widget = shown(c);
    if (!widget)
        return;
    // Focus that is already there is not given again.
    if (widget->hasFocus())
        widget->clearFocus();
    widget->setFocus(Qt::TabFocusReason);
}

void WidgetDriver::key(ui::Window& w, int code) {
    const int qtKey = ui::qt::qtKey(code);
    if (qtKey == 0)
        throw Failure{"expected a key code with a key, got " + std::to_string(code)};
    QWidget* surface = surfaceOf(w);
    if (!surface)
        return;
    // The key goes to the focused widget of the window; with none there,
    // the window itself takes the focus first.
    QWidget* target = QApplication::focusWidget();
    if (!target || (target != surface && !surface->isAncestorOf(target))) {
        view().mdiArea()->setActiveSubWindow(view().subWindow(w));
        surface->setFocus(Qt::OtherFocusReason);
        target = surface;
    }
    QTest::keyClick(target, static_cast<Qt::Key>(qtKey));
}

void WidgetDriver::activate(ui::Window& w) {
    // What a click on the window's title bar does.
    if (surfaceOf(w))
        view().mdiArea()->setActiveSubWindow(view().subWindow(w));
}

void WidgetDriver::menu(ui::Control& item) {
    QAction* action = view().action(item);
    if (!action)
        throw Failure{"expected a menu item on the screen, got " +
                      script::escapeValue(item.name())};
    action->trigger();
}

void WidgetDriver::resize(std::optional<int> height) {
    QMainWindow* main = view().mainWindow();
    if (!height) {
        main->showMaximized();
        drain();
        return;
    }
    if (main->isMaximized()) {
        main->showNormal();
        drain();
    }
    main->resize(main->width(), view().clientHeightFor(*height));
    drain();
}

bool WidgetDriver::close() {
    return view().mainWindow()->close();
}

} // namespace script_qt
