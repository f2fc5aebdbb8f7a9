// The program's main window at every size on the offscreen screens (a
// 1920x1080 primary, a 3840x2160 to its right): maximised it fills its
// area, shrunk it re-fits rather than clips, and below the fitted sizes its
// area scrolls; no control covers another, a window behind others draws
// nothing, the keys show where they are at every zoom step.
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

#include "catalogue/frm_select.h"
#include "program_fixture.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_page.h"
#include "reader/frm_text1.h"
#include "search/frm_find6.h"
#include "shell/frm_main.h"
#include "shell/frm_msg.h"
#include "shell/frm_text0.h"
#include "study/frm_text3.h"
#include "ui/qt/focus_ring.h"
#include "ui/qt/zoom.h"

using namespace program_fixture;

namespace {

void key(Fixture& f, Qt::Key k) {
    QTest::keyClick(QApplication::focusWidget(), k);
    f.view->sync();
    settle();
}

// Waits for the main window to take a new size or state.
void waitForMain(Fixture& f) {
    for (int i = 0; i < 10; ++i) {
        QTest::qWait(20);
        settle();
    }
    f.view->sync();
}

// What of w's client area lies outside the visible part of the main area;
// empty when all of it shows.
QString cutOff(Fixture& f, const ui::Window& w) {
    QWidget* surface = f.view->surface(w);
    if (!surface || !surface->isVisible())
        return QStringLiteral("%1 not shown").arg(QString::fromStdString(w.name()));
    QWidget* viewport = f.view->mainArea()->viewport();
    const QRect shown(surface->mapTo(viewport, QPoint(0, 0)), surface->size());
    // The reading window stands a little above the area's top by design.
    const int above = f.view->scale().twipsToPixels(15) + 1;
    if (shown.right() <= viewport->rect().right() && shown.bottom() <= viewport->rect().bottom() &&
        shown.left() >= 0 && shown.top() >= -above)
        return {};
    return QStringLiteral("%1 at %2,%3 %4x%5 beyond %6x%7")
        .arg(QString::fromStdString(w.name()))
        .arg(shown.x())
        .arg(shown.y())
        .arg(shown.width())
        .arg(shown.height())
        .arg(viewport->width())
        .arg(viewport->height());
}

// The pairs of shown controls of w (pictures aside: what lies on them lies
// there by design) whose drawn rectangles overlap.
QStringList overlapping(Fixture& f, const ui::Window& w) {
    QStringList found;
    const auto& controls = w.controls();
    auto drawn = [&f](const ui::Control& c) -> QWidget* {
        QWidget* widget = f.view->widget(c);
        const bool shown = widget && widget->isVisible();
        return shown && c.kind() != ui::ControlKind::Picture ? widget : nullptr;
    };
    for (size_t i = 0; i < controls.size(); ++i)
        for (size_t j = i + 1; j < controls.size(); ++j) {
            QWidget* a = drawn(*controls[i]);
            QWidget* b = drawn(*controls[j]);
            if (a && b && a->geometry().intersects(b->geometry()))
                found << QString::fromStdString(controls[i]->name() + "/" + controls[j]->name());
        }
    return found;
}

// Why the caption of w does not show whole; empty when it does.
QString clipped(const QWidget& w) {
    const QFontMetrics metrics(w.font());
    if (const auto* button = qobject_cast<const QPushButton*>(&w)) {
        const int frame = w.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &w);
        const int room = w.width() - 2 * frame;
        if (!button->text().isEmpty() && metrics.horizontalAdvance(button->text()) > room)
            return QStringLiteral("button %1 wider than %2").arg(button->text()).arg(room);
    } else if (const auto* box = qobject_cast<const QCheckBox*>(&w)) {
        const int mark = w.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &w) +
                         w.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &w);
        if (metrics.horizontalAdvance(box->text()) > w.width() - mark)
            return QStringLiteral("check box %1 wider than %2").arg(box->text()).arg(w.width());
    } else if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        const QRect room = label->contentsRect();
        const QRect used = metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20),
                                                Qt::TextWordWrap, label->text());
        if (used.width() > room.width() || used.height() > room.height())
            return QStringLiteral("label %1 needs %2x%3 in %4x%5")
                .arg(label->text())
                .arg(used.width())
                .arg(used.height())
                .arg(room.width())
                .arg(room.height());
    }
    return {};
}

