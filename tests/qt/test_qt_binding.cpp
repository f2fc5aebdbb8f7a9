// The Qt binding against real widgets on the offscreen platform, on small
// test windows independent of the program's own: user events reach the
// model with its own positions and codes, model changes show in the widgets
// without echoing back, the keys, the zoom and the window's place.
#include <functional>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include "test_windows.h"
#include "ui/qt/cp1252.h"
#include "ui/qt/window_place.h"
#include "ui/qt/zoom.h"

using test_windows::Fixture;
using test_windows::TestWindow;

namespace {

// Clicks the text box's widget at the caret position pos of its text.
void clickAt(QPlainTextEdit* edit, int pos) {
    QTextCursor c(edit->document());
    c.setPosition(pos);
    const QRect r = edit->cursorRect(c);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, QPoint(r.left(), r.center().y()));
}

} // namespace

class TestQtBinding : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clicksReachTheModelAtItsPositions();
    void modelChangesShowWithoutEchoingBack();
    void listsFollowEveryChangeAndFitTheirFont();
    void buttonsAndTheHelpBox();
    void keysAndTheFocus();
    void windowsFramesAndActivation();
    void zoomScalesWindowsControlsAndFonts();
    void zoomAndPlaceAreKeptInTheSettings();
};

// Clicks reach the model with its ListIndex set and with the caret as the
// model counts (CR LF two); a text that ends in blanks (a page and its
// filler) is laid out as one hanging line, and a click on or below it lies
// at the first blank. No event reaches a program that has ended.
void TestQtBinding::clicksReachTheModelAtItsPositions() {
    Fixture f;
    auto* list = f.widget<QListWidget>(f.frmA.lstItems);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    QCOMPARE(f.frmA.listClicks, std::vector<int>{2});
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    QCOMPARE(edit->toPlainText(), QStringLiteral("one\ntwo\nthree"));
    clickAt(edit, 10); // between "th" and "ree"
    QCOMPARE(f.frmA.textClicks, std::vector<int>{12});
    f.frmA.txtText.setText("one\r\ntwo\r\n\r\n" + std::string(400, ' '));
    f.view->sync();
    const QPoint below(edit->viewport()->width() / 2, edit->viewport()->height() - 4);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(edit->textCursor().position(), edit->document()->characterCount() - 1);
    clickAt(edit, 5); // on a character the click stays where it lands
    f.frmA.txtText.setText("one\r\ntwo");
    f.view->sync();
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(f.frmA.textClicks, (std::vector<int>{12, 12, 6, 8}));
    // A click on a label is the label's, the background's the window's.
    auto* label = f.widget<QLabel>(f.frmA.lblNote);
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    QCOMPARE(f.frmA.labelClicks, 1);
    QCOMPARE(f.frmA.backgroundClicks, 0);
    QWidget* surface = f.view->subWindow(f.frmA)->widget();
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(5, surface->height() - 5));
    QCOMPARE(f.frmA.backgroundClicks, 1);
    f.frmA.lstItems.onClick = [&f] { f.ended = true; };
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QVERIFY(f.view->blocked());
    auto* button = f.widget<QPushButton>(f.frmA.btnHelp);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QCOMPARE(f.frmA.buttonClicks, 0);
}

