// The Qt binding against real widgets on the offscreen platform, on small
// test windows independent of the program's own: what the widgets show and
// where the reader's events land, beyond what the scenarios run through the
// widgets already check.
#include <algorithm>
#include <functional>

#include <QFontInfo>
#include <QKeyEvent>
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
#include <QTemporaryDir>

#include "test_windows.h"
#include "ui/qt/cp1252.h"
#include "ui/qt/window_place.h"
#include "ui/qt/zoom.h"

using test_windows::Fixture;
using test_windows::TestWindow;

class TestQtBinding : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clicksLandAtTheModelsPositions();
    void modelChangesShowWithoutEchoingBack();
    void listsFollowEveryChangeAndFitTheirFont();
    void keysButtonsAndActivation();
    void framesAndOversizedControls();
    void zoomScalesTheWidgetsNotTheModel();
    void zoomAndPlaceAreKeptInTheSettings();
    void longParagraphShowsInPieces();
};

// The caret as the model counts it (CR LF two); a page ends in blanks laid
// out as one hanging line: a click on or below it went past them, it lies at
// the first blank. No event reaches a program that has ended.
void TestQtBinding::clicksLandAtTheModelsPositions() {
    Fixture f;
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    f.clickText(edit, 10); // between "th" and "ree"
    f.frmA.txtText.setText("one\r\ntwo\r\n\r\n" + std::string(400, ' '));
    const QPoint below(edit->viewport()->width() / 2, edit->viewport()->height() - 4);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, below);
    f.clickText(edit, 5); // on a character the click stays where it lands
    f.frmA.txtText.setText("one\r\ntwo");
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(f.frmA.textClicks, (std::vector<int>{12, 12, 6, 8}));
    f.frmA.lstItems.onClick = [&f] { f.ended = true; };
    f.clickRow(f.frmA.lstItems, 1);
    QVERIFY(f.view->blocked());
    f.clickRow(f.frmA.lstItems, 2);
    QTest::mouseClick(f.widget<QPushButton>(f.frmA.btnHelp), Qt::LeftButton);
    QCOMPARE(f.frmA.lstItems.listIndex(), 1);
    QCOMPARE(f.frmA.buttonClicks, 0);
}

// The model's list index, selection and text show in the widgets and are no
// user events; typed text reaches the model in Windows-1252; only a text with
// a run too long to be a word wraps anywhere (laid out again for every line,
// a huge one hung the program).
void TestQtBinding::modelChangesShowWithoutEchoingBack() {
    Fixture f;
    f.frmA.lstItems.setListIndex(3);
    QCOMPARE(f.widget<QListWidget>(f.frmA.lstItems)->currentRow(), 3);
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    f.frmA.txtText.setSelStart(10);
    f.frmA.txtText.setSelLength(5);
    QCOMPARE(edit->textCursor().selectedText(), QStringLiteral("three"));
    QVERIFY(f.frmA.textClicks.empty() && f.frmA.listClicks.empty());
    QCOMPARE(f.frmA.txtText.selStart(), 10);
    auto* line = f.widget<QLineEdit>(f.frmA.txtInput);
    line->setFocus();
    QTest::keyClicks(line, QStringLiteral("ab"));
    QKeyEvent euro(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x20AC)));
    QApplication::sendEvent(line, &euro);
    QCOMPARE(f.frmA.txtInput.text(), std::string("ab\x80"));
    QCOMPARE(f.frmA.txtInput.selStart(), 3);
    f.frmA.txtInput.setText("caf\xE9");
    QCOMPARE(line->text(), QStringLiteral("caf\u00E9"));
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