// The roles a reader acts on.
bool actedOn(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::List:
    case QAccessible::EditableText:
        return true;
    default:
        return false;
    }
}

struct Met {
    QString name, description;
    QAccessible::Role role;
};

// Every interface below iface, depth first.
void walk(QAccessibleInterface* iface, std::vector<std::pair<QWidget*, Met>>& out) {
    if (!iface || !iface->isValid())
        return;
    if (iface->object() && iface->object()->isWidgetType())
        out.push_back({static_cast<QWidget*>(iface->object()),
                       Met{iface->text(QAccessible::Name), iface->text(QAccessible::Description),
                           iface->role()}});
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), out);
}

} // namespace

class TestQtWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase();
    void maximisedFillsTheMainArea();
    void shrunkWindowRefitsThenScrolls();
    void aWindowBehindOthersDrawsNothing();
    void titlesStartAtTheLeft();
    void focusRingShowsAtEveryZoom();
    void captionsShowWholeAtEveryZoom();
    void verseWindowShowsWholeUnderATallMenuBar();
    void everyControlOfEveryWindowHasAName();
};

void TestQtWindow::cleanupTestCase() {
    std::error_code ec;
    fs::remove_all(libraryCopy(), ec);
}

// Maximised, the children were widened but not made taller: the bottom
// quarter of the main area stayed empty at 1920x1080, 45 % at 3840x2160.
void TestQtWindow::maximisedFillsTheMainArea() {
    const struct {
        const char* name;
        QPoint on;
        int zoom;
    } screens[] = {{"1920x1080", {100, 100}, 225}, {"3840x2160", {2100, 100}, 450}};
    for (const auto& screen : screens) {
        Fixture f(screen.zoom);
        f.openBook(0, 0);
        QMainWindow* main = f.view->mainWindow();
        main->move(screen.on);
        waitForMain(f);
        main->showMaximized();
        waitForMain(f);
        QVERIFY2(main->isMaximized(), screen.name);
        QCOMPARE(f.program.frmMain().windowState(), ui::WindowState::Maximized);
        const int area = f.view->mainArea()->viewport()->height();
        for (const ui::Window* w : {static_cast<const ui::Window*>(&f.program.frmList2()),
                                    static_cast<const ui::Window*>(&f.program.frmText1())}) {
            QMdiSubWindow* frame = f.view->subWindow(*w);
            const int empty = area - (frame->geometry().bottom() + 1);
            QVERIFY2(empty >= 0 && empty * 100 <= area * 6,
                     qPrintable(QStringLiteral("%1 %2: %3 of %4 pixels empty")
                                    .arg(QString::fromLatin1(screen.name))
                                    .arg(QString::fromStdString(w->name()))
                                    .arg(empty)
                                    .arg(area)));
            QVERIFY2(cutOff(f, *w).isEmpty(), qPrintable(cutOff(f, *w)));
        }
        // Restored, the children follow the restored height again.
        main->showNormal();
        waitForMain(f);
        QVERIFY2(cutOff(f, f.program.frmText1()).isEmpty(),
                 qPrintable(cutOff(f, f.program.frmText1())));
    }
}

