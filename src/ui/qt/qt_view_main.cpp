// The main window part of QtView: caption, size, window state, menu bar,
// and the user's resize and close.
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include "ui/controls.h"
#include "ui/qt/cp1252.h"
#include "ui/qt/frames.h"
#include "ui/qt/qt_view.h"
#include "ui/units.h"
#include "ui/window.h"

namespace ui::qt {

namespace {

ui::WindowState modelState(const QWidget& w) {
    if (w.isMinimized())
        return ui::WindowState::Minimized;
    if (w.isMaximized())
        return ui::WindowState::Maximized;
    return ui::WindowState::Normal;
}

} // namespace

void QtView::mainChanged(ui::Window& w, ui::Control* c, const std::string& changedProp) {
    if (!w.loaded())
        return;
    // Once loaded, every property is applied.
    const std::string prop = changedProp == "Loaded" ? std::string() : changedProp;
    m_mainModel = &w;
    ++m_applying;
    if (!m_menusBuilt)
        buildMenus(w);
    if (c) {
        if (QAction* a = action(*c)) {
            if (prop.empty() || prop == "Visible")
                a->setVisible(c->Visible);
            if (prop.empty() || prop == "Enabled")
                a->setEnabled(c->Enabled);
        }
    } else {
        if (prop.empty() || prop == "Caption")
            m_main->setWindowTitle(decode(w.caption()));
        if (!m_forwardingMain) {
            applyMainGeometry(w, prop);
            if (prop.empty() || prop == "WindowState")
                applyMainState(w);
        }
        if (prop == "Visible" && w.visible())
            showMain();
    }
    --m_applying;
}

void QtView::buildMenus(ui::Window& w) {
    m_menusBuilt = true;
    // Top-level menus first, in the order of the controls, then their items;
    // an item that has items of its own becomes a submenu.
    auto menuNamed = [this](const std::string& name) -> QMenu* {
        auto it = m_menus.find(name);
        return it == m_menus.end() ? nullptr : it->second;
    };
    std::vector<ui::Menu*> menus;
    for (ui::Control* c : w.controls())
        if (c->kind() == ui::ControlKind::Menu)
            menus.push_back(static_cast<ui::Menu*>(c));
    auto hasItems = [&menus](const std::string& name) {
        for (const ui::Menu* m : menus)
            if (m->parent() == name)
                return true;
        return false;
    };
    for (ui::Menu* m : menus) {
        if (!m->parent().empty())
            continue;
        QMenu* menu = m_main->menuBar()->addMenu(decode(m->caption()));
        m_menus[m->name()] = menu;
        m_actions[m] = menu->menuAction();
    }
    for (ui::Menu* m : menus) {
        if (m->parent().empty())
            continue;
        QMenu* parent = menuNamed(m->parent());
        // An item whose menu is unknown (or declared after it) is left out.
        if (!parent)
            continue;
        if (m->caption() == "-") {
            m_actions[m] = parent->addSeparator();
        } else if (hasItems(m->name())) {
            QMenu* sub = parent->addMenu(decode(m->caption()));
            m_menus[m->name()] = sub;
            m_actions[m] = sub->menuAction();
        } else {
            QAction* a = parent->addAction(decode(m->caption()));
            m_actions[m] = a;
            ui::Menu* model = m;
            QObject::connect(a, &QAction::triggered, m_main, [this, model] {
                if (blocked())
                    return;
                model->click();
                afterEvent();
            });
        }
    }
    for (auto& [c, a] : m_actions) {
        a->setVisible(c->Visible);
        a->setEnabled(c->Enabled);
    }
}

void QtView::applyMainGeometry(ui::Window& w, const std::string& prop) {
    if (m_main->isMaximized() || m_main->isMinimized())
        return;
    auto is = [&prop](const char* name) {
        return prop.empty() || prop == name || prop == "Geometry";
    };
    // The model's size is the outer size; the frame's decorations come off.
    QSize extra = m_main->frameGeometry().size() - m_main->size();
    QSize size = m_main->size();
    if (is("Width"))
        size.setWidth(ui::pixels(w.Width) - extra.width());
    if (is("Height"))
        size.setHeight(ui::pixels(w.Height) - extra.height());
    if (size != m_main->size())
        m_main->resize(size.expandedTo(QSize(100, 100)));
    if (is("Left") || is("Top"))
        m_main->move(ui::pixels(w.Left), ui::pixels(w.Top));
}

void QtView::applyMainState(ui::Window& w) {
    if (modelState(*m_main) == w.windowState())
        return;
    Qt::WindowStates s = m_main->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (w.windowState() == ui::WindowState::Minimized)
        s |= Qt::WindowMinimized;
    if (w.windowState() == ui::WindowState::Maximized)
        s |= Qt::WindowMaximized;
    m_main->setWindowState(s);
}

void QtView::showMain() {
    ++m_applying;
    m_main->show();
    --m_applying;
}

void QtView::onMainResized() {
    if (applying() || blocked() || !m_mainModel)
        return;
    ui::Window& w = *m_mainModel;
    int height = m_main->frameGeometry().height() * ui::kTwipsPerPixel;
    const ui::WindowState state = modelState(*m_main);
    if (height == w.Height && state == w.windowState())
        return;
    m_forwardingMain = true;
    // The width follows silently; the program lays out by the height.
    if (state == ui::WindowState::Normal)
        w.Width = m_main->frameGeometry().width() * ui::kTwipsPerPixel;
    if (state != ui::WindowState::Minimized)
        w.setHeight(height);
    w.setWindowState(state);
    m_forwardingMain = false;
    w.onResize();
    afterEvent();
}

bool QtView::onMainClose() {
    if (blocked() || !m_mainModel)
        return true;
    bool cancel = false;
    m_mainModel->onQueryUnload(cancel);
    if (cancel) {
        afterEvent();
        return false;
    }
    m_finished = true;
    QCoreApplication::quit();
    return true;
}

} // namespace ui::qt