// Items added are inserted alone (the widget's first item stays the same
// object); any other change replaces all; the highlight is the model's. A
// list filled item by item takes the font it would take filled at once.
void TestQtBinding::listsFollowEveryChangeAndFitTheirFont() {
    Fixture f;
    ui::ListBox& model = f.frmA.lstItems;
    auto* list = f.widget<QListWidget>(model);
    const std::pair<std::function<void()>, bool> steps[] = {
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
        {[&] {
             model.clear();
             model.addItems({"x", "y"});
         },
         false},
    };
    for (const auto& [change, kept] : steps) {
        QListWidgetItem* first = list->item(0);
        change();
        std::vector<std::string> shown;
        for (int i = 0; i < list->count(); ++i)
            shown.push_back(list->item(i)->text().toStdString());
        QCOMPARE(shown, model.items());
        QCOMPARE(list->currentRow(), model.listIndex());
        QVERIFY(!kept || list->item(0) == first);
    }
    // Smaller while its items fit at a smaller size, the program's own font
    // when none does.
    model.clear();
    model.Sorted = false;
    const auto size = [list] { return QFontInfo(list->font()).pixelSize(); };
    const int own = size();
    std::string item;
    while (size() == own && item.size() < 100) {
        item += item.size() % 2 ? "m" : "w"; // each item one letter wider
        model.addItem(item);
    }
    const int shrunk = size();
    QVERIFY(shrunk < own);
    model.setItem(0, model.list(0)); // the same items at once
    QCOMPARE(size(), shrunk);
    model.addItem(std::string(200, 'w'));
    QCOMPARE(size(), own);
}