// Shrunk below the size of its zoom step, the reading window lost its
// paging buttons and scroll bar at the right instead of re-fitting; lower
// than the program fits its windows, or narrower than the panes can narrow,
// the main area scrolls to the windows rather than cutting them.
void TestQtWindow::shrunkWindowRefitsThenScrolls() {
    Fixture f(225);
    f.openBook(0, 0);
    QMainWindow* main = f.view->mainWindow();
    reader::FrmText1& reading = f.program.frmText1();
    QScrollArea* area = f.view->mainArea();
    for (QSize size : {QSize(1000, 650), QSize(1280, 800)}) {
        main->resize(size - (main->frameGeometry().size() - main->size()));
        waitForMain(f);
        for (const ui::Window* w : {static_cast<const ui::Window*>(&reading),
                                    static_cast<const ui::Window*>(&f.program.frmList2())})
            QVERIFY2(cutOff(f, *w).isEmpty(), qPrintable(cutOff(f, *w)));
        for (const ui::Control* c : reading.controls())
            if (c->Visible && c->kind() != ui::ControlKind::Picture)
                QVERIFY2(
                    f.view->widget(*c)->isVisible() &&
                        f.view->surface(reading)->rect().contains(f.view->widget(*c)->geometry()),
                    c->name().c_str());
        // The page scrolls within its box, its scroll bar in view.
        QVERIFY(f.widget<QPlainTextEdit>(reading.Text1)->verticalScrollBar()->isVisible());
        QVERIFY(!area->horizontalScrollBar()->isVisible() &&
                !area->verticalScrollBar()->isVisible());
    }
    main->resize(600, 220);
    waitForMain(f);
    QVERIFY(area->horizontalScrollBar()->isVisible() && area->verticalScrollBar()->isVisible());
    const QRect frame = f.view->subWindow(reading)->geometry();
    QVERIFY(f.view->mdiArea()->width() > frame.right() &&
            f.view->mdiArea()->height() > frame.bottom());
    main->resize(1400, 880);
    waitForMain(f);
    QVERIFY(!area->horizontalScrollBar()->isVisible() && !area->verticalScrollBar()->isVisible());
}

// The edges of windows behind the front one showed beside and below it.
void TestQtWindow::aWindowBehindOthersDrawsNothing() {
    Fixture f(225);
    f.openBook(0, 0);
    reader::FrmText1& reading = f.program.frmText1();
    reading.Text1.setSelStart(5);
    reading.Text1.click();
    f.view->sync();
    settle();
    // The reading window stays shown in the program, under the verse window.
    QVERIFY(reading.visible());
    QVERIFY(f.program.frmText3().front());
    QVERIFY(f.view->covered(reading));
    QVERIFY(!f.view->subWindow(reading)->isVisible());
    QVERIFY(f.view->subWindow(f.program.frmText3())->isVisible());
    // Back: the reading window in front and drawn, the verse window gone.
    f.clickButton(f.program.frmText3().btnBack);
    QVERIFY(f.view->subWindow(reading)->isVisible());
    QVERIFY(!f.view->subWindow(f.program.frmText3())->isVisible());
    // The bookmark list covers part of the list window only: both drawn.
    f.clickButton(reading.btnGetBkMrk);
    QVERIFY(f.view->subWindow(f.program.frmBkMrk())->isVisible());
    QVERIFY(f.view->subWindow(f.program.frmList2())->isVisible());
    QVERIFY(!f.view->covered(f.program.frmList2()));
}

// The bookmark window covered the list window's title but for "Di": a
// title starts at the left edge of its bar, active or not.
void TestQtWindow::titlesStartAtTheLeft() {
    Fixture f(225);
    ui::Window& list = f.program.frmList0();
    QMdiSubWindow* frame = f.view->subWindow(list);
    const int bar = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame);
    auto titleBar = [&](const std::string& caption) {
        list.setCaption(caption);
        f.view->sync();
        settle();
        return frame->grab(QRect(0, 0, frame->width(), bar)).toImage();
    };
    for (bool active : {true, false}) {
        if (!active)
            f.clickRow(f.program.frmList0().lstMain0, 0);
        QCOMPARE(f.view->mdiArea()->activeSubWindow() == frame, active);
        const QImage blank = titleBar(" ");
        const QImage titled = titleBar("Directory");
        // Where the title changed the bar: all of it in the left third.
        int right = -1;
        for (int y = 0; y < blank.height(); ++y)
            for (int x = 0; x < blank.width(); ++x)
                if (blank.pixel(x, y) != titled.pixel(x, y))
                    right = std::max(right, x);
        QVERIFY(right > 0);
        QVERIFY2(right < blank.width() / 3, qPrintable(QString::number(right)));
    }
}

