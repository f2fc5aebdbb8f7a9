// The Qt binding against real widgets on the offscreen platform: user events
// must reach the screen model with the model's own positions and codes, and
// model changes must show in the widgets. The windows here are small test
// windows, independent of the program's own.
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QAction>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "test_windows.h"
#include "ui/controls.h"
#include "ui/qt/cp1252.h"
#include "ui/qt/keys.h"
#include "ui/qt/qt_view.h"
#include "ui/screen.h"
#include "ui/window.h"

using test_windows::Fixture;
using test_windows::TestWindow;

class TestQtBinding : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cp1252RoundTrip();
    void caretMapping();
    void keyCodes();
    void listClickReachesModel();
    void listFollowsEveryChange();
    void listFontFitsAsIfFilledAtOnce();
    void overlongRunWrapsAnywhere();
    void longParagraphShowsInPieces();
    void textClickCountsCrLfAsTwo();
    void clickBelowTrailingBlanks();
    void modelSelectionShowsInWidget();
    void rightPressOnButtonShowsHelp();
    void leftClickOnButton();
    void controlClicksAreNotBackgroundClicks();
    void typingGoesIntoModel();
    void enterInLineEditIsOneKeyDown();
    void userActivationReachesModel();
    void menuItemClicks();
    void closeCanBeCancelled();
    void noEventsAfterEnd();
};

void TestQtBinding::cp1252RoundTrip() {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    QString decoded = ui::qt::decode(all);
    QCOMPARE(decoded.size(), 256);
    QCOMPARE(ui::qt::encode(decoded), all);
    // The 0x80..0x9F block is not Latin-1.
    QCOMPARE(decoded.at(0x80), QChar(0x20AC));
    QCOMPARE(decoded.at(0x92), QChar(0x2019));
    QCOMPARE(decoded.at(0x9F), QChar(0x0178));
    QCOMPARE(decoded.at(0xE9), QChar(0x00E9));
    QCOMPARE(ui::qt::encode(QString(QChar(0x2014))), std::string("\x97"));
    // Outside the code page.
    QCOMPARE(ui::qt::encode(QString(QChar(0x4E2D))), std::string("?"));
}

void TestQtBinding::caretMapping() {
    const std::string model = "ab\r\ncd\r\n\r\ne\nf";
    QCOMPARE(ui::qt::toWidgetText(model), QStringLiteral("ab\ncd\n\ne\nf"));
    QCOMPARE(ui::qt::fromWidgetText(QStringLiteral("x\ny")), std::string("x\r\ny"));
    QCOMPARE(ui::qt::toWidgetText("a\rb"), QStringLiteral("a\nb"));
    // 'd' is model position 5, widget position 4.
    QCOMPARE(ui::qt::modelToWidgetPos(model, 5), 4);
    QCOMPARE(ui::qt::widgetToModelPos(model, 4), 5);
    // After the blank line: 'e' at model 10, widget 7; the lone LF counts one.
    QCOMPARE(ui::qt::modelToWidgetPos(model, 10), 7);
    QCOMPARE(ui::qt::widgetToModelPos(model, 7), 10);
    QCOMPARE(ui::qt::widgetToModelPos(model, 9), 12);
    // Between CR and LF: after the line break.
    QCOMPARE(ui::qt::modelToWidgetPos(model, 3), 3);
    // Clamped at both ends.
    QCOMPARE(ui::qt::modelToWidgetPos(model, -4), 0);
    QCOMPARE(ui::qt::modelToWidgetPos(model, 99), 10);
    QCOMPARE(ui::qt::widgetToModelPos(model, 99), static_cast<int>(model.size()));
    // Every widget position survives the round trip.
    for (int w = 0; w <= 10; ++w)
        QCOMPARE(ui::qt::modelToWidgetPos(model, ui::qt::widgetToModelPos(model, w)), w);
    QCOMPARE(ui::qt::withoutMnemonics(QStringLiteral("&Find && replace")),
             QStringLiteral("Find & replace"));
}

void TestQtBinding::keyCodes() {
    QCOMPARE(ui::qt::windowsKeyCode(Qt::Key_Return), 13);
    QCOMPARE(ui::qt::windowsKeyCode(Qt::Key_Enter), 13);
    QCOMPARE(ui::qt::windowsKeyCode(Qt::Key_Escape), 27);
    QCOMPARE(ui::qt::windowsKeyCode(Qt::Key_PageUp), 33);
    QCOMPARE(ui::qt::windowsKeyCode(Qt::Key_PageDown), 34);
    QCOMPARE(ui::qt::windowsKeyCode(Qt::Key_End), 35);
    QCOMPARE(ui::qt::windowsKeyCode(Qt::Key_Home), 36);
    QCOMPARE(ui::qt::windowsKeyCode(Qt::Key_Left), 37);
    QCOMPARE(ui::qt::windowsKeyCode(Qt::Key_Down), 40);
    QCOMPARE(ui::qt::windowsKeyCode(Qt::Key_A), 65);
    QCOMPARE(ui::qt::windowsKeyCode(Qt::Key_Z), 90);
    QCOMPARE(ui::qt::windowsKeyCode(Qt::Key_7), 55);
    QCOMPARE(ui::qt::windowsKeyCode(Qt::Key_Shift), 0);
}

