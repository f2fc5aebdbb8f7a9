// The binding's view of the model on the offscreen platform: the zoom and
// its settings, window frames, controls fitted into their windows, the keys
// (taken keys, arrows, Tab and Ctrl+Tab) and message boxes.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "test_windows.h"
#include "ui/controls.h"
#include "ui/qt/keys.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_view.h"
#include "ui/qt/zoom.h"
#include "ui/screen.h"
#include "ui/window.h"

using test_windows::Fixture;
using test_windows::TestWindow;

class TestQtView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keyCodesBothWays();
    void zoomSteps();
    void zoomScalesWindowsControlsAndFonts();
    void zoomKeysAndSettings();
    void captionlessWindowHasNoTitleBar();
    void controlsEndInsideTheirWindow();
    void keyTakenByTheProgramStaysWithIt();
    void arrowKeysHighlightWithoutClicking();
    void messageBoxTitleShowsWhole();
    void messageBeforeTheMainWindowStandsAlone();
    void tabStaysInTheWindowCtrlTabChangesIt();
};

void TestQtView::keyCodesBothWays() {
    for (int code :
         {8, 9, 13, 27, 32, 33, 34, 35, 36, 37, 38, 39, 40, 45, 46, 48, 57, 65, 90, 112, 123})
        QCOMPARE(ui::qt::windowsKeyCode(ui::qt::qtKey(code)), code);
    // Return, not keypad Enter, stands for 13.
    QCOMPARE(ui::qt::qtKey(13), int(Qt::Key_Return));
    QCOMPARE(ui::qt::qtKey(7), 0);
    QCOMPARE(ui::qt::qtKey(124), 0);
}

// At first start the window takes the share of the screen that 225 % gives
// on 1920x1080: a 4K screen got 300 %, the largest step, and a window that
// filled about half of it with text smaller than on the smaller screen.
void TestQtView::zoomSteps() {
    // The designed main window is 650 x 400 pixels.
    const QSize designed(650, 400);
    const struct {
        const char* name;
        QSize screen;
        int zoom;
    } firstStart[] = {
        {"1920x1080", {1920, 1080}, 225},
        {"2560x1440", {2560, 1440}, 300},
        {"3840x2160", {3840, 2160}, 450},
        // A panel takes some of the screen: the nearest step still.
        {"1920x1050", {1920, 1050}, 225},
        {"3840x2100", {3840, 2100}, 425},
        {"1280x800", {1280, 800}, 175},
        {"1280x1024, narrow", {1280, 1024}, 175},
        {"1366x768", {1366, 768}, 150},
        {"800x600", {800, 600}, 100},
        {"640x480", {640, 480}, 100},
        // The nearest step, but never one beyond 90 % of the screen: 650 x
        // 1.25 = 812.5 pixels fit 90 % of 903 (812.7), not of 902 (811.8).
        {"903x556", {903, 556}, 125},
        {"902x556", {902, 556}, 100},
    };
    for (const auto& row : firstStart)
        QVERIFY2(ui::qt::automaticZoom(designed, row.screen) == row.zoom, row.name);
    // The share is the same on the three common screens.
    for (const auto& row : firstStart) {
        if (row.screen.width() * 9 != row.screen.height() * 16 || row.screen.height() < 1080)
            continue;
        const double share = 400.0 * row.zoom / 100 / row.screen.height();
        QVERIFY2(std::abs(share - 900.0 / 1080) < 0.01, row.name);
    }
    // The largest step the screen shows whole: 275 % made 1948x1175 on
    // 1920x1080.
    const struct {
        const char* name;
        QSize available;
        int zoom;
    } largest[] = {
        {"1920x1080", {1920, 1080}, 250}, {"1920x1000", {1920, 1000}, 250},
        {"1920x999", {1920, 999}, 225},   {"3840x2160", {3840, 2160}, 500},
        {"2560x1440", {2560, 1440}, 350}, {"640x480", {640, 480}, 100},
    };
    for (const auto& row : largest)
        QVERIFY2(ui::qt::largestFittingZoom(designed, row.available) == row.zoom, row.name);
    QCOMPARE(ui::qt::nextZoom(100, -1), 100);
    QCOMPARE(ui::qt::nextZoom(100, +1), 125);
    QCOMPARE(ui::qt::nextZoom(300, +1), 325);
    QCOMPARE(ui::qt::nextZoom(500, +1), 500);
    QCOMPARE(ui::qt::nextZoom(475, +1), 500);
    QCOMPARE(ui::qt::nextZoom(230, -1), 225);
    QCOMPARE(ui::qt::nextZoom(230, +1), 250);
    // The design font: one line 13 pixels high at 100 %, in proportion above.
    for (int zoom : {100, 150, 225, 300, 450}) {
        const QFontMetrics metrics(ui::qt::designFont(QApplication::font(), zoom));
        QVERIFY(metrics.height() <= 13 * zoom / 100);
        QVERIFY(metrics.height() >= 13 * zoom / 100 - 3);
    }
}