// The help box shows on a right press and takes no activation; Space on a
// button is a left click; a release that opens another window is no
// background click; Return in a one-line box arrives once with its
// modifiers; a key the program takes is not the widget's too (the new page
// showed one screen down); arrows move a list's highlight, Enter opens; Tab
// stays in the window, Ctrl+Tab changes it and the model follows.
void TestQtBinding::keysButtonsAndActivation() {
    Fixture f;
    f.frmB.show();
    f.frmA.bringToFront();
    f.view->sync();
    QVERIFY(f.activeMain());
    auto* button = f.widget<QPushButton>(f.frmA.btnHelp);
    QTest::mousePress(button, Qt::RightButton, {}, button->rect().center());
    QVERIFY(f.view->subWindow(f.frmMsg)->isVisible());
    QTest::mouseRelease(button, Qt::RightButton, {}, button->rect().center());
    QCOMPARE(f.screen.active(), &f.frmA);
    QCOMPARE(f.view->mdiArea()->activeSubWindow(), f.view->subWindow(f.frmA));
    f.frmMsg.hide();
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(f.frmA.downs, (std::vector<int>{2, 1}));
    QCOMPARE(f.frmA.ups, (std::vector<int>{2, 1}));
    QCOMPARE(f.frmA.buttonClicks, 1);
    auto* line = f.widget<QLineEdit>(f.frmA.txtInput);
    line->setFocus();
    QTest::keyClick(line, Qt::Key_Return);
    QTest::keyClick(line, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.frmA.keys, (std::vector<int>{32, 13, 35}));
    QCOMPARE(f.frmA.lastShift, ui::Window::kCtrlKey | ui::Window::kShiftKey);
    f.frmA.txtText.setText(TestWindow::lines("old page"));
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_PageDown);
    QVERIFY(edit->verticalScrollBar()->value() > 0);
    f.frmA.takePageDown = true;
    QTest::keyClick(edit, Qt::Key_PageDown);
    QVERIFY(edit->toPlainText().startsWith(QStringLiteral("new page 0")));
    QCOMPARE(edit->verticalScrollBar()->value(), 0);
    auto* list = f.widget<QListWidget>(f.frmA.lstItems);
    list->setFocus(Qt::TabFocusReason);
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up})
        QTest::keyClick(list, k);
    QCOMPARE(f.frmA.lstItems.listIndex(), 1);
    QVERIFY(f.frmA.listClicks.empty());
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(f.frmA.listClicks, std::vector<int>{1});
    for (QWidget* next : {static_cast<QWidget*>(edit), static_cast<QWidget*>(line),
                          static_cast<QWidget*>(button), static_cast<QWidget*>(list)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QTest::keyClick(list, Qt::Key_Tab, Qt::ControlModifier);
    QApplication::processEvents();
    QCOMPARE(f.screen.active(), &f.frmB);
    QCOMPARE(QApplication::focusWidget(), f.view->widget(f.frmB.lstItems));
    f.frmB.btnHelp.onMouseUp = [&f](ui::MouseButton) { f.frmC.show(); };
    QTest::mouseClick(f.widget<QPushButton>(f.frmB.btnHelp), Qt::LeftButton);
    QVERIFY(f.frmC.visible());
    QCOMPARE(f.frmB.backgroundClicks, 0);
}

// A window without a caption has no title bar until a caption comes; a
// control larger than its window ends inside it; a narrow list without room
// for a scroll bar shrank its numbers to "22": its font shrinks instead;
// activation goes both ways between the model and the MDI area.
void TestQtBinding::framesAndOversizedControls() {
    Fixture f;
    f.frmC.show();
    f.view->sync();
    QMdiSubWindow* bare = f.view->subWindow(f.frmC);
    QCOMPARE(f.view->surface(f.frmC)->size(), bare->size());
    f.frmC.setCaption("Titled");
    QVERIFY(f.view->surface(f.frmC)->height() < bare->height() - 10);
    f.frmA.lstItems.setGeometry(8, 100, 5000, 5000);
    QWidget* surface = f.view->surface(f.frmA);
    auto* list = f.widget<QListWidget>(f.frmA.lstItems);
    QCOMPARE(list->geometry(), QRect(8, 100, surface->width() - 8, surface->height() - 100));
    f.frmA.lstItems.setGeometry(8, 8, 26, 30);
    for (int i = 0; i < 20; ++i)
        f.frmA.lstItems.addItem("225");
    QCOMPARE(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(QFontMetrics(list->font()).horizontalAdvance(QStringLiteral("225")) <=
            list->viewport()->width() - 2);
    QCOMPARE(f.view->mdiArea()->activeSubWindow(), bare);
    const int before = f.frmA.activations;
    f.view->mdiArea()->setActiveSubWindow(f.view->subWindow(f.frmA)); // a title bar click
    QCOMPARE(f.screen.active(), &f.frmA);
    QCOMPARE(f.frmA.activations, before + 1);
    QCOMPARE(f.screen.stacking().back(), &f.frmA);
    f.frmC.bringToFront();
    f.view->sync();
    QCOMPARE(f.view->mdiArea()->activeSubWindow(), bare);
}

// Controls and scroll bars grow with the step, the model keeps its units.
// Zooming a maximised
// window kept the program's height in the twips of the old step: it fits the
// area at the new one.
void TestQtBinding::zoomScalesTheWidgetsNotTheModel() {
    Fixture f;
    auto* list = f.widget<QListWidget>(f.frmA.lstItems);
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    f.view->setZoom(200);
    QCOMPARE(list->geometry(), QRect(16, 16, 300, 240));
    QVERIFY(list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) >= scrollBar * 3 / 2);
    QCOMPARE(f.frmA.lstItems.Width, 150);
    f.view->setZoom(100);
    QVERIFY(f.activeMain());
    f.view->mainWindow()->showMaximized();
    QTest::qWait(50);
    const int height100 = f.frmMain.Height;
    f.view->setZoom(200);
    QCoreApplication::processEvents();
    QCOMPARE(f.frmMain.windowState(), ui::WindowState::Maximized);
    QCOMPARE(f.frmMain.Height, f.heardHeight());
    QVERIFY(f.frmMain.Height < height100 * 6 / 10);
}

// The step, size, place and maximised state were forgotten at every start:
// they come back, on a screen that shows them. The 900 x 600 test window
// starts at 150 % on 1920x1080; 175 % is the largest step that fits.
void TestQtBinding::zoomAndPlaceAreKeptInTheSettings() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("tessary.ini")), QSettings::IniFormat);
    QRect frame;
    {
        Fixture f(&settings);
        QCOMPARE(f.view->zoom(), 150);
        QVERIFY(f.activeMain());
        QTest::keyClick(f.view->mainWindow(), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(f.view->zoom(), 175);
        QVERIFY(!f.view->zoomInAction()->isEnabled());
        f.view->mainWindow()->setGeometry(2400, 200, 1200, 700);
        QTest::qWait(50);
        frame = f.view->mainWindow()->frameGeometry();
    }
    {
        Fixture f(&settings);
        QVERIFY(f.activeMain());
        QCOMPARE(f.view->zoom(), 175);
        QCOMPARE(f.view->mainWindow()->frameGeometry(), frame);
        QCOMPARE(f.view->mainWindow()->screen()->name(), QStringLiteral("uhd"));
        QCOMPARE(f.frmMain.Height, f.heardHeight()); // the program hears it
        QTest::keyClick(f.view->mainWindow(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(ui::qt::storedZoom(settings), std::nullopt);
        f.view->mainWindow()->showMaximized();
        QTest::qWait(50);
    }
    {
        Fixture f(&settings);
        QVERIFY(f.activeMain());
        QTest::qWait(50);
        QVERIFY(f.view->mainWindow()->isMaximized());
        QCOMPARE(f.view->mainWindow()->screen()->name(), QStringLiteral("uhd"));
    }
    // A place on a screen that is gone: onto the primary, whole; a step
    // stored on a larger screen: the largest this one shows.
    ui::qt::storePlace(settings, {QRect(9000, 4000, 904, 624), QSize(900, 600), false});
    settings.setValue(QStringLiteral("view/zoom"), 400);
    Fixture f(&settings);
    QVERIFY(f.activeMain());
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(
        f.view->mainWindow()->frameGeometry()));
    QCOMPARE(f.view->zoom(), 175);
}

// A text of one 1 MB paragraph took over half a second to show: Qt lays a
// paragraph out whole. The box breaks long paragraphs into pieces of its
// own, and caret positions map across those breaks.
void TestQtBinding::longParagraphShowsInPieces() {
    using ui::qt::kPieceLength;
    const auto P = static_cast<size_t>(kPieceLength);
    const int p = kPieceLength;
    const struct {
        const char* name;
        std::string model;
        std::vector<int> breaks;
    } cases[] = {
        {"short", "ab\r\ncd", {}},
        {"after the first blank past a piece", std::string(P - 1, 'a') + " bb\r\nc", {p}},
        {"not at the paragraph's end", std::string(P - 1, 'a') + " \r\nc", {}},
        {"each paragraph counts afresh",
         std::string(P - 9, 'a') + "\r\n" + std::string(P - 9, 'a') + " b",
         {}},
        {"no blank: after two pieces", std::string(2 * P + 5, 'x'), {2 * p}},
        {"blanks later in the paragraph",
         std::string(2 * P + 5, 'x') + std::string(P, 'y') + " z",
         {2 * p, 3 * p + 6}},
    };
    for (const auto& c : cases) {
        QCOMPARE(ui::qt::pieceBreaks(c.model), c.breaks);
        QString expected = ui::qt::toWidgetText(c.model);
        for (size_t k = c.breaks.size(); k-- > 0;)
            expected.insert(ui::qt::modelToWidgetPos(c.model, c.breaks[k]), QLatin1Char('\n'));
        QCOMPARE(ui::qt::toBoxText(c.model, c.breaks), expected);
        // Model positions survive the round trip (the widget has no place
        // between CR and LF); both sides of a break are the model position
        // at it. Checked at the ends and around each break.
        const int size = static_cast<int>(c.model.size());
        std::vector<int> near = {0, 1, 2, size - 1, size};
        for (int b : c.breaks)
            for (int d = -2; d <= 2; ++d)
                near.push_back(b + d);
        for (int m : near) {
            if (m < 0 || m > size || (m > 0 && c.model[static_cast<size_t>(m) - 1] == '\r'))
                continue;
            QCOMPARE(ui::qt::boxToModelPos(c.model, c.breaks,
                                           ui::qt::modelToBoxPos(c.model, c.breaks, m)),
                     m);
        }
        QCOMPARE(ui::qt::modelToBoxPos(c.model, c.breaks, size), static_cast<int>(expected.size()));
        for (int b : c.breaks) {
            const int after = ui::qt::modelToBoxPos(c.model, c.breaks, b);
            QCOMPARE(after, ui::qt::modelToWidgetPos(c.model, b) +
                                static_cast<int>(std::count_if(c.breaks.begin(), c.breaks.end(),
                                                               [b](int o) { return o <= b; })));
            QCOMPARE(ui::qt::boxToModelPos(c.model, c.breaks, after - 1), b);
        }
    }
    // In the box: the pieces are blocks of their own, and a selection made
    // in the model covers the same letters in the widget.
    Fixture f;
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    const std::string text = std::string(2 * P + 5, 'x') + "yz";
    f.frmA.txtText.setText(text);
    QCOMPARE(edit->blockCount(), 2);
    f.frmA.txtText.setSelStart(2 * p + 5);
    f.frmA.txtText.setSelLength(2);
    QCOMPARE(edit->textCursor().selectedText(), QStringLiteral("yz"));
    QCOMPARE(edit->textCursor().selectionStart(), 2 * p + 6);
}

QTEST_MAIN(TestQtBinding)
#include "test_qt_binding.moc"