// The model's list index, selection and text show in the widgets and are
// no user events; typed text reaches the model in Windows-1252.
void TestQtBinding::modelChangesShowWithoutEchoingBack() {
    Fixture f;
    f.frmA.lstItems.setListIndex(3);
    QCOMPARE(f.widget<QListWidget>(f.frmA.lstItems)->currentRow(), 3);
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    f.frmA.txtText.setSelStart(10);
    f.frmA.txtText.setSelLength(5);
    QCOMPARE(edit->textCursor().selectionStart(), 8);
    QCOMPARE(edit->textCursor().selectedText(), QStringLiteral("three"));
    QVERIFY(f.frmA.textClicks.empty() && f.frmA.listClicks.empty());
    QCOMPARE(f.frmA.txtText.selStart(), 10);
    auto* line = f.widget<QLineEdit>(f.frmA.txtInput);
    QVERIFY(!line->isReadOnly());
    line->setFocus();
    QTest::keyClicks(line, QStringLiteral("ab"));
    // A character QTest::keyClicks cannot type: the euro sign, byte 0x80.
    QKeyEvent euro(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x20AC)));
    QApplication::sendEvent(line, &euro);
    QCOMPARE(f.frmA.txtInput.text(), std::string("ab\x80"));
    QCOMPARE(f.frmA.txtInput.selStart(), 3);
    f.frmA.txtInput.setText("caf\xE9");
    QCOMPARE(line->text(), QStringLiteral("caf\u00E9"));
    QCOMPARE(f.frmA.txtInput.text(), std::string("caf\xE9"));
    // Only a text with a run of letters too long to be a word wraps anywhere.
    std::string words;
    for (int i = 0; i < 400; ++i)
        words += "word ";
    const std::string x600(600, 'x');
    for (const auto& [text, mode] :
         {std::pair{words, QTextOption::WrapAtWordBoundaryOrAnywhere},
          {std::string(1000, 'x'), QTextOption::WrapAtWordBoundaryOrAnywhere},
          {words + std::string(1001, 'x'), QTextOption::WrapAnywhere},
          {x600 + "\r\n" + x600, QTextOption::WrapAtWordBoundaryOrAnywhere}}) {
        f.frmA.txtText.setText(text);
        QCOMPARE(edit->wordWrapMode(), mode);
        QCOMPARE(edit->toPlainText(), ui::qt::toWidgetText(text));
    }
}

// Items added are inserted alone (the widget's other items stay the same
// objects); any other change replaces all; the highlight is the model's. A
// list filled item by item takes the font it would take filled at once:
// smaller while its items fit at a smaller size, the program's own when none
// does.
void TestQtBinding::listsFollowEveryChangeAndFitTheirFont() {
    Fixture f;
    ui::ListBox& model = f.frmA.lstItems;
    auto* list = f.widget<QListWidget>(model);
    const auto items = [list] {
        std::vector<std::string> all;
        for (int i = 0; i < list->count(); ++i)
            all.push_back(list->item(i)->text().toStdString());
        return all;
    };
    const std::pair<std::function<void()>, bool> steps[] = {
        // the first item kept
        {[&] { model.addItem("Deuteronomy"); }, true},
        {[&] {
             model.addItems({"Joshua", "Judges"});
         },
         true},
        {[&] { model.setListIndex(1); }, true},
        {[&] {
             model.Sorted = true;
             model.addItem("Amos");
         },
         false},
        {[&] { model.addItem("Ruth"); }, true},
        {[&] { model.setItem(2, "Exodus!"); }, false},
        {[&] { model.removeItem(0); }, false},
        {[&] { model.clear(); }, false},
        {[&] {
             model.addItems({"x", "y"});
         },
         false},
    };
    int n = 0;
    for (const auto& [change, kept] : steps) {
        QListWidgetItem* first = list->count() > 0 ? list->item(0) : nullptr;
        change();
        QVERIFY2(items() == model.items(), std::to_string(n).c_str());
        QVERIFY2(list->currentRow() == model.listIndex(), std::to_string(n).c_str());
        QVERIFY2(!kept || list->item(0) == first, std::to_string(n++).c_str());
    }
    model.clear();
    model.Sorted = false;
    const int own = QFontInfo(QApplication::font()).pixelSize();
    std::string item;
    while (QFontInfo(list->font()).pixelSize() == own && item.size() < 100) {
        item += item.size() % 2 ? "m" : "w"; // each item one letter wider
        model.addItem(item);
    }
    const int shrunk = QFontInfo(list->font()).pixelSize();
    QVERIFY(shrunk < own);
    model.addItem("w");
    QCOMPARE(QFontInfo(list->font()).pixelSize(), shrunk);
    model.setItem(0, model.list(0)); // the same items at once
    QCOMPARE(QFontInfo(list->font()).pixelSize(), shrunk);
    model.addItem(std::string(200, 'w')); // no size fits: the program's font
    QCOMPARE(QFontInfo(list->font()).pixelSize(), own);
    model.addItem("m");
    QCOMPARE(QFontInfo(list->font()).pixelSize(), own);
}

