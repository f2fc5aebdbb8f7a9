// The program's windows as drawn on the offscreen screens (a 1920x1080
// primary, a 3840x2160 to its right): at every zoom step and main window
// size every caption shows whole inside its window, no control covers
// another, and the windows fit the main area or it scrolls to them.
#include <QCheckBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

#include "program_fixture.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_page.h"
#include "reader/frm_text1.h"
#include "search/frm_find6.h"
#include "shell/frm_main.h"
#include "shell/frm_msg.h"
#include "study/frm_text3.h"
#include "ui/qt/focus_ring.h"
#include "ui/qt/zoom.h"

using namespace program_fixture;

namespace {

// What of w lies outside the visible part of the main area; empty when all
// of it shows. The reading window stands a little above the top by design.
QString cutOff(Fixture& f, const ui::Window& w) {
    QWidget* viewport = f.view->mainArea()->viewport();
    const QRect shown = f.inArea(*f.view->surface(w), viewport);
    const QRect room = viewport->rect().adjusted(0, -f.view->scale().twipsToPixels(15) - 1, 0, 0);
    if (f.view->surface(w)->isVisible() && room.contains(shown))
        return {};
    return QString::fromStdString(w.name()) + QStringLiteral(" beyond the area");
}

// Why the caption of w does not show whole; empty when it does.
QString clipped(const QWidget& w) {
    const QFontMetrics metrics(w.font());
    const QStyle& style = *w.style();
    int room = w.width(), needed = 0;
    if (const auto* button = qobject_cast<const QPushButton*>(&w)) {
        room -= 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &w);
        needed = metrics.horizontalAdvance(button->text());
    } else if (const auto* box = qobject_cast<const QCheckBox*>(&w)) {
        room -= style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &w) +
                style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &w);
        needed = metrics.horizontalAdvance(box->text());
    } else if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        const QRect inside = label->contentsRect();
        const QRect used = metrics.boundingRect(QRect(0, 0, inside.width(), 1 << 20),
                                                Qt::TextWordWrap, label->text());
        if (used.height() > inside.height())
            return QStringLiteral(" needs %1 pixels down").arg(used.height());
        room = inside.width();
        needed = used.width();
    }
    return needed > room ? QStringLiteral(" needs %1 of %2 pixels").arg(needed).arg(room)
                         : QString();
}

} // namespace

class TestQtWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { removeLibraryCopy(); }
    void captionsShowWholeAtEveryZoom();
    void chooserNumbersShowWhole();
    void windowsFitTheMainWindowAtEverySize();
    void verseWindowShowsWholeUnderATallMenuBar();
    void titlesStartAtTheLeft();
};