void TestQtBinding::listClickReachesModel() {
    Fixture f;
    auto* list = f.widget<QListWidget>(f.frmA.lstItems);
    QVERIFY(list);
    QCOMPARE(list->count(), 4);
    QPoint at = list->visualItemRect(list->item(2)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(f.frmA.lstItems.listIndex(), 2);
    // Click saw ListIndex already set.
    QCOMPARE(f.frmA.listClicks, std::vector<int>{2});
    // A model change comes back into the widget.
    f.frmA.lstItems.setListIndex(0);
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(f.frmA.listClicks.size(), size_t(1));
}

namespace {

std::vector<std::string> widgetItems(const QListWidget& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.count(); ++i)
        items.push_back(list.item(i)->text().toStdString());
    return items;
}

} // namespace

// Items added are inserted alone (the widget's other items stay the same
// objects); any other change replaces all; the highlight is the model's.
void TestQtBinding::listFollowsEveryChange() {
    Fixture f;
    ui::ListBox& model = f.frmA.lstItems;
    auto* list = f.widget<QListWidget>(model);
    QVERIFY(list);
    const struct {
        const char* name;
        std::function<void()> change;
        bool kept; // the widget's first item is still the one from before
    } steps[] = {
        {"one at the end", [&] { model.addItem("Deuteronomy"); }, true},
        {"several at once",
         [&] {
             model.addItems({"Joshua", "Judges"});
         },
         true},
        {"highlight", [&] { model.setListIndex(1); }, true},
        {"sorted, before the highlight",
         [&] {
             model.Sorted = true;
             model.addItem("Amos");
         },
         false},
        {"sorted, after it", [&] { model.addItem("Ruth"); }, true},
        {"replaced", [&] { model.setItem(2, "Exodus!"); }, false},
        {"removed", [&] { model.removeItem(0); }, false},
        {"cleared", [&] { model.clear(); }, false},
        {"filled again",
         [&] {
             model.addItems({"x", "y"});
         },
         false},
    };
    for (const auto& step : steps) {
        QListWidgetItem* first = list->count() > 0 ? list->item(0) : nullptr;
        step.change();
        QVERIFY2(widgetItems(*list) == model.items(), step.name);
        QVERIFY2(list->currentRow() == model.listIndex(), step.name);
        if (step.kept)
            QVERIFY2(list->item(0) == first, step.name);
    }
}

// A list filled item by item takes the font it would take filled at once:
// smaller while its items fit at a smaller size, the program's own when none
// does.
void TestQtBinding::listFontFitsAsIfFilledAtOnce() {
    Fixture f;
    ui::ListBox& model = f.frmA.lstItems;
    auto* list = f.widget<QListWidget>(model);
    model.clear();
    const int own = QFontInfo(QApplication::font()).pixelSize();
    std::string item;
    // Each item one letter wider, until the list's font has shrunk.
    while (QFontInfo(list->font()).pixelSize() == own && item.size() < 100) {
        item += item.size() % 2 ? "m" : "w";
        model.addItem(item);
    }
    const int shrunk = QFontInfo(list->font()).pixelSize();
    QVERIFY(shrunk < own);
    model.addItem("w");
    QCOMPARE(QFontInfo(list->font()).pixelSize(), shrunk);
    // The same items at once.
    model.setItem(0, model.list(0));
    QCOMPARE(QFontInfo(list->font()).pixelSize(), shrunk);
    // An item no size fits: the program's font.
    model.addItem(std::string(200, 'w'));
    QCOMPARE(QFontInfo(list->font()).pixelSize(), own);
    model.addItem("m");
    QCOMPARE(QFontInfo(list->font()).pixelSize(), own);
}

