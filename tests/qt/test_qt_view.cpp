// The binding's view of the model on the offscreen platform: the zoom and
// its settings, window frames, controls fitted into their windows, the keys
// (taken keys, arrows, Tab and Ctrl+Tab) and message boxes.
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

void TestQtView::zoomSteps() {
    // The designed main window is 650 x 400 pixels; 90 % of the screen.
    const QSize designed(650, 400);
    QCOMPARE(ui::qt::automaticZoom(designed, QSize(1920, 1080)), 225);
    QCOMPARE(ui::qt::automaticZoom(designed, QSize(1280, 800)), 175);
    QCOMPARE(ui::qt::automaticZoom(designed, QSize(1280, 1024)), 175);
    QCOMPARE(ui::qt::automaticZoom(designed, QSize(800, 600)), 100);
    QCOMPARE(ui::qt::automaticZoom(designed, QSize(640, 480)), 100);
    QCOMPARE(ui::qt::automaticZoom(designed, QSize(3840, 2160)), 300);
    // At the edge: 650 x 1.25 = 812.5 pixels fit 90 % of 903 (812.7), not of
    // 902 (811.8).
    QCOMPARE(ui::qt::automaticZoom(designed, QSize(903, 556)), 125);
    QCOMPARE(ui::qt::automaticZoom(designed, QSize(902, 556)), 100);
    QCOMPARE(ui::qt::nextZoom(100, -1), 100);
    QCOMPARE(ui::qt::nextZoom(100, +1), 125);
    QCOMPARE(ui::qt::nextZoom(300, +1), 300);
    QCOMPARE(ui::qt::nextZoom(275, +1), 300);
    QCOMPARE(ui::qt::nextZoom(230, -1), 225);
    QCOMPARE(ui::qt::nextZoom(230, +1), 250);
    // The design font: one line 13 pixels high at 100 %, in proportion above.
    for (int zoom : {100, 150, 225, 300}) {
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
    // Beyond the steps: held at 300 %.
    f.view->setZoom(500);
    QCOMPARE(f.view->zoom(), 300);
    f.view->setZoom(100);
    QCOMPARE(list->geometry(), QRect(8, 8, 150, 120));
}

void TestQtView::zoomKeysAndSettings() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("tessary.ini")), QSettings::IniFormat);
    {
        Fixture f(&settings);
        // Nothing stored: the automatic step for the screen.
        QCOMPARE(f.view->zoom(), f.view->automaticZoom());
        QVERIFY(f.activeMain());
        const int start = f.view->zoom();
        QTest::keyClick(f.view->mainWindow(), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(f.view->zoom(), start + 25);
        QTest::keyClick(f.view->mainWindow(), Qt::Key_Equal, Qt::ControlModifier);
        QTest::keyClick(f.view->mainWindow(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(f.view->zoom(), start + 25);
        QCOMPARE(ui::qt::storedZoom(settings), std::optional<int>(start + 25));
    }
    {
        // The next start keeps the reader's step.
        Fixture f(&settings);
        QCOMPARE(f.view->zoom(), f.view->automaticZoom() + 25);
        QVERIFY(f.activeMain());
        QTest::keyClick(f.view->mainWindow(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(f.view->zoom(), f.view->automaticZoom());
        QCOMPARE(ui::qt::storedZoom(settings), std::nullopt);
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
    // Taking the focus chooses nothing; the first Down the first item.
    QCOMPARE(list->currentRow(), -1);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(f.frmA.lstItems.listIndex(), 0);
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