// "Set Bkmark" showed as "et Bkmar", "Whole Word" and the word-definition
// box were cut at some steps, the verse window's buttons were cut at the
// bottom, the bookmark window's two buttons overlapped, the help text lay
// outside its box; the focus ring was barely visible: at every step every
// caption of the windows a reader meets shows whole inside its window, no
// control covers another, and the ring, thicker with the step, is drawn in
// the highlight colour around the control with the keys.
void TestQtWindow::captionsShowWholeAtEveryZoom() {
    int ring = 0;
    for (int zoom = ui::qt::kMinZoom; zoom <= ui::qt::kMaxZoom; zoom += ui::qt::kZoomStep) {
        Fixture f(zoom);
        const QString at = QStringLiteral(" at zoom %1").arg(zoom);
        auto* list = f.widget<QListWidget>(f.program.frmList0().lstMain0);
        QCOMPARE(f.view->focusRingTarget(), list);
        QVERIFY(ui::qt::FocusRing::lineWidth() >= std::max(2, ring));
        ring = ui::qt::FocusRing::lineWidth();
        QVERIFY(ring >= QFontMetrics(QApplication::font()).height() / 6);
        const QImage shot = f.view->surface(f.program.frmList0())->grab().toImage();
        const QPoint edge = list->geometry().topLeft() + QPoint(ring / 2, list->height() / 2);
        QCOMPARE(shot.pixelColor(edge * shot.devicePixelRatio()),
                 list->palette().color(QPalette::Active, QPalette::Highlight));
        QTest::keyClick(list, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != list);
        QCOMPARE(f.view->focusRingTarget(), QApplication::focusWidget());
        int seen = 0;
        auto check = [&] {
            for (ui::Window* w : f.program.screen().windows()) {
                const QWidget* surface = f.view->surface(*w);
                if (!w->loaded() || !w->visible() || !surface || !surface->isVisible())
                    continue;
                QVERIFY2(cutOff(f, *w).isEmpty(), qPrintable(cutOff(f, *w) + at));
                std::vector<QRect> drawn;
                for (ui::Control* c : w->controls()) {
                    const QWidget* widget = f.view->widget(*c);
                    if (!widget || !widget->isVisible())
                        continue;
                    ++seen;
                    const QString name = QString::fromStdString(w->name() + "." + c->name()) + at;
                    QVERIFY2(clipped(*widget).isEmpty(), qPrintable(name + clipped(*widget)));
                    QVERIFY2(surface->rect().contains(widget->geometry()), qPrintable(name));
                    // Pictures aside: what lies on them lies there by design.
                    for (const QRect& other : drawn)
                        QVERIFY2(c->kind() == ui::ControlKind::Picture ||
                                     !other.intersects(widget->geometry()),
                                 qPrintable(name + QStringLiteral(" overlaps")));
                    if (c->kind() != ui::ControlKind::Picture)
                        drawn.push_back(widget->geometry());
                }
            }
        };
        f.openBook(0, 0);
        check();
        auto* newPage = f.widget<QPushButton>(f.program.frmText1().btnNewPage);
        QTest::mousePress(newPage, Qt::RightButton, {}, newPage->rect().center());
        f.sync();
        QVERIFY(f.program.frmMsg().visible());
        check();
        QTest::mouseRelease(newPage, Qt::RightButton, {}, newPage->rect().center());
        f.clickButton(f.program.frmText1().btnFind);
        check();
        f.clickButton(f.program.frmFind6().btnBack);
        f.clickButton(f.program.frmText1().btnGetBkMrk);
        check();
        f.clickButton(f.program.frmBkMrk().btnExit);
        study::FrmText3& verse = f.program.frmText3();
        for (ui::TextBox* box : {&f.program.frmText1().Text1, &verse.Text32}) {
            // A verse, then a word of it: Reset in place of the search button.
            f.clickAt(*box, 5);
            QVERIFY(verse.visible());
            check();
        }
        QVERIFY(verse.btnClear.Visible);
        QVERIFY(seen > 40);
    }
}

// Each chapter column was 23 px wide with its own scroll bar, so that only a
// sliver of each number showed: the numbers show whole, all 25 rows of a
// column without scrolling.
void TestQtWindow::chooserNumbersShowWhole() {
    for (int zoom : {100, 175, 225}) {
        Fixture f(zoom);
        f.openBook(1, 1); // Psalms: 150 chapters, every column filled
        int filled = 0;
        f.clickButton(f.program.frmText1().btnNewPage);
        for (const auto& list : f.program.frmPage().lists) {
            auto* w = f.widget<QListWidget>(*list);
            QVERIFY2(w->isVisible() && !w->verticalScrollBar()->isVisible(), list->name().c_str());
            filled += w->count() == 25 ? 1 : 0;
            for (int row = 0; row < w->count(); ++row) {
                const QRect rect = w->visualItemRect(w->item(row));
                QVERIFY2(w->viewport()->rect().contains(rect), qPrintable(w->item(row)->text()));
                QVERIFY(QFontMetrics(w->font()).horizontalAdvance(w->item(row)->text()) + 2 <=
                        rect.width());
            }
        }
        QCOMPARE(filled, 6);
    }
}