void TestQtView::zoomScalesWindowsControlsAndFonts() {
    Fixture f;
    f.frmB.show();
    QCOMPARE(f.view->zoom(), 100);
    QMdiSubWindow* frame = f.view->subWindow(f.frmA);
    auto* list = f.widget<QListWidget>(f.frmA.lstItems);
    QCOMPARE(frame->size(), QSize(400, 333));
    QCOMPARE(list->geometry(), QRect(8, 8, 150, 120));
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int title = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    f.view->setZoom(200);
    // Scroll bars and title bars grow with the font.
    QVERIFY(list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) >= scrollBar * 3 / 2);
    QVERIFY(frame->style()->pixelMetric(QStyle::PM_TitleBarHeight) >= title * 3 / 2);
    QCOMPARE(f.view->zoom(), 200);
    QCOMPARE(frame->size(), QSize(800, 667));
    QCOMPARE(f.view->subWindow(f.frmB)->pos(), QPoint(400, 0));
    QCOMPARE(list->geometry(), QRect(16, 16, 300, 240));
    QVERIFY(QFontMetrics(QApplication::font()).height() > 20);
    QVERIFY(QFontMetrics(QApplication::font()).height() <= 26);
    // The model keeps its own units.
    QCOMPARE(f.frmA.Width, 6000);
    QCOMPARE(f.frmA.lstItems.Width, 150);
    // Beyond the steps: held at 500 %.
    f.view->setZoom(600);
    QCOMPARE(f.view->zoom(), 500);
    f.view->setZoom(100);
    QCOMPARE(list->geometry(), QRect(8, 8, 150, 120));
}