// The focus ring was barely visible at any zoom: it is drawn around the
// control with the keys, in the highlight colour, thicker with the zoom.
void TestQtWindow::focusRingShowsAtEveryZoom() {
    int last = 0;
    for (int zoom = ui::qt::kMinZoom; zoom <= ui::qt::kMaxZoom; zoom += 2 * ui::qt::kZoomStep) {
        Fixture f(zoom);
        auto* list = f.widget<QListWidget>(f.program.frmList0().lstMain0);
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(f.view->focusRingTarget(), list);
        const int width = ui::qt::FocusRing::lineWidth();
        QVERIFY(width >= 2);
        QVERIFY(width >= QFontMetrics(QApplication::font()).height() / 6);
        QVERIFY(width >= last);
        last = width;
        // The ring's colour on the list's edge, across its whole width.
        QWidget* surface = f.view->surface(f.program.frmList0());
        const QImage shot = surface->grab().toImage();
        const QColor ring = list->palette().color(QPalette::Active, QPalette::Highlight);
        const QPoint edge = list->geometry().topLeft() + QPoint(width / 2, list->height() / 2);
        QCOMPARE(shot.pixelColor(edge * shot.devicePixelRatio()), ring);
        // Tab moves it to the next control.
        key(f, Qt::Key_Tab);
        QCOMPARE(f.view->focusRingTarget(), QApplication::focusWidget());
        QVERIFY(QApplication::focusWidget() != list);
    }
}

// "Set Bkmark" showed as "et Bkmar", and "Whole Word" and "Click on Word for
// Definition" were cut at some steps; the verse window's Back, Set Bkmark and
// search buttons were cut at the bottom by the verse box, and the bookmark
// window's two buttons overlapped: at every zoom every caption of the windows
// a reader meets shows whole, inside its window, and no control covers another.
void TestQtWindow::captionsShowWholeAtEveryZoom() {
    for (int zoom = ui::qt::kMinZoom; zoom <= ui::qt::kMaxZoom; zoom += ui::qt::kZoomStep) {
        Fixture f(zoom);
        int seen = 0;
        auto check = [&f, &seen, zoom] {
            for (ui::Window* w : f.program.screen().windows()) {
                if (!w->loaded() || !w->visible())
                    continue;
                const QString at = QStringLiteral(" at zoom %1").arg(zoom);
                QVERIFY2(overlapping(f, *w).isEmpty(),
                         qPrintable(overlapping(f, *w).join(u' ') + at));
                for (ui::Control* c : w->controls()) {
                    const QWidget* widget = f.view->widget(*c);
                    if (!widget || !widget->isVisible())
                        continue;
                    ++seen;
                    const QString name = QString::fromStdString(w->name() + "." + c->name()) + at;
                    QVERIFY2(clipped(*widget).isEmpty(), qPrintable(name + clipped(*widget)));
                    QVERIFY2(f.view->surface(*w)->rect().contains(widget->geometry()),
                             qPrintable(name));
                }
            }
        };
        f.openBook(0, 0);
        check();
        f.clickButton(f.program.frmText1().btnFind);
        check();
        f.clickButton(f.program.frmFind6().btnBack);
        f.clickButton(f.program.frmText1().btnGetBkMrk);
        QVERIFY(f.program.frmBkMrk().visible());
        check();
        f.clickButton(f.program.frmBkMrk().btnExit);
        study::FrmText3& verse = f.program.frmText3();
        for (ui::TextBox* box : {&f.program.frmText1().Text1, &verse.Text32}) {
            // A verse, then a word of it: Reset in place of the search button.
            box->setSelStart(5);
            box->click();
            f.view->sync();
            settle();
            QVERIFY(verse.visible());
            check();
        }
        QVERIFY(verse.btnClear.Visible);
        QVERIFY(seen > 40);
    }
}