// A right-button press reaches MouseDown(2) and shows the help box, which
// takes no activation, in the model or in the MDI area; Space on a focused
// button is a left click; a release that opens another window (the button
// loses its pressed state) is no background click.
void TestQtBinding::buttonsAndTheHelpBox() {
    Fixture f;
    auto* button = f.widget<QPushButton>(f.frmA.btnHelp);
    QCOMPARE(button->text(), QStringLiteral("&Help"));
    QTest::mousePress(button, Qt::RightButton, {}, button->rect().center());
    QVERIFY(f.view->subWindow(f.frmMsg) && f.view->subWindow(f.frmMsg)->isVisible());
    QTest::mouseRelease(button, Qt::RightButton, {}, button->rect().center());
    QApplication::processEvents();
    QCOMPARE(f.screen.active(), &f.frmA);
    QCOMPARE(f.view->mdiArea()->activeSubWindow(), f.view->subWindow(f.frmA));
    QVERIFY(f.activeMain());
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(f.frmA.downs, (std::vector<int>{2, 1}));
    QCOMPARE(f.frmA.ups, (std::vector<int>{2, 1}));
    QCOMPARE(f.frmA.buttonClicks, 1);
    f.frmA.btnHelp.onMouseUp = [&f](ui::MouseButton) { f.frmB.show(); };
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QVERIFY(f.frmB.visible());
    QCOMPARE(f.frmA.backgroundClicks, 0);
}

