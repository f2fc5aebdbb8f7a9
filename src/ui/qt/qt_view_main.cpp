// The main window part of QtView: caption, size, window state, menu bar,
// and the user's resize and close.
#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "ui/controls.h"
#include "ui/qt/cp1252.h"
#include "ui/qt/frames.h"
#include "ui/qt/qt_view.h"
#include "ui/qt/zoom.h"
#include "ui/units.h"
#include "ui/window.h"

namespace ui::qt {

namespace {

// Pixels (at 100 %) by which the main window may be wider than designed
// before the panes are stretched.
constexpr int kFrameSlack = 8;

// The program's child windows need an area below the menu bar this many
// twips shorter than the main window: at its designed height of 6000 twips
// the tallest, the verse window, is 5439 twips high. A window manager's
// frame and the menu bar may take more at a zoom; the window then grows so
// that the area keeps that height.
constexpr int kWindowChrome = 560;

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
    if (!m_zoomChosen)
        chooseZoom(w);
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
    addZoomItems();
}

void QtView::addZoomItems() {
    // The zoom belongs to the binding alone: its items have no model menu.
    // They go into the Options menu; without one, their keys still work.
    m_zoomIn = new QAction(QStringLiteral("Zoom &In"), m_main);
    m_zoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    m_zoomOut = new QAction(QStringLiteral("Zoom &Out"), m_main);
    m_zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    m_zoomReset = new QAction(QStringLiteral("&Reset Zoom"), m_main);
    m_zoomReset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    auto it = m_menus.find("mnuOptions");
    if (it != m_menus.end())
        it->second->addSeparator();
    for (QAction* a : {m_zoomIn, m_zoomOut, m_zoomReset}) {
        if (it != m_menus.end())
            it->second->addAction(a);
        else
            m_main->addAction(a);
    }
    QObject::connect(m_zoomIn, &QAction::triggered, m_main, [this] { zoomIn(); });
    QObject::connect(m_zoomOut, &QAction::triggered, m_main, [this] { zoomOut(); });
    QObject::connect(m_zoomReset, &QAction::triggered, m_main, [this] { resetZoom(); });
}

void QtView::chooseZoom(const ui::Window& main) {
    m_zoomChosen = true;
    if (!m_settings)
        return;
    const QSize designed(ui::pixels(main.Width), ui::pixels(main.Height));
    QScreen* screen = m_main->screen() ? m_main->screen() : QGuiApplication::primaryScreen();
    if (screen)
        m_autoZoom = ui::qt::automaticZoom(designed, screen->availableGeometry().size());
    setZoom(storedZoom(*m_settings).value_or(m_autoZoom));
}

void QtView::setZoom(int zoom) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == m_scale.zoom())
        return;
    m_scale = Scale(zoom, m_scale.stretch());
    QApplication::setFont(designFont(QApplication::font(), zoom));
    if (m_mainModel) {
        ++m_applying;
        applyMainGeometry(*m_mainModel, {});
        --m_applying;
    }
    updateStretch();
    layoutAll();
}

void QtView::storeChoice(std::optional<int> zoom) {
    if (m_settings)
        storeZoom(*m_settings, zoom);
}

void QtView::zoomIn() {
    setZoom(nextZoom(zoom(), +1));
    storeChoice(zoom());
}

void QtView::zoomOut() {
    setZoom(nextZoom(zoom(), -1));
    storeChoice(zoom());
}

void QtView::resetZoom() {
    setZoom(m_autoZoom);
    storeChoice(std::nullopt);
}

void QtView::updateStretch() {
    double stretch = 1.0;
    if (m_designWidth > 0) {
        const int designed = m_scale.twipsToPixels(m_designWidth);
        const int width = m_main->frameGeometry().width();
        // The few pixels of a window manager's frame stretch nothing.
        if (designed > 0 && width > designed + m_scale.pixels(kFrameSlack))
            stretch = static_cast<double>(width) / designed;
    }
    if (stretch == m_scale.stretch())
        return;
    m_scale = Scale(m_scale.zoom(), stretch);
    layoutAll();
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
    if (is("Width")) {
        // The user's width reaches the model silently; only the program's
        // own width is the designed one.
        if (prop != "" || m_designWidth == 0)
            m_designWidth = w.Width;
        size.setWidth(m_scale.twipsToPixels(w.Width) - extra.width());
    }
    if (is("Height"))
        size.setHeight(std::max(m_scale.twipsToPixels(w.Height) - extra.height(),
                                menuHeight() + m_scale.twipsToPixels(w.Height) -
                                    m_scale.twipsToPixels(kWindowChrome)));
    size = size.expandedTo(QSize(100, 100));
    if (size != m_main->size())
        m_main->resize(size);
    m_appliedSize = size;
    if (is("Left") || is("Top"))
        m_main->move(m_scale.twipsToPixels(w.Left), m_scale.twipsToPixels(w.Top));
}

int QtView::menuHeight() const {
    if (m_main->isVisible())
        return m_main->height() - m_mdi->height();
    return m_main->menuBar()->sizeHint().height();
}

int QtView::modelHeight() const {
    return std::min(m_main->frameGeometry().height(),
                    m_mdi->height() + m_scale.twipsToPixels(kWindowChrome));
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
    if (blocked())
        return;
    updateStretch();
    if (applying() || !m_mainModel)
        return;
    ui::Window& w = *m_mainModel;
    const ui::WindowState state = modelState(*m_main);
    const bool normal = state == ui::WindowState::Normal;
    const QSize frame = m_main->frameGeometry().size();
    if (state == w.windowState() && normal && m_main->size() == m_appliedSize) {
        // Only the window manager's frame came or went: the model's size
        // stays the outer size.
        if (m_scale.twipsToPixels(w.Height) != modelHeight()) {
            ++m_applying;
            applyMainGeometry(w, {});
            --m_applying;
        }
        return;
    }
    // Compared in pixels: a model height that maps to the frame's height is
    // unchanged, whatever the rounding at this zoom.
    if (m_scale.twipsToPixels(w.Height) == modelHeight() && state == w.windowState())
        return;
    // Restoring a maximised window can report the new state before the new
    // size: the maximised size is no restored size, the real one follows.
    if (normal && w.windowState() == ui::WindowState::Maximized && frame == m_maximisedSize)
        return;
    if (state == ui::WindowState::Maximized)
        m_maximisedSize = frame;
    m_forwardingMain = true;
    // The width follows silently; the program lays out by the height.
    if (normal)
        w.Width = m_scale.pixelsToTwips(frame.width());
    if (state != ui::WindowState::Minimized)
        w.setHeight(m_scale.pixelsToTwips(modelHeight()));
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
