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
#include <QScrollArea>
#include <QSettings>
#include <QTimer>

#include "ui/controls.h"
#include "ui/qt/cp1252.h"
#include "ui/qt/frames.h"
#include "ui/qt/qt_view.h"
#include "ui/qt/window_place.h"
#include "ui/qt/zoom.h"
#include "ui/units.h"
#include "ui/window.h"

namespace ui::qt {

namespace {

// Pixels (at 100 %) by which the main window may be wider or narrower than
// designed before the panes are stretched or narrowed.
constexpr int kFrameSlack = 8;

// The panes narrow with the window down to this share of their designed
// width; a narrower window scrolls its main area instead.
constexpr double kMinStretch = 0.6;

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

void QtView::mainChanged(ui::Window& w, ui::Control* c, ui::Prop changedProp) {
    if (!w.loaded())
        return;
    // Once loaded, every property is applied.
    const ui::Prop prop = changedProp == ui::Prop::Loaded ? ui::Prop::All : changedProp;
    m_mainModel = &w;
    ++m_applying;
    if (!m_zoomChosen)
        chooseZoom(w);
    if (!m_menusBuilt)
        buildMenus(w);
    if (c) {
        if (QAction* a = action(*c)) {
            if (prop == ui::Prop::All || prop == ui::Prop::Visible)
                a->setVisible(c->Visible);
            if (prop == ui::Prop::All || prop == ui::Prop::Enabled)
                a->setEnabled(c->Enabled);
        }
    } else {
        if (prop == ui::Prop::All || prop == ui::Prop::Caption)
            m_main->setWindowTitle(decode(w.caption()));
        if (!m_forwardingMain) {
            applyMainGeometry(w, prop);
            if (prop == ui::Prop::All || prop == ui::Prop::WindowState)
                applyMainState(w);
        }
        if (prop == ui::Prop::Visible && w.visible())
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
    updateZoomActions();
}

void QtView::chooseZoom(const ui::Window& main) {
    m_zoomChosen = true;
    m_designSize = QSize(ui::pixels(main.Width), ui::pixels(main.Height));
    if (!m_settings)
        return;
    if (QScreen* screen = currentScreen())
        m_autoZoom = ui::qt::automaticZoom(m_designSize, screen->availableGeometry().size());
    // A step stored on a larger screen is more than this one can show.
    setZoom(std::min(storedZoom(*m_settings).value_or(m_autoZoom), largestZoom()));
}

QScreen* QtView::currentScreen() const {
    return m_main->screen() ? m_main->screen() : QGuiApplication::primaryScreen();
}

int QtView::largestZoom() const {
    QScreen* screen = currentScreen();
    if (!screen || m_designSize.isEmpty())
        return kMaxZoom;
    return largestFittingZoom(m_designSize, screen->availableGeometry().size());
}

void QtView::setZoom(int zoom) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == m_scale.zoom())
        return;
    m_scale = Scale(zoom, m_scale.stretch());
    QApplication::setFont(designFont(QApplication::font(), zoom));
    if (m_mainModel) {
        ++m_applying;
        applyMainGeometry(*m_mainModel, ui::Prop::All, true);
        --m_applying;
    }
    updateStretch();
    layoutAll();
    updateZoomActions();
    // A maximised window keeps its size: the program hears its height in
    // the twips of the new step.
    if (m_mainModel && m_main->isMaximized() && !applying())
        reportMainSize();
}

void QtView::updateZoomActions() {
    if (!m_zoomIn)
        return;
    const int next = nextZoom(zoom(), +1);
    m_zoomIn->setEnabled(next > zoom() && next <= largestZoom());
    m_zoomOut->setEnabled(zoom() > kMinZoom);
}

void QtView::storeChoice(std::optional<int> zoom) {
    if (m_settings)
        storeZoom(*m_settings, zoom);
}

void QtView::zoomIn() {
    const int next = nextZoom(zoom(), +1);
    if (next > largestZoom())
        return;
    setZoom(next);
    fitOnScreen();
    storeChoice(zoom());
}

void QtView::zoomOut() {
    setZoom(nextZoom(zoom(), -1));
    storeChoice(zoom());
}

void QtView::resetZoom() {
    setZoom(m_autoZoom);
    fitOnScreen();
    storeChoice(std::nullopt);
}

void QtView::fitOnScreen() {
    QScreen* screen = currentScreen();
    if (!screen || !m_main->isVisible() || m_main->isMaximized() || m_main->isMinimized())
        return;
    const QRect frame = m_main->frameGeometry();
    const QRect fitted = placeOnScreens(frame, {screen->availableGeometry()});
    if (fitted == frame)
        return;
    // The user's window, fitted: the program hears it as a resize.
    m_main->resize(m_main->size() - (frame.size() - fitted.size()));
    m_main->move(fitted.topLeft());
}

bool QtView::narrowest() const {
    return m_designWidth > 0 &&
           m_main->frameGeometry().width() < m_scale.twipsToPixels(m_designWidth) * kMinStretch;
}

void QtView::updateStretch() {
    double stretch = 1.0;
    if (m_designWidth > 0) {
        const int designed = m_scale.twipsToPixels(m_designWidth);
        const int width = m_main->frameGeometry().width();
        // The few pixels of a window manager's frame stretch nothing.
        const int slack = m_scale.pixels(kFrameSlack);
        if (designed > 0 && (width > designed + slack || width < designed - slack))
            stretch = std::max(kMinStretch, static_cast<double>(width) / designed);
    }
    if (stretch == m_scale.stretch())
        return;
    m_scale = Scale(m_scale.zoom(), stretch);
    layoutAll();
}

void QtView::applyMainGeometry(ui::Window& w, ui::Prop prop, bool zoomed) {
    if (m_main->isMaximized() || m_main->isMinimized())
        return;
    // zoomed: the model's size drawn anew (a new zoom step, a frame that
    // came), where the window stands.
    const bool all = !zoomed && (prop == ui::Prop::All || prop == ui::Prop::Geometry);
    // The model's size is the outer size; the frame's decorations come off.
    QSize extra = m_main->frameGeometry().size() - m_main->size();
    QSize size = m_main->size();
    if (all || zoomed || prop == ui::Prop::Width) {
        // The user's width reaches the model silently; only the program's
        // own width is the designed one.
        if (!zoomed && (prop != ui::Prop::All || m_designWidth == 0))
            m_designWidth = w.Width;
        size.setWidth(m_scale.twipsToPixels(w.Width) - extra.width());
    }
    if (all || zoomed || prop == ui::Prop::Height)
        size.setHeight(std::max(m_scale.twipsToPixels(w.Height) - extra.height(),
                                menuHeight() + m_scale.twipsToPixels(w.Height) -
                                    m_scale.twipsToPixels(kWindowChrome)));
    size = size.expandedTo(QSize(100, 100));
    if (size != m_main->size())
        m_main->resize(size);
    m_appliedSize = size;
    if (all || prop == ui::Prop::Left || prop == ui::Prop::Top)
        m_main->move(m_scale.twipsToPixels(w.Left), m_scale.twipsToPixels(w.Top));
}

int QtView::menuHeight() const {
    if (m_main->isVisible())
        return m_main->height() - m_area->height();
    return m_main->menuBar()->sizeHint().height();
}

int QtView::clientHeightFor(int twips) const {
    const int below = m_main->height() - m_area->viewport()->height();
    return m_scale.twipsToPixels(twips) - m_scale.twipsToPixels(kWindowChrome) + below;
}

int QtView::modelHeight() const {
    return m_area->viewport()->height() + m_scale.twipsToPixels(kWindowChrome);
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
    const bool restored = !m_placeRestored && restorePlace();
    m_placeRestored = true;
    ++m_applying;
    m_main->show();
    --m_applying;
    // The program hears the size the window came back with once the window
    // system has shown it.
    if (restored)
        QTimer::singleShot(0, m_main, [this] {
            if (!blocked() && !applying() && m_mainModel)
                reportMainSize();
        });
}

bool QtView::restorePlace() {
    if (!m_settings)
        return false;
    auto place = storedPlace(*m_settings);
    if (!place)
        return false;
    std::vector<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.push_back(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.push_back(screen->availableGeometry());
    // The frame as it was: borders alike left, right and below, the title
    // bar above.
    const int side = (place->frame.width() - place->client.width()) / 2;
    m_frameMargins = QMargins(
        side, std::max(0, place->frame.height() - place->client.height() - side), side, side);
    const QRect frame = placeOnScreens(place->frame, screens);
    m_main->resize(place->client - (place->frame.size() - frame.size()));
    m_main->move(frame.topLeft());
    if (place->maximised)
        m_main->setWindowState(m_main->windowState() | Qt::WindowMaximized);
    return true;
}

void QtView::rememberPlace() {
    if (!m_settings || !m_main->isVisible() || m_main->isMinimized() || applying())
        return;
    const bool maximised = m_main->isMaximized();
    // The frame of a normal window; a maximised one keeps its normal place.
    if (!maximised) {
        const QRect frame = m_main->frameGeometry(), client = m_main->geometry();
        m_frameMargins = QMargins(client.left() - frame.left(), client.top() - frame.top(),
                                  frame.right() - client.right(), frame.bottom() - client.bottom());
    }
    const QRect client = maximised ? m_main->normalGeometry() : m_main->geometry();
    if (client.isEmpty())
        return;
    storePlace(*m_settings,
               WindowPlace{client.marginsAdded(m_frameMargins), client.size(), maximised});
}

void QtView::onMainMoved() {
    if (!blocked())
        rememberPlace();
}

void QtView::onMainResized() {
    if (blocked())
        return;
    updateStretch();
    if (applying() || !m_mainModel)
        return;
    rememberPlace();
    reportMainSize();
}

void QtView::reportMainSize() {
    ui::Window& w = *m_mainModel;
    const ui::WindowState state = modelState(*m_main);
    const bool normal = state == ui::WindowState::Normal;
    const QSize frame = m_main->frameGeometry().size();
    if (state == w.windowState() && normal && m_main->size() == m_appliedSize) {
        // Only the window manager's frame came or went: the program's size
        // stays the outer size.
        if (m_scale.twipsToPixels(w.Height) != frame.height()) {
            ++m_applying;
            applyMainGeometry(w, ui::Prop::All, true);
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