// Return in a one-line box arrives once (QLineEdit leaves it to its
// parent), with the modifiers; a key the program takes is not the widget's
// as well (a new page shows from its top, not one screen down); the arrows
// move a list's highlight without opening, Enter opens; Tab stays in the
// window, Ctrl+Tab changes it and the model follows.
void TestQtBinding::keysAndTheFocus() {
    Fixture f;
    f.frmB.show();
    f.frmA.bringToFront();
    f.view->sync();
    QVERIFY(f.activeMain());
    auto* line = f.widget<QLineEdit>(f.frmA.txtInput);
    line->setFocus();
    QTest::keyClick(line, Qt::Key_Return);
    QTest::keyClick(line, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.frmA.keys, (std::vector<int>{13, 35}));
    QCOMPARE(f.frmA.shifts.back(), ui::Window::kCtrlKey | ui::Window::kShiftKey);
    f.frmA.txtText.setText(TestWindow::longText("old page"));
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_PageDown);
    QVERIFY(edit->verticalScrollBar()->value() > 0);
    f.frmA.takePageDown = true;
    QTest::keyClick(edit, Qt::Key_PageDown);
    QVERIFY(edit->toPlainText().startsWith(QStringLiteral("new page 0")));
    QCOMPARE(edit->verticalScrollBar()->value(), 0);
    QCOMPARE(f.frmA.txtText.selStart(), 0);
    auto* list = f.widget<QListWidget>(f.frmA.lstItems);
    list->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.frmA.lstItems.listIndex(), 0); // taking the focus highlights the first item
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up})
        QTest::keyClick(list, k);
    QCOMPARE(f.frmA.lstItems.listIndex(), 1);
    QVERIFY(f.frmA.listClicks.empty());
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(f.frmA.listClicks, std::vector<int>{1});
    for (QWidget* expected : {static_cast<QWidget*>(edit), static_cast<QWidget*>(line),
                              f.view->widget(f.frmA.btnHelp), static_cast<QWidget*>(list)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QApplication::processEvents();
    QCOMPARE(f.screen.active(), &f.frmB);
    QCOMPARE(QApplication::focusWidget(), f.view->widget(f.frmB.lstItems));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QApplication::processEvents();
    QCOMPARE(f.screen.active(), &f.frmA);
}

// A window without a caption has no title bar until a caption comes;
// controls larger than their window end inside it (a narrow list without a
// scroll bar shrinks its font); activation goes both ways between the model
// and the MDI area; a menu item clicked reaches the model.
void TestQtBinding::windowsFramesAndActivation() {
    Fixture f;
    f.frmC.show();
    f.view->sync();
    QApplication::processEvents();
    QMdiSubWindow* bare = f.view->subWindow(f.frmC);
    QCOMPARE(f.view->surface(f.frmC)->size(), bare->size());
    QCOMPARE(f.view->subWindow(f.frmA)->windowTitle(), QStringLiteral("frmA"));
    f.frmC.setCaption("Titled");
    QApplication::processEvents();
    QVERIFY(f.view->surface(f.frmC)->height() < bare->height() - 10);
    f.frmA.lstItems.setGeometry(8, 100, 5000, 5000);
    QWidget* surface = f.view->surface(f.frmA);
    auto* list = f.widget<QListWidget>(f.frmA.lstItems);
    QCOMPARE(list->geometry().topLeft(), QPoint(8, 100));
    QCOMPARE(list->geometry().bottomRight(), QPoint(surface->width() - 1, surface->height() - 1));
    f.frmA.lstItems.setGeometry(8, 8, 26, 30);
    for (int i = 0; i < 20; ++i)
        f.frmA.lstItems.addItem("225");
    QCOMPARE(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(QFontMetrics(list->font()).horizontalAdvance(QStringLiteral("225")) <=
            list->viewport()->width() - 2);
    f.frmB.show();
    f.view->sync();
    QCOMPARE(f.view->mdiArea()->activeSubWindow(), f.view->subWindow(f.frmB));
    const int before = f.frmA.activations;
    f.view->mdiArea()->setActiveSubWindow(f.view->subWindow(f.frmA)); // a title bar click
    QCOMPARE(f.screen.active(), &f.frmA);
    QCOMPARE(f.frmA.activations, before + 1);
    QCOMPARE(f.screen.stacking().back(), &f.frmA);
    f.frmB.bringToFront();
    f.view->sync();
    QCOMPARE(f.view->mdiArea()->activeSubWindow(), f.view->subWindow(f.frmB));
    QAction* quit = f.view->action(f.frmMain.mnuQuit);
    QCOMPARE(quit->text(), QStringLiteral("&Quit"));
    quit->trigger();
    QCOMPARE(f.frmMain.quitClicks, 1);
}

void TestQtBinding::zoomScalesWindowsControlsAndFonts() {
    Fixture f;
    f.frmB.show();
    QMdiSubWindow* frame = f.view->subWindow(f.frmA);
    auto* list = f.widget<QListWidget>(f.frmA.lstItems);
    QCOMPARE(frame->size(), QSize(400, 333));
    QCOMPARE(list->geometry(), QRect(8, 8, 150, 120));
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int title = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    f.view->setZoom(200);
    // Scroll bars and title bars grow with the font; the model keeps its units.
    QVERIFY(list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) >= scrollBar * 3 / 2);
    QVERIFY(frame->style()->pixelMetric(QStyle::PM_TitleBarHeight) >= title * 3 / 2);
    QCOMPARE(frame->size(), QSize(800, 667));
    QCOMPARE(f.view->subWindow(f.frmB)->pos(), QPoint(400, 0));
    QCOMPARE(list->geometry(), QRect(16, 16, 300, 240));
    const int font = QFontMetrics(QApplication::font()).height();
    QVERIFY(font > 20 && font <= 26);
    QCOMPARE(f.frmA.Width, 6000);
    QCOMPARE(f.frmA.lstItems.Width, 150);
    f.view->setZoom(600); // beyond the steps: held at 500 %
    QCOMPARE(f.view->zoom(), 500);
    f.view->setZoom(100);
    QCOMPARE(list->geometry(), QRect(8, 8, 150, 120));
    // Zooming a maximised window fits the program to the area at the new
    // step (it kept its height in the twips of the old one).
    QVERIFY(f.activeMain());
    f.view->mainWindow()->showMaximized();
    QTest::qWait(50);
    const int height100 = f.frmMain.Height;
    f.view->setZoom(200);
    QCoreApplication::processEvents();
    QCOMPARE(f.frmMain.windowState(), ui::WindowState::Maximized);
    QCOMPARE(f.frmMain.Height,
             f.view->scale().pixelsToTwips(f.view->mainArea()->viewport()->height() +
                                           f.view->scale().twipsToPixels(560)));
    QVERIFY(f.frmMain.Height < height100 * 6 / 10);
}

// The test main window is 900 x 600 pixels: 150 % on the 1920x1080 screen,
// 175 % the largest step that fits it. The reader's step, the window's size,
// place and maximised state come back at the next start, on a screen that
// shows them (they were forgotten at every start).
void TestQtBinding::zoomAndPlaceAreKeptInTheSettings() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("tessary.ini")), QSettings::IniFormat);
    QRect frame;
    {
        Fixture f(&settings);
        QCOMPARE(f.view->zoom(), 150);
        QCOMPARE(f.view->largestZoom(), 175);
        QVERIFY(f.activeMain());
        QTest::keyClick(f.view->mainWindow(), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(f.view->zoom(), 175);
        QVERIFY(!f.view->zoomInAction()->isEnabled()); // a step that would not fit
        QVERIFY(f.view->mainWindow()->frameGeometry().height() <= 1080);
        QCOMPARE(ui::qt::storedZoom(settings), std::optional<int>(175));
        QMainWindow* main = f.view->mainWindow();
        main->move(2400, 200);
        main->resize(1200, 700);
        QTest::qWait(50);
        frame = main->frameGeometry();
    }
    {
        Fixture f(&settings);
        QVERIFY(f.activeMain());
        QCOMPARE(f.view->zoom(), 175);
        QMainWindow* main = f.view->mainWindow();
        QCOMPARE(main->frameGeometry(), frame);
        QCOMPARE(main->screen()->name(), QStringLiteral("uhd"));
        // The program hears the height it came back with.
        QCOMPARE(f.frmMain.Height,
                 f.view->scale().pixelsToTwips(f.view->mainArea()->viewport()->height() +
                                               f.view->scale().twipsToPixels(560)));
        QTest::keyClick(main, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(f.view->zoom(), f.view->automaticZoom());
        QCOMPARE(ui::qt::storedZoom(settings), std::nullopt);
        main->showMaximized();
        QTest::qWait(50);
    }
    {
        // Maximised it comes back maximised, on the screen it was on.
        Fixture f(&settings);
        QVERIFY(f.activeMain());
        QTest::qWait(50);
        QVERIFY(f.view->mainWindow()->isMaximized());
        QCOMPARE(f.view->mainWindow()->screen()->name(), QStringLiteral("uhd"));
    }
    // A place on a screen that is gone: onto the primary, whole.
    ui::qt::storePlace(settings, {QRect(9000, 4000, 904, 624), QSize(900, 600), false});
    {
        Fixture f(&settings);
        QVERIFY(f.activeMain());
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(
            f.view->mainWindow()->frameGeometry()));
        QCOMPARE(f.view->mainWindow()->size(), QSize(900, 600));
        QCOMPARE(f.view->zoom(), 150);
    }
    // A step stored on a larger screen: the largest this one shows.
    settings.setValue(QStringLiteral("view/zoom"), 400);
    Fixture f(&settings);
    QCOMPARE(f.view->zoom(), 175);
}

QTEST_MAIN(TestQtBinding)
#include "test_qt_binding.moc"