// Only a text with a run of letters too long to be a word wraps anywhere.
void TestQtBinding::overlongRunWrapsAnywhere() {
    Fixture f;
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    std::string words;
    for (int i = 0; i < 400; ++i)
        words += "word ";
    const struct {
        std::string text;
        QTextOption::WrapMode mode;
    } cases[] = {
        {words, QTextOption::WrapAtWordBoundaryOrAnywhere},
        {std::string(1000, 'x'), QTextOption::WrapAtWordBoundaryOrAnywhere},
        {words + std::string(1001, 'x'), QTextOption::WrapAnywhere},
        {std::string(600, 'x') + "\r\n" + std::string(600, 'x'),
         QTextOption::WrapAtWordBoundaryOrAnywhere},
    };
    for (const auto& c : cases) {
        f.frmA.txtText.setText(c.text);
        QCOMPARE(edit->wordWrapMode(), c.mode);
        QCOMPARE(edit->toPlainText(), ui::qt::toWidgetText(c.text));
    }
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

void TestQtBinding::textClickCountsCrLfAsTwo() {
    Fixture f;
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    QVERIFY(edit);
    QCOMPARE(edit->toPlainText(), QStringLiteral("one\ntwo\nthree"));
    // Widget position 10 is between "th" and "ree" on the third line.
    QTextCursor c(edit->document());
    c.setPosition(10);
    QRect r = edit->cursorRect(c);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, QPoint(r.left(), r.center().y()));
    QCOMPARE(edit->textCursor().position(), 10);
    QCOMPARE(f.frmA.textClicks, std::vector<int>{12});
    QCOMPARE(f.frmA.txtText.text().substr(12), std::string("ree"));
}

// A text that ends in blanks (a page and its filler): the widget lays the
// blanks out as one hanging line and puts a click on it, or below it, after
// the last of them. The model sees that click at the first blank.
void TestQtBinding::clickBelowTrailingBlanks() {
    Fixture f;
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    QVERIFY(edit);
    const std::string text = "one\r\ntwo\r\n\r\n" + std::string(400, ' ');
    f.frmA.txtText.setText(text);
    f.view->sync();
    const QPoint below(edit->viewport()->width() / 2, edit->viewport()->height() - 4);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(edit->textCursor().position(), edit->document()->characterCount() - 1);
    // On a character the click stays where it lands: 'w' of "two".
    QTextCursor c(edit->document());
    c.setPosition(5);
    const QRect r = edit->cursorRect(c);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, QPoint(r.left(), r.center().y()));
    QCOMPARE(f.frmA.textClicks, (std::vector<int>{12, 6}));
    // A text without trailing blanks: the end is the end.
    f.frmA.txtText.setText("one\r\ntwo");
    f.view->sync();
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(f.frmA.textClicks.back(), 8);
}

void TestQtBinding::modelSelectionShowsInWidget() {
    Fixture f;
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    f.frmA.txtText.setSelStart(10);
    f.frmA.txtText.setSelLength(5);
    QCOMPARE(edit->textCursor().selectionStart(), 8);
    QCOMPARE(edit->textCursor().selectedText(), QStringLiteral("three"));
    // Setting the selection from the model is no user event.
    QVERIFY(f.frmA.textClicks.empty());
    QCOMPARE(f.frmA.txtText.selStart(), 10);
    QCOMPARE(f.frmA.txtText.selLength(), 5);
}

void TestQtBinding::rightPressOnButtonShowsHelp() {
    Fixture f;
    auto* button = f.widget<QPushButton>(f.frmA.btnHelp);
    QVERIFY(button);
    QVERIFY(!f.view->subWindow(f.frmMsg));
    QTest::mousePress(button, Qt::RightButton, {}, button->rect().center());
    QCOMPARE(f.frmA.downs, std::vector<int>{2});
    QMdiSubWindow* help = f.view->subWindow(f.frmMsg);
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QTest::mouseRelease(button, Qt::RightButton, {}, button->rect().center());
    QCOMPARE(f.frmA.ups, std::vector<int>{2});
    QCOMPARE(f.frmA.buttonClicks, 0);
    QApplication::processEvents();
    // The help box takes no activation, in the model or in the MDI area.
    QCOMPARE(f.screen.active(), &f.frmA);
    QCOMPARE(f.view->mdiArea()->activeSubWindow(), f.view->subWindow(f.frmA));
}

void TestQtBinding::leftClickOnButton() {
    Fixture f;
    auto* button = f.widget<QPushButton>(f.frmA.btnHelp);
    QCOMPARE(button->text(), QStringLiteral("&Help"));
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QCOMPARE(f.frmA.downs, std::vector<int>{1});
    QCOMPARE(f.frmA.ups, std::vector<int>{1});
    QCOMPARE(f.frmA.buttonClicks, 1);
    // Space on the focused button is the same left click.
    QVERIFY(f.activeMain());
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(f.frmA.downs, (std::vector<int>{1, 1}));
    QCOMPARE(f.frmA.ups, (std::vector<int>{1, 1}));
    QCOMPARE(f.frmA.buttonClicks, 2);
}