// Shrunk below its step, the reading window lost its paging buttons and
// scroll bar at the right; enlarged, its Last button went out of view;
// widened, grey space stayed at the right; maximised, the bottom quarter of
// the area stayed empty (45 % on 3840x2160). The panes re-fit; lower or
// narrower than they fit, the area scrolls to them rather than cutting them.
void TestQtWindow::windowsFitTheMainWindowAtEverySize() {
    Fixture f(225);
    f.openBook(0, 0);
    QMainWindow* main = f.view->mainWindow();
    reader::FrmText1& reading = f.program.frmText1();
    QScrollArea* area = f.view->mainArea();
    const ui::Window* panes[] = {&reading, &f.program.frmList2()};
    const struct {
        const char* name;
        QPoint at;
        QSize size; // maximised when empty
        bool scrolls;
    } rows[] = {{"shrunk", {0, 0}, {1000, 650}, false},
                {"too low", {0, 0}, {600, 220}, true},
                {"widened", {0, 0}, {1600, 880}, false},
                {"maximised", {100, 100}, {}, false},
                {"maximised on 3840x2160", {2100, 100}, {}, false}};
    for (const auto& row : rows) {
        main->showNormal();
        f.waitForMain();
        main->move(row.at);
        if (row.size.isEmpty())
            main->showMaximized();
        else
            main->resize(row.size);
        f.waitForMain();
        QCOMPARE(area->verticalScrollBar()->isVisible(), row.scrolls);
        QCOMPARE(area->horizontalScrollBar()->isVisible(), row.scrolls);
        QMdiSubWindow* right = f.view->subWindow(reading);
        const QRect mdi = f.view->mdiArea()->rect();
        QVERIFY2(mdi.right() >= right->geometry().right() &&
                     mdi.bottom() >= right->geometry().bottom(),
                 row.name);
        if (row.scrolls)
            continue;
        for (const ui::Window* w : panes)
            QVERIFY2(cutOff(f, *w).isEmpty(), qPrintable(cutOff(f, *w) + QLatin1String(row.name)));
        for (const ui::Control* c : reading.controls())
            if (c->Visible && c->kind() != ui::ControlKind::Picture)
                QVERIFY2(
                    f.view->widget(*c)->isVisible() &&
                        f.view->surface(reading)->rect().contains(f.view->widget(*c)->geometry()),
                    (row.name + c->name()).c_str());
        // Maximised, the panes fill the area down; else they widen to its
        // right, the left one ending where the right one starts.
        const QRect viewport = area->viewport()->rect();
        const QRect gap = QRect(right->geometry().bottomRight(), viewport.bottomRight());
        const int seam = f.view->subWindow(f.program.frmList2())->geometry().right() + 1 -
                         right->geometry().left();
        QVERIFY2(row.size.isEmpty() ? gap.height() <= viewport.height() * 6 / 100
                                    : gap.width() <= 12 && std::abs(seam) <= 2,
                 row.name);
    }
    QCOMPARE(reading.Width, 4920); // the model keeps its own units
}

// A title bar and menu bar taller than the program allows for hid the
// bottom of the verse window's notes box and buttons, at the program's size
// and after the reader made the window taller.
void TestQtWindow::verseWindowShowsWholeUnderATallMenuBar() {
    Fixture f(100);
    QFont big = f.view->mainWindow()->menuBar()->font();
    big.setPixelSize(40);
    f.view->mainWindow()->menuBar()->setFont(big);
    f.view->setZoom(125);
    f.view->setZoom(100);
    settle();
    QVERIFY(f.view->mainWindow()->menuBar()->height() > 40);
    f.openBook(0, 0);
    f.clickAt(f.program.frmText1().Text1, 5);
    study::FrmText3& verse = f.program.frmText3();
    QVERIFY(verse.visible());
    QMainWindow* main = f.view->mainWindow();
    const int before = f.program.frmMain().Height;
    const ui::Control* bottom[] = {&verse.Text33, &verse.btnLast};
    for (int grow : {0, 150}) {
        main->resize(main->width(), main->height() + grow);
        settle();
        const QRect area = f.view->mdiArea()->viewport()->rect();
        for (const ui::Control* c : bottom)
            QVERIFY2(area.contains(f.inArea(*f.view->widget(*c))), c->name().c_str());
    }
    QVERIFY(f.program.frmMain().Height > before);
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
        f.sync();
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
        QVERIFY2(right > 0 && right < blank.width() / 3, qPrintable(QString::number(right)));
    }
}

QTEST_MAIN(TestQtWindow)
#include "test_qt_window.moc"
