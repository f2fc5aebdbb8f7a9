#include "ui/qt/qt_view.h"

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QScrollArea>
#include <QTimer>

#include "ui/controls.h"
#include "ui/qt/cp1252.h"
#include "ui/qt/focus_ring.h"
#include "ui/qt/frames.h"
#include "ui/qt/keys.h"
#include "ui/qt/overlaps.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/zoom.h"
#include "ui/qt/zoom_style.h"
#include "ui/screen.h"
#include "ui/units.h"
#include "ui/window.h"

namespace ui::qt {

namespace {

// The hidden window of work lists never appears on screen.
bool neverShown(const ui::Window& w) {
    return w.name() == "frmArrays";
}

// The help box is laid out by its caller in twips, its text box included.
bool controlsInTwips(const ui::Window& w) {
    return w.neverActive();
}

// Lists and text boxes show content that may start a little lower or end a
// little sooner; captions and icons must show whole.
bool yields(ui::ControlKind kind) {
    return kind == ui::ControlKind::ListBox || kind == ui::ControlKind::TextBox;
}

// Whether c gives way to its sibling o where they overlap. A picture is a
// background: what lies on it lies there by design.
bool givesWay(const ui::Control& c, const ui::Control& o) {
    const auto background = [](const ui::Control& x) {
        return x.kind() == ui::ControlKind::Picture || x.kind() == ui::ControlKind::Menu;
    };
    if (background(c) || background(o))
        return false;
    if (yields(c.kind()) != yields(o.kind()))
        return yields(c.kind());
    return o.zOrder() > c.zOrder();
}

} // namespace

QtView::QtView(ui::Screen& screen, std::function<bool()> ended, QSettings* settings)
    : m_screen(screen), m_ended(std::move(ended)), m_settings(settings) {
    QApplication::setFont(designFont(QApplication::font(), m_scale.zoom()));
    useZoomStyle();
    m_main = new MainFrame;
    m_area = new QScrollArea(m_main);
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setWidgetResizable(true);
    m_area->setBackgroundRole(QPalette::Dark);
    m_mdi = new QMdiArea;
    m_mdi->setBackground(QBrush(QColor(128, 128, 128)));
    m_area->setWidget(m_mdi);
    m_main->setCentralWidget(m_area);
    m_ring = new FocusRing(m_main);
    QObject::connect(qApp, &QApplication::focusChanged, m_main,
                     [this](QWidget*, QWidget* now) { ringFocus(now); });
    m_main->resized = [this] { onMainResized(); };
    m_main->moved = [this] { onMainMoved(); };
    m_main->closing = [this] { return onMainClose(); };
    QObject::connect(m_mdi, &QMdiArea::subWindowActivated, m_main,
                     [this](QMdiSubWindow* s) { onSubWindowActivated(s); });
    m_screen.setView(this);
    for (ui::Window* w : m_screen.windows()) {
        if (!w->loaded())
            continue;
        if (w->isMain())
            mainChanged(*w, nullptr, ui::Prop::All);
        else
            ensureWindow(*w);
    }
    sync();
}

QtView::~QtView() {
    m_screen.setView(nullptr);
    m_finished = true;
    for (auto& [w, b] : m_windows)
        b.frame->allowClose();
    delete m_main;
}

QMainWindow* QtView::mainWindow() const {
    return m_main;
}

QMdiSubWindow* QtView::subWindow(const ui::Window& window) const {
    auto it = m_windows.find(&window);
    return it == m_windows.end() ? nullptr : it->second.frame;
}

QWidget* QtView::widget(const ui::Control& control) const {
    auto it = m_controls.find(&control);
    return it == m_controls.end() ? nullptr : it->second->widget();
}

QAction* QtView::action(const ui::Control& menu) const {
    auto it = m_actions.find(&menu);
    return it == m_actions.end() ? nullptr : it->second;
}

QWidget* QtView::surface(const ui::Window& window) const {
    auto it = m_windows.find(&window);
    return it == m_windows.end() ? nullptr : it->second.surface;
}

QRect QtView::controlRect(const ui::Control& control) const {
    const bool twips = controlsInTwips(control.window());
    QRect r = m_scale.control(control, twips);
    auto it = m_windows.find(&control.window());
    if (it != m_windows.end()) {
        const QSize client = it->second.surface->size();
        if (r.right() >= client.width() && r.left() < client.width())
            r.setRight(client.width() - 1);
        if (r.bottom() >= client.height() && r.top() < client.height())
            r.setBottom(client.height() - 1);
    }
    std::vector<QRect> over;
    for (const ui::Control* o : control.window().controls())
        if (o != &control && o->Visible && givesWay(control, *o))
            over.push_back(m_scale.control(*o, twips));
    return clearOf(r, over);
}

void QtView::changed(ui::Window& window, ui::Control* control, ui::Prop property) {
    if (window.isMain()) {
        mainChanged(window, control, property);
        return;
    }
    if (neverShown(window))
        return;
    WindowBinding* b = ensureWindow(window);
    if (!b)
        return;
    Applying guard(*this);
    if (control) {
        auto it = m_controls.find(control);
        ControlBinding* cb = it == m_controls.end() ? bindControl(*b, *control) : it->second;
        if (!cb)
            return;
        cb->update(property);
        if (property == ui::Prop::ZOrder)
            restackControls(window);
        // Where a control stands or whether it shows decides where the
        // siblings that give way to it are drawn.
        if (ui::isGeometry(property) || property == ui::Prop::Visible ||
            property == ui::Prop::ZOrder)
            refitControls(window);
        return;
    }
    applyWindow(window, *b, property);
}

QtView::WindowBinding* QtView::ensureWindow(ui::Window& w) {
    auto it = m_windows.find(&w);
    if (it != m_windows.end())
        return &it->second;
    if (!w.loaded())
        return nullptr;
    Applying guard(*this);
    WindowBinding& b = m_windows[&w];
    b.window = &w;
    b.frame = new ChildFrame(w.neverActive(), w.caption().empty());
    b.surface = new WindowSurface(w.neverActive());
    b.surface->setOutline(b.frame->frameless());
    if (w.neverActive())
        b.surface->setBackgroundRole(QPalette::ToolTipBase);
    b.frame->setWidget(b.surface);
    m_mdi->addSubWindow(b.frame, b.frame->windowFlags());
    b.frame->hide();
    ui::Window* model = &w;
    b.surface->clicked = [this, model] {
        if (blocked())
            return;
        model->raiseClick();
        afterEvent();
    };
    b.surface->keyPressed = [this, model](const QKeyEvent& e) { keyPressed(*model, e); };
    b.frame->moved = [this, model] { onFrameMoved(*model); };
    b.surface->resized = [this, model] { layoutControls(*model); };
    bindMissingControls(w, b);
    applyWindow(w, b, ui::Prop::All);
    return &b;
}

void QtView::bindMissingControls(ui::Window& w, WindowBinding& b) {
    bool added = false;
    for (ui::Control* c : w.controls()) {
        if (m_controls.count(c) || c->kind() == ui::ControlKind::Menu)
            continue;
        bindControl(b, *c);
        added = true;
    }
    if (added)
        restackControls(w);
}

ControlBinding* QtView::bindControl(WindowBinding& b, ui::Control& c) {
    ControlBinding* cb = createBinding(*this, c, b.surface, c.window().neverActive());
    if (cb)
        m_controls[&c] = cb;
    return cb;
}

void QtView::applyWindow(ui::Window& w, WindowBinding& b, ui::Prop prop) {
    auto is = [prop](ui::Prop p) { return ui::touches(prop, p); };
    if (is(ui::Prop::Caption)) {
        b.frame->setFrameless(w.caption().empty());
        b.surface->setOutline(b.frame->frameless());
        b.frame->setWindowTitle(decode(w.caption()));
    }
    const QRect r = m_scale.window(w);
    if (is(ui::Prop::Width) || is(ui::Prop::Height) || is(ui::Prop::Geometry))
        b.frame->setFixedSize(r.size());
    if (is(ui::Prop::Left) || is(ui::Prop::Top) || is(ui::Prop::Geometry))
        b.frame->move(r.topLeft());
    if (is(ui::Prop::Loaded))
        bindMissingControls(w, b);
    if (is(ui::Prop::Visible)) {
        if (w.visible() && !m_main->isVisible())
            showMain();
        if (!w.visible())
            b.frame->hide();
    }
    if (ui::isGeometry(prop) || prop == ui::Prop::Visible || prop == ui::Prop::ZOrder) {
        restackWindows();
        showWindows();
    }
    scheduleSync();
}

void QtView::restackControls(ui::Window& w) {
    std::vector<ui::Control*> order;
    for (ui::Control* c : w.controls())
        if (m_controls.count(c))
            order.push_back(c);
    std::stable_sort(order.begin(), order.end(), [](const ui::Control* a, const ui::Control* b) {
        return a->zOrder() < b->zOrder();
    });
    for (ui::Control* c : order)
        m_controls[c]->widget()->raise();
}

void QtView::layoutControls(ui::Window& w) {
    Applying guard(*this);
    for (ui::Control* c : w.controls()) {
        auto it = m_controls.find(c);
        if (it != m_controls.end())
            it->second->update(ui::Prop::Geometry);
    }
}

void QtView::refitControls(ui::Window& w) {
    Applying guard(*this);
    for (ui::Control* c : w.controls()) {
        auto it = m_controls.find(c);
        if (it == m_controls.end())
            continue;
        const QRect r = controlRect(*c);
        QWidget* widget = it->second->widget();
        const bool shown = c->Visible && !r.isEmpty();
        if ((shown && widget->geometry() != r) || widget->isHidden() == shown)
            it->second->update(ui::Prop::Geometry);
    }
}

void QtView::layoutAll() {
    Applying guard(*this);
    for (auto& [w, b] : m_windows) {
        auto* model = const_cast<ui::Window*>(w);
        applyWindow(*model, b, ui::Prop::Geometry);
        layoutControls(*model);
    }
}

void QtView::scheduleSync() {
    if (m_syncPending || m_finished)
        return;
    m_syncPending = true;
    QTimer::singleShot(0, m_main, [this] {
        m_syncPending = false;
        sync();
    });
}

void QtView::sync() {
    if (m_finished)
        return;
    Applying guard(*this);
    for (auto& [w, b] : m_windows)
        bindMissingControls(*const_cast<ui::Window*>(w), b);
    ui::Window* active = m_screen.active();
    auto it = active ? m_windows.find(active) : m_windows.end();
    restackWindows();
    showWindows();
    updateAreaMinimum();
    if (it != m_windows.end() && active->visible() && m_mdi->activeSubWindow() != it->second.frame)
        m_mdi->setActiveSubWindow(it->second.frame);
    // No active window in the model: none in the area either, so that the
    // next click on a window activates it again.
    if (!active && m_mdi->activeSubWindow())
        m_mdi->setActiveSubWindow(nullptr);
    if (it != m_windows.end() && it->second.pendingFocus) {
        QWidget* target = widget(*it->second.pendingFocus);
        it->second.pendingFocus = nullptr;
        if (target && target->isVisible())
            target->setFocus(Qt::OtherFocusReason);
    }
    // A window that has just become the active one takes the keys.
    if (it != m_windows.end() && active != m_lastActive)
        focusActiveWindow(it->second);
    m_lastActive = active;
    ringFocus(QApplication::focusWidget());
}

void QtView::afterEvent() {
    if (m_finished)
        return;
    if (m_ended && m_ended()) {
        m_finished = true;
        QCoreApplication::quit();
        return;
    }
    sync();
}

bool QtView::keyPressed(ui::Window& window, const QKeyEvent& event) {
    if (blocked())
        return false;
    int code = windowsKeyCode(event.key());
    if (code == 0)
        return false;
    int shift = 0;
    if (event.modifiers() & Qt::ShiftModifier)
        shift |= ui::Window::kShiftKey;
    if (event.modifiers() & Qt::ControlModifier)
        shift |= ui::Window::kCtrlKey;
    if (event.modifiers() & Qt::AltModifier)
        shift |= ui::Window::kAltKey;
    const bool taken = window.raiseKeyDown(code, shift) == 0;
    afterEvent();
    return taken;
}

void QtView::requestFocus(ui::Control& control) {
    auto it = m_windows.find(&control.window());
    if (it == m_windows.end())
        return;
    it->second.pendingFocus = &control;
    scheduleSync();
}

void QtView::onSubWindowActivated(QMdiSubWindow* s) {
    if (!s || applying() || blocked())
        return;
    for (auto& [w, b] : m_windows) {
        if (b.frame != s)
            continue;
        auto* model = const_cast<ui::Window*>(w);
        // A real click raises the window and makes it the active one; the
        // help box only comes to the front.
        if (m_screen.active() != model || m_screen.stacking().empty() ||
            m_screen.stacking().back() != model)
            model->bringToFront();
        afterEvent();
        scheduleSync();
        return;
    }
}

void QtView::onFrameMoved(ui::Window& w) {
    if (applying() || blocked())
        return;
    auto it = m_windows.find(&w);
    if (it == m_windows.end())
        return;
    const QPoint pos = it->second.frame->pos();
    if (m_scale.window(w).topLeft() == pos)
        return;
    w.setGeometry(m_scale.pixelsToTwipsAcross(pos.x()), m_scale.pixelsToTwips(pos.y()), w.Width,
                  w.Height);
}

} // namespace ui::qt