// A title bar and menu bar taller than the program allows for hid the
// bottom of the verse window's notes box and buttons, at the program's size
// and after the reader's resize.
void TestQtWindow::verseWindowShowsWholeUnderATallMenuBar() {
    Fixture f(100);
    QFont big = f.view->mainWindow()->menuBar()->font();
    big.setPixelSize(40);
    f.view->mainWindow()->menuBar()->setFont(big);
    settle();
    f.view->setZoom(125);
    f.view->setZoom(100);
    settle();
    QVERIFY(f.view->mainWindow()->menuBar()->height() > 40);
    QCOMPARE(f.program.frmMain().Height, 6000);
    f.openBook(0, 0);
    f.program.frmText1().Text1.setSelStart(5);
    f.program.frmText1().Text1.click();
    f.view->sync();
    settle();
    study::FrmText3& verse = f.program.frmText3();
    QVERIFY(verse.visible());
    const QRect area = f.view->mdiArea()->viewport()->rect();
    auto whole = [&] {
        const ui::Control* controls[] = {&verse.Text33, &verse.btnLast};
        for (const ui::Control* c : controls) {
            const QWidget* w = f.view->widget(*c);
            QVERIFY2(area.contains(f.inArea(*w)), c->name().c_str());
        }
    };
    whole();
    // The reader makes the window taller: the program fits its windows to
    // the new height, and they still end inside the area.
    QMainWindow* main = f.view->mainWindow();
    main->resize(main->width(), main->height() + 150);
    settle();
    QVERIFY(f.program.frmMain().Height > 6000);
    const QRect taller = f.view->mdiArea()->viewport()->rect();
    const QWidget* notes = f.view->widget(verse.Text33);
    QVERIFY(taller.contains(f.inArea(*notes)));
    QVERIFY(f.inArea(*notes).bottom() > area.bottom());
}

// Picture buttons and text boxes met a screen reader without a name.
void TestQtWindow::everyControlOfEveryWindowHasAName() {
    Fixture f(150);
    f.openBook(0, 0);
    app::Program& p = f.program;
    // Every window the program has, each brought up in turn.
    std::vector<ui::Window*> windows{&p.frmList0(),   &p.frmList1(), &p.frmList2(), &p.frmSelectA(),
                                     &p.frmSelectP(), &p.frmtext0(), &p.frmtext2(), &p.frmText1(),
                                     &p.frmPage(),    &p.frmBkMrk(), &p.frmText3(), &p.frmFind6()};
    int controls = 0, described = 0;
    for (ui::Window* w : windows) {
        w->show();
        f.view->sync();
        settle();
        std::vector<std::pair<QWidget*, Met>> met;
        walk(QAccessible::queryAccessibleInterface(f.view->subWindow(*w)), met);
        QVERIFY2(!met.empty(), w->name().c_str());
        for (const ui::Control* c : w->controls()) {
            QWidget* widget = f.view->widget(*c);
            if (!widget)
                continue;
            auto it = std::find_if(met.begin(), met.end(),
                                   [widget](const auto& m) { return m.first == widget; });
            QVERIFY2(it != met.end(), (w->name() + "." + c->name()).c_str());
            const Met& m = it->second;
            if (!actedOn(m.role))
                continue;
            ++controls;
            QVERIFY2(!m.name.trimmed().isEmpty(), (w->name() + "." + c->name()).c_str());
            // The right-button help, where there is one, describes it
            // (elsewhere the tool tip, as Qt has it).
            if (c->AccessibleDescription.empty())
                continue;
            QCOMPARE(m.description, QString::fromStdString(c->AccessibleDescription));
            ++described;
        }
    }
    // The controls the windows hold: lists, texts, buttons, the cells of
    // both grids; and the help of the sixteen buttons that have one.
    QVERIFY2(controls > 120, qPrintable(QString::number(controls)));
    QCOMPARE(described, 16);
    // Named as a reader would call them.
    const struct {
        ui::Control& control;
        const char* name;
    } named[] = {
        {p.frmText1().btnNext, "Go to Next Page"},
        {p.frmText1().btnGetBkMrk, "See Bkmks"},
        {p.frmText1().Text1, "Page"},
        {p.frmFind6().btnRadioWhole, "Whole Word"},
        {p.frmFind6().txtInput, "Search text"},
        {*p.frmSelectA().Cell[7], "Topic 7"},
    };
    for (const auto& row : named) {
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(f.view->widget(row.control));
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), QString::fromLatin1(row.name));
    }
}

QTEST_MAIN(TestQtWindow)
#include "test_qt_window.moc"