void TestQtView::zoomKeysAndSettings() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("tessary.ini")), QSettings::IniFormat);
    // The test main window is 900 x 600 pixels: 150 % on the 1920x1080
    // screen, 175 % the largest step that fits it.
    {
        Fixture f(&settings);
        // Nothing stored: the automatic step for the screen.
        QCOMPARE(f.view->zoom(), f.view->automaticZoom());
        QCOMPARE(f.view->zoom(), 150);
        QCOMPARE(f.view->largestZoom(), 175);
        QVERIFY(f.activeMain());
        QTest::keyClick(f.view->mainWindow(), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(f.view->zoom(), 175);
        // A step that would not fit the screen is not offered.
        QVERIFY(!f.view->zoomInAction()->isEnabled());
        QTest::keyClick(f.view->mainWindow(), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(f.view->zoom(), 175);
        QVERIFY(f.view->mainWindow()->frameGeometry().height() <= 1080);
        QCOMPARE(ui::qt::storedZoom(settings), std::optional<int>(175));
    }
    {
        // The next start keeps the reader's step.
        Fixture f(&settings);
        QCOMPARE(f.view->zoom(), 175);
        QVERIFY(f.activeMain());
        QTest::keyClick(f.view->mainWindow(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(f.view->zoom(), 150);
        QVERIFY(f.view->zoomInAction()->isEnabled());
        QTest::keyClick(f.view->mainWindow(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(f.view->zoom(), f.view->automaticZoom());
        QCOMPARE(ui::qt::storedZoom(settings), std::nullopt);
    }
    {
        // A step stored on a larger screen: the largest this one shows.
        settings.setValue(QStringLiteral("view/zoom"), 400);
        Fixture f(&settings);
        QCOMPARE(f.view->zoom(), 175);
    }
    // A value that is no step is not taken.
    settings.setValue(QStringLiteral("view/zoom"), 130);
    QCOMPARE(ui::qt::storedZoom(settings), std::nullopt);
    settings.setValue(QStringLiteral("view/zoom"), QStringLiteral("big"));
    QCOMPARE(ui::qt::storedZoom(settings), std::nullopt);
}

void TestQtView::captionlessWindowHasNoTitleBar() {
    Fixture f;
    f.frmC.show();
    f.view->sync();
    QApplication::processEvents();
    QMdiSubWindow* bare = f.view->subWindow(f.frmC);
    QCOMPARE(f.view->surface(f.frmC)->size(), bare->size());
    // A window with a caption keeps its title bar above its client area.
    QMdiSubWindow* titled = f.view->subWindow(f.frmA);
    QVERIFY(f.view->surface(f.frmA)->height() < titled->height() - 10);
    QCOMPARE(titled->windowTitle(), QStringLiteral("frmA"));
    // A caption that comes later brings the title bar.
    f.frmC.setCaption("Titled");
    QApplication::processEvents();
    QVERIFY(bare->isVisible());
    QVERIFY(f.view->surface(f.frmC)->height() < bare->height() - 10);
}

void TestQtView::controlsEndInsideTheirWindow() {
    Fixture f;
    // Taller and wider than the window: shortened to its client area.
    f.frmA.lstItems.setGeometry(8, 100, 5000, 5000);
    QWidget* surface = f.view->surface(f.frmA);
    auto* list = f.widget<QListWidget>(f.frmA.lstItems);
    QCOMPARE(list->geometry().topLeft(), QPoint(8, 100));
    QCOMPARE(list->geometry().bottom(), surface->height() - 1);
    QCOMPARE(list->geometry().right(), surface->width() - 1);
    QCOMPARE(f.frmA.lstItems.Height, 5000);
    // A narrow list carries no scroll bar and shrinks its font to fit.
    f.frmA.lstItems.setGeometry(8, 8, 26, 30);
    for (int i = 0; i < 20; ++i)
        f.frmA.lstItems.addItem("225");
    QCOMPARE(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(QFontMetrics(list->font()).horizontalAdvance(QStringLiteral("225")) <=
            list->viewport()->width() - 2);
}

void TestQtView::keyTakenByTheProgramStaysWithIt() {
    Fixture f;
    f.frmA.txtText.setGeometry(170, 8, 200, 150);
    f.frmA.txtText.setText(TestWindow::longText("old page"));
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    QVERIFY(f.activeMain());
    // A key the program leaves alone is the widget's: Page Down scrolls.
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_PageDown);
    QVERIFY(edit->verticalScrollBar()->value() > 0);
    QCOMPARE(f.frmA.keys.back(), 34);
    // A key the program takes is not the widget's as well: the new page
    // shows from its top, not one screen down.
    f.frmA.takePageDown = true;
    QTest::keyClick(edit, Qt::Key_PageDown);
    QVERIFY(edit->toPlainText().startsWith(QStringLiteral("new page 0")));
    QCOMPARE(edit->verticalScrollBar()->value(), 0);
    QCOMPARE(edit->textCursor().position(), 0);
    QCOMPARE(f.frmA.txtText.selStart(), 0);
}

void TestQtView::arrowKeysHighlightWithoutClicking() {
    Fixture f;
    auto* list = f.widget<QListWidget>(f.frmA.lstItems);
    QVERIFY(f.activeMain());
    list->setFocus(Qt::TabFocusReason);
    // Taking the focus highlights the first item and opens nothing.
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(f.frmA.lstItems.listIndex(), 0);
    QVERIFY(f.frmA.listClicks.empty());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(f.frmA.lstItems.listIndex(), 1);
    QVERIFY(f.frmA.listClicks.empty());
    // Enter reaches the window as KeyDown 13 and then opens the item, as a
    // click does.
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(f.frmA.keys.back(), 13);
    QCOMPARE(f.frmA.listClicks, std::vector<int>{1});
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(3)).center());
    QCOMPARE(f.frmA.listClicks, (std::vector<int>{1, 3}));
}

// A short message made a box so narrow that its title was cut ("Te...ary").
void TestQtView::messageBoxTitleShowsWhole() {
    for (const char* text : {"End of Book", "x"}) {
        QMessageBox box;
        ui::qt::setUpMessageBox(box, text, ui::Buttons::OK, ui::Icon::None);
        box.show();
        QApplication::processEvents();
        QCOMPARE(box.windowTitle(), QStringLiteral("Tessary"));
        const QFontMetrics metrics(box.font());
        QVERIFY(box.width() >= ui::qt::messageBoxMinimumWidth(box));
        QVERIFY(ui::qt::messageBoxMinimumWidth(box) >=
                metrics.horizontalAdvance(QStringLiteral("Tessary")) + 6 * metrics.height());
        QCOMPARE(box.standardButtons(), QMessageBox::Ok);
    }
    QMessageBox question;
    ui::qt::setUpMessageBox(question, "Save?", ui::Buttons::YesNoCancel, ui::Icon::Question);
    QCOMPARE(question.standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(question.escapeButton(), question.button(QMessageBox::Cancel));
}

// A message at start, before the main window showed, was the main window's
// child: the main window got its native window early and was then placed
// without its frame, its title bar off the screen.
void TestQtView::messageBeforeTheMainWindowStandsAlone() {
    QMainWindow main;
    ui::qt::QtDialogs dialogs(&main);
    QWidget* parent = &main; // stays so when no box came
    QTimer::singleShot(0, [&parent] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            parent = box->parentWidget();
            box->close();
        }
    });
    dialogs.message("Missing", ui::Buttons::OK, ui::Icon::Exclamation);
    QCOMPARE(parent, nullptr);
    QVERIFY(!main.testAttribute(Qt::WA_WState_Created));
}

void TestQtView::tabStaysInTheWindowCtrlTabChangesIt() {
    Fixture f;
    f.frmB.show();
    f.frmA.bringToFront();
    f.view->sync();
    QVERIFY(f.activeMain());
    auto* list = f.widget<QListWidget>(f.frmA.lstItems);
    list->setFocus(Qt::TabFocusReason);
    // Tab visits the controls of the window, round and round, and nothing else.
    const std::vector<QWidget*> controls{f.view->widget(f.frmA.txtText),
                                         f.view->widget(f.frmA.txtInput),
                                         f.view->widget(f.frmA.btnHelp), list};
    for (int round = 0; round < 2; ++round)
        for (QWidget* expected : controls) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
    QCOMPARE(f.screen.active(), &f.frmA);
    // Ctrl+Tab goes to the next window, the model follows, its first control
    // takes the keys; Ctrl+Shift+Tab comes back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QApplication::processEvents();
    QCOMPARE(f.screen.active(), &f.frmB);
    QCOMPARE(QApplication::focusWidget(), f.view->widget(f.frmB.lstItems));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QApplication::processEvents();
    QCOMPARE(f.screen.active(), &f.frmA);
}

QTEST_MAIN(TestQtView)
#include "test_qt_view.moc"
