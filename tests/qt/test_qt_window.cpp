// The program's main window at every size on the offscreen screens (a
// 1920x1080 primary, a 3840x2160 to its right): maximised it fills its
// area, shrunk it re-fits rather than clips, and below the fitted sizes its
// area scrolls; no control covers another, a window behind others draws
// nothing, the keys show where they are at every zoom step.
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

#include "program_fixture.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_text1.h"
#include "search/frm_find6.h"
#include "shell/frm_main.h"
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

} // namespace

class TestQtWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase();
    void maximisedFillsTheMainArea();
    void shrunkWindowShowsTheWholeReadingWindow();
    void belowTheFittedSizesTheMainAreaScrolls();
    void noControlCoversAnother();
    void aWindowBehindOthersDrawsNothing();
    void titlesStartAtTheLeft();
    void focusRingShowsAtEveryZoom();
    void keysOpenAVerseAndFollowAHit();
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
// paging buttons and scroll bar at the right instead of re-fitting.
void TestQtWindow::shrunkWindowShowsTheWholeReadingWindow() {
    for (QSize size : {QSize(1000, 650), QSize(1280, 800)}) {
        Fixture f(225);
        f.openBook(0, 0);
        QMainWindow* main = f.view->mainWindow();
        main->resize(size - (main->frameGeometry().size() - main->size()));
        waitForMain(f);
        reader::FrmText1& reading = f.program.frmText1();
        QVERIFY2(cutOff(f, reading).isEmpty(), qPrintable(cutOff(f, reading)));
        QVERIFY2(cutOff(f, f.program.frmList2()).isEmpty(),
                 qPrintable(cutOff(f, f.program.frmList2())));
        QWidget* surface = f.view->surface(reading);
        for (const ui::Control* c : reading.controls()) {
            if (!c->Visible || c->kind() == ui::ControlKind::Picture)
                continue;
            QWidget* w = f.view->widget(*c);
            QVERIFY2(w->isVisible(), c->name().c_str());
            QVERIFY2(surface->rect().contains(w->geometry()), c->name().c_str());
        }
        // The page scrolls within its box, its scroll bar in view.
        auto* page = f.widget<QPlainTextEdit>(reading.Text1);
        QVERIFY(page->verticalScrollBar()->isVisible());
        QVERIFY(!f.view->mainArea()->horizontalScrollBar()->isVisible());
        QVERIFY(!f.view->mainArea()->verticalScrollBar()->isVisible());
    }
}

// Lower than the program fits its windows, or narrower than the panes can
// narrow: the main area scrolls to the windows rather than cutting them.
void TestQtWindow::belowTheFittedSizesTheMainAreaScrolls() {
    Fixture f(225);
    f.openBook(0, 0);
    QMainWindow* main = f.view->mainWindow();
    main->resize(600, 220);
    waitForMain(f);
    QScrollArea* area = f.view->mainArea();
    QVERIFY(area->horizontalScrollBar()->isVisible());
    QVERIFY(area->verticalScrollBar()->isVisible());
    const QRect reading = f.view->subWindow(f.program.frmText1())->geometry();
    QVERIFY(f.view->mdiArea()->width() >= reading.right() + 1);
    QVERIFY(f.view->mdiArea()->height() >= reading.bottom() + 1);
    // Large again: no scroll bars.
    main->resize(1400, 880);
    waitForMain(f);
    QVERIFY(!area->horizontalScrollBar()->isVisible());
    QVERIFY(!area->verticalScrollBar()->isVisible());
}

// The verse window's Back, Set Bkmark and search buttons were cut at the
// bottom by the verse box; the bookmark window's two buttons overlapped.
void TestQtWindow::noControlCoversAnother() {
    for (int zoom : {100, 225, 450}) {
        Fixture f(zoom);
        f.openBook(0, 0);
        const std::string& page = f.program.frmText1().Text1.text();
        f.program.frmText1().Text1.setSelStart(static_cast<int>(page.find("{gen 1:1}")));
        f.program.frmText1().Text1.click();
        f.view->sync();
        settle();
        study::FrmText3& verse = f.program.frmText3();
        QVERIFY(verse.visible());
        QVERIFY2(overlapping(f, verse).isEmpty(), qPrintable(overlapping(f, verse).join(u' ')));
        // Reset in place of the search button.
        verse.Text32.setSelStart(3);
        verse.Text32.click();
        f.view->sync();
        settle();
        QVERIFY(verse.btnClear.Visible);
        QVERIFY2(overlapping(f, verse).isEmpty(), qPrintable(overlapping(f, verse).join(u' ')));
        f.clickButton(verse.btnBack);
        f.clickButton(f.program.frmText1().btnGetBkMrk);
        reader::FrmBkMrk& marks = f.program.frmBkMrk();
        QVERIFY(marks.visible());
        QVERIFY2(overlapping(f, marks).isEmpty(), qPrintable(overlapping(f, marks).join(u' ')));
        // Every caption and icon inside its control, whole.
        for (const ui::Window* w :
             {static_cast<const ui::Window*>(&verse), static_cast<const ui::Window*>(&marks)})
            for (const ui::Control* c : w->controls())
                if (QWidget* widget = f.view->widget(*c); widget && c->Visible)
                    QVERIFY2(f.view->surface(*w)->rect().contains(widget->geometry()),
                             c->name().c_str());
    }
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

// The keys alone: the caret moved into a verse, Enter opens it; a search,
// Enter in the results opens a hit's paragraph, Enter there its page.
void TestQtWindow::keysOpenAVerseAndFollowAHit() {
    Fixture f(225);
    for (int i = 0; i < 3; ++i)
        key(f, Qt::Key_Return);
    reader::FrmText1& reading = f.program.frmText1();
    QCOMPARE(f.program.s.BookFile, std::string("GEN.TXV"));
    QCOMPARE(QApplication::focusWidget(), f.view->widget(reading.Text1));
    for (int i = 0; i < 5; ++i)
        key(f, Qt::Key_Right);
    key(f, Qt::Key_Return);
    study::FrmText3& verse = f.program.frmText3();
    QVERIFY(verse.visible());
    QVERIFY(verse.Text31.text().starts_with("1:1>"));
    QCOMPARE(QApplication::focusWidget(), f.view->widget(verse.Text32));
    f.clickButton(verse.btnBack);
    // Ctrl+F, a word, Enter; Tab to the results.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
    f.view->sync();
    settle();
    search::FrmFind6& find = f.program.frmFind6();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("firmament"));
    key(f, Qt::Key_Return);
    QCOMPARE(find.caption(), std::string("Click to View Context"));
    while (QApplication::focusWidget() != f.view->widget(find.TextF))
        key(f, Qt::Key_Tab);
    key(f, Qt::Key_Down);
    key(f, Qt::Key_Return);
    QVERIFY(find.TextF2.Visible);
    QCOMPARE(QApplication::focusWidget(), f.view->widget(find.TextF2));
    key(f, Qt::Key_Return);
    QVERIFY(!find.visible());
    QVERIFY(reading.front());
    QCOMPARE(reading.Text1.selLength(), 9);
}

QTEST_MAIN(TestQtWindow)
#include "test_qt_window.moc"