void TestQtBinding::controlClicksAreNotBackgroundClicks() {
    Fixture f;
    // A button whose release opens another window loses its pressed state;
    // the release it then ignores must not reach the window as a click.
    f.frmA.btnHelp.onMouseUp = [&f](ui::MouseButton) { f.frmB.show(); };
    auto* button = f.widget<QPushButton>(f.frmA.btnHelp);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QVERIFY(f.frmB.visible());
    auto* label = f.widget<QLabel>(f.frmA.lblNote);
    QVERIFY(label);
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    QCOMPARE(f.frmA.labelClicks, 1);
    QCOMPARE(f.frmA.backgroundClicks, 0);
    // The background itself still clicks.
    QWidget* surface = f.view->subWindow(f.frmA)->widget();
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(5, surface->height() - 5));
    QCOMPARE(f.frmA.backgroundClicks, 1);
}

void TestQtBinding::typingGoesIntoModel() {
    Fixture f;
    auto* line = f.widget<QLineEdit>(f.frmA.txtInput);
    QVERIFY(line);
    QVERIFY(!line->isReadOnly());
    line->setFocus();
    QTest::keyClicks(line, QStringLiteral("ab"));
    // A character QTest::keyClicks cannot type: the euro sign, byte 0x80.
    QKeyEvent euro(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x20AC)));
    QApplication::sendEvent(line, &euro);
    QCOMPARE(f.frmA.txtInput.text(), std::string("ab\x80"));
    QCOMPARE(f.frmA.txtInput.selStart(), 3);
    // The model replacing the text shows, decoded, without echoing back.
    f.frmA.txtInput.setText("caf\xE9");
    QCOMPARE(line->text(), QStringLiteral("caf\u00E9"));
    QCOMPARE(f.frmA.txtInput.text(), std::string("caf\xE9"));
}

void TestQtBinding::enterInLineEditIsOneKeyDown() {
    Fixture f;
    auto* line = f.widget<QLineEdit>(f.frmA.txtInput);
    line->setFocus();
    QTest::keyClick(line, Qt::Key_Return);
    QTest::keyClick(line, Qt::Key_X);
    QTest::keyClick(line, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(line, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    // QLineEdit leaves Return to its parent; it must not arrive twice.
    QCOMPARE(f.frmA.keys, (std::vector<int>{13, 88, 36, 35}));
    QCOMPARE(f.frmA.shifts, (std::vector<int>{0, 0, ui::Window::kCtrlKey,
                                              ui::Window::kCtrlKey | ui::Window::kShiftKey}));
}

void TestQtBinding::userActivationReachesModel() {
    Fixture f;
    f.frmB.show();
    f.view->sync();
    QCOMPARE(f.screen.active(), &f.frmB);
    QCOMPARE(f.view->mdiArea()->activeSubWindow(), f.view->subWindow(f.frmB));
    int before = f.frmA.activations;
    // What a click on frmA's title bar does.
    f.view->mdiArea()->setActiveSubWindow(f.view->subWindow(f.frmA));
    QCOMPARE(f.screen.active(), &f.frmA);
    QCOMPARE(f.frmA.activations, before + 1);
    QCOMPARE(f.screen.stacking().back(), &f.frmA);
    // The model raising a window brings Qt along.
    f.frmB.bringToFront();
    f.view->sync();
    QCOMPARE(f.view->mdiArea()->activeSubWindow(), f.view->subWindow(f.frmB));
    QCOMPARE(f.frmA.activations, before + 1);
}

void TestQtBinding::menuItemClicks() {
    Fixture f;
    QAction* quit = f.view->action(f.frmMain.mnuQuit);
    QVERIFY(quit);
    QCOMPARE(quit->text(), QStringLiteral("&Quit"));
    QCOMPARE(f.view->mainWindow()->menuBar()->actions().size(), 1);
    QCOMPARE(f.view->mainWindow()->menuBar()->actions().front()->text(), QStringLiteral("&File"));
    quit->trigger();
    QCOMPARE(f.frmMain.quitClicks, 1);
    QCOMPARE(f.view->mainWindow()->windowTitle(), QStringLiteral("Tessary"));
}

void TestQtBinding::closeCanBeCancelled() {
    Fixture f;
    f.view->mainWindow()->show();
    QVERIFY(!f.view->mainWindow()->close());
    QCOMPARE(f.frmMain.queries, 1);
    QVERIFY(f.view->mainWindow()->isVisible());
    f.frmMain.keepOpen = false;
    QVERIFY(f.view->mainWindow()->close());
    QCOMPARE(f.frmMain.queries, 2);
}

void TestQtBinding::noEventsAfterEnd() {
    Fixture f;
    auto* list = f.widget<QListWidget>(f.frmA.lstItems);
    f.frmA.lstItems.onClick = [&f] { f.ended = true; };
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QVERIFY(f.view->blocked());
    auto* button = f.widget<QPushButton>(f.frmA.btnHelp);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QCOMPARE(f.frmA.buttonClicks, 0);
    QVERIFY(f.frmA.downs.empty());
}

QTEST_MAIN(TestQtBinding)
#include "test_qt_binding.moc"
