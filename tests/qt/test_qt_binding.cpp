// The Qt binding's rules, and real widgets on small test windows.
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/controls.h"
#include "ui/qt/cp1252.h"
#include "ui/qt/keys.h"
#include "ui/qt/overlaps.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_view.h"
#include "ui/qt/window_place.h"
#include "ui/qt/zoom.h"
#include "ui/screen.h"
#include "ui/window.h"

namespace {

// Three child windows (the third a caption-less help box); a 900 x 600 main window.
class TestDialogs : public ui::Dialogs {
public:
    ui::Answer message(const std::string&, ui::Buttons, ui::Icon) override {
        return ui::Answer::OK;
    }
};

class TestWindow : public ui::Window {
public:
    TestWindow(ui::Screen& s, const std::string& name, int left, const char* caption = nullptr)
        : Window(s, name, caption ? caption : name), lstItems(*this, "lstItems"),
          txtText(*this, "txtText", true), txtInput(*this, "txtInput", false),
          btnHelp(*this, "btnHelp", "&Help"), m_left(left) {
        if (caption && !*caption)
            setNeverActive(); // caption-less, as a help box is
        txtText.onClick = [this] { textClicks.push_back(txtText.selStart()); };
        btnHelp.onMouseDown = [this](ui::MouseButton b) {
            downs.push_back(static_cast<int>(b));
            if (b == ui::MouseButton::Right && help)
                help->show();
        };
        btnHelp.onClick = [this] { ++buttonClicks; };
    }
    void onLoad() override {
        setGeometry(m_left, 0, 6000, 5000);
        lstItems.setGeometry(8, 8, 150, 120);
        lstItems.addItems({"Genesis", "Exodus", "Leviticus", "Numbers"});
        txtText.setGeometry(170, 8, 200, 150);
        txtText.setText("one\r\ntwo\r\nthree");
        txtInput.setGeometry(8, 170, 150, 24);
        btnHelp.setGeometry(170, 170, 80, 28);
    }
    void onKeyDown(int& code, int shift) override {
        keys.push_back(code);
        lastShift = shift;
        // A reading window's Page Down: a new page, and the key is taken.
        if (code == 34) {
            txtText.setText("new page" + std::string(2000, '\n'));
            code = 0;
        }
    }
    void onClick() override { ++backgroundClicks; }

    ui::ListBox lstItems;
    ui::TextBox txtText, txtInput;
    ui::Button btnHelp;
    std::vector<int> textClicks, downs, keys;
    ui::Window* help = nullptr; // shown while the right button is down
    int lastShift = 0, buttonClicks = 0, backgroundClicks = 0;

private:
    int m_left;
};

class MainWindow : public ui::Window {
public:
    explicit MainWindow(ui::Screen& s)
        : Window(s, "frmMain", "Tessary"), mnuFile(*this, "mnuFile", "&File", "") {
        setMain();
    }
    void onLoad() override { setGeometry(0, 0, 13500, 9000); }
    ui::Menu mnuFile;
};

// The model and its view; the view goes first on teardown.
struct Fixture {
    TestDialogs dialogs;
    ui::Screen screen{dialogs};
    MainWindow frmMain{screen};
    TestWindow frmA{screen, "frmA", 0}, frmB{screen, "frmB", 3000}, frmC{screen, "frmC", 3000, ""};
    bool ended = false;
    std::unique_ptr<ui::qt::QtView> view;

    explicit Fixture(QSettings* settings = nullptr) {
        view = std::make_unique<ui::qt::QtView>(
            screen, [this] { return ended; }, settings);
        frmMain.load();
        frmA.help = &frmC;
        frmA.show();
        view->sync();
    }
    template <class W>
    W* widget(const ui::Control& c) const {
        return qobject_cast<W*>(view->widget(c));
    }
    // Shows the main window and waits until it takes the keyboard.
    bool activeMain() const {
        view->mainWindow()->show();
        view->mainWindow()->activateWindow();
        return QTest::qWaitForWindowActive(view->mainWindow());
    }
    void clickRow(const ui::ListBox& list, int row) const {
        auto* w = widget<QListWidget>(list);
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {},
                          w->visualItemRect(w->item(row)).center());
    }
    // The height the program hears: the main area and the chrome it designed for.
    int heardHeight() const {
        const ui::qt::Scale& scale = view->scale();
        return scale.pixelsToTwips(view->mainArea()->viewport()->height() +
                                   scale.twipsToPixels(560));
    }
};

} // namespace

using namespace ui::qt;

class TestQtBinding : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listsTextBoxesAndAnEndedProgram();
    void keysButtonsActivationFramesAndZoom();
    void zoomAndPlaceAreKeptInTheSettings();
    void longParagraphShowsInPieces();
    void textsKeysZoomPlacesAndMessages();
};

// Lists: added items are inserted alone, and a list filled item by item gets its font.
void TestQtBinding::listsTextBoxesAndAnEndedProgram() {
    Fixture f;
    ui::ListBox& model = f.frmA.lstItems;
    auto* list = f.widget<QListWidget>(model);
    const std::vector<std::string> two{"Joshua", "Judges"};
    const std::pair<std::function<void()>, bool> steps[] = {
        {[&] { model.addItems(two); }, true},          {[&] { model.setListIndex(1); }, true},
        {[&] { model.Sorted = true; }, true},          {[&] { model.addItem("Amos"); }, false},
        {[&] { model.setItem(2, "Exodus!"); }, false},
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
    // Selections, clicks past trailing blanks, Windows-1252 typing, wrapping; an ended program.
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    f.frmA.txtText.setSelStart(10);
    f.frmA.txtText.setSelLength(5);
    QCOMPARE(edit->textCursor().selectedText(), QStringLiteral("three"));
    f.frmA.txtText.setText("one\r\ntwo\r\n\r\n" + std::string(400, ' '));
    const QPoint below(edit->viewport()->width() / 2, edit->viewport()->height() - 4);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(f.frmA.textClicks, std::vector<int>{12});
    auto* line = f.widget<QLineEdit>(f.frmA.txtInput);
    line->setFocus();
    QTest::keyClicks(line, QStringLiteral("ab"));
    QKeyEvent euro(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x20AC)));
    QApplication::sendEvent(line, &euro);
    QCOMPARE(f.frmA.txtInput.text(), std::string("ab\x80"));
    QCOMPARE(f.frmA.txtInput.selStart(), 3);
    std::string words;
    for (int i = 0; i < 400; ++i)
        words += "word ";
    const std::string x600(600, 'x');
    for (const auto& [text, anywhere] : {std::pair{words, false},
                                         {words + std::string(1001, 'x'), true},
                                         {x600 + "\r\n" + x600, false}}) {
        f.frmA.txtText.setText(text);
        QCOMPARE(edit->wordWrapMode(),
                 anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
    }
    f.frmA.lstItems.onClick = [&f] { f.ended = true; };
    f.clickRow(f.frmA.lstItems, 1);
    QVERIFY(f.view->blocked());
    f.clickRow(f.frmA.lstItems, 2);
    QTest::mouseClick(f.widget<QPushButton>(f.frmA.btnHelp), Qt::LeftButton);
    QCOMPARE(f.frmA.lstItems.listIndex(), 1);
    QCOMPARE(f.frmA.buttonClicks, 0);
}

// Help box activation, Space on a button, keys the program takes, Tab and Ctrl+Tab.
void TestQtBinding::keysButtonsActivationFramesAndZoom() {
    Fixture f;
    f.frmB.show();
    f.frmA.bringToFront();
    f.view->sync();
    QVERIFY(f.activeMain());
    auto* button = f.widget<QPushButton>(f.frmA.btnHelp);
    QTest::mousePress(button, Qt::RightButton, {}, button->rect().center());
    QVERIFY(f.view->subWindow(f.frmC)->isVisible());
    QCOMPARE(f.view->mdiArea()->activeSubWindow(), f.view->subWindow(f.frmA));
    QTest::mouseRelease(button, Qt::RightButton, {}, button->rect().center());
    f.frmC.hide();
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(f.frmA.downs, (std::vector<int>{2, 1}));
    QCOMPARE(f.frmA.buttonClicks, 1);
    auto* line = f.widget<QLineEdit>(f.frmA.txtInput);
    line->setFocus();
    QTest::keyClick(line, Qt::Key_Return);
    QTest::keyClick(line, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.frmA.keys, (std::vector<int>{32, 13, 35}));
    QCOMPARE(f.frmA.lastShift, ui::Window::kCtrlKey | ui::Window::kShiftKey);
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_PageDown);
    QVERIFY(edit->toPlainText().startsWith(QStringLiteral("new page")));
    QCOMPARE(edit->verticalScrollBar()->value(), 0);
    QWidget* list = f.view->widget(f.frmA.lstItems);
    for (QWidget* next : {static_cast<QWidget*>(line), static_cast<QWidget*>(button), list}) {
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
    // Title bars, clipped controls, the front window; zoom grows widgets, not the model's units.
    f.frmC.show();
    f.view->sync();
    QMdiSubWindow* bare = f.view->subWindow(f.frmC);
    QCOMPARE(f.view->surface(f.frmC)->size(), bare->size());
    f.frmC.setCaption("Titled");
    QVERIFY(f.view->surface(f.frmC)->height() < bare->height() - 10);
    f.frmA.lstItems.setGeometry(8, 100, 5000, 5000);
    QWidget* surface = f.view->surface(f.frmA);
    QCOMPARE(f.view->widget(f.frmA.lstItems)->geometry(),
             QRect(8, 100, surface->width() - 8, surface->height() - 100));
    f.frmA.bringToFront();
    f.view->sync();
    QCOMPARE(f.view->mdiArea()->activeSubWindow(), f.view->subWindow(f.frmA));
    f.frmA.lstItems.setGeometry(8, 8, 150, 120);
    auto* items = f.widget<QListWidget>(f.frmA.lstItems);
    const int scrollBar = items->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    f.view->setZoom(200);
    QCOMPARE(items->geometry(), QRect(16, 16, 300, 240));
    QVERIFY(items->style()->pixelMetric(QStyle::PM_ScrollBarExtent) >= scrollBar * 3 / 2);
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

// The step, place and maximised state are kept across starts.
void TestQtBinding::zoomAndPlaceAreKeptInTheSettings() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("tessary.ini")), QSettings::IniFormat);
    QRect frame;
    {
        Fixture f(&settings);
        QCOMPARE(f.view->zoom(), 150);
        QVERIFY(f.activeMain());
        QTest::keyClick(f.view->mainWindow(), Qt::Key_Equal, Qt::ControlModifier);
        QVERIFY(!f.view->zoomInAction()->isEnabled());
        f.view->mainWindow()->setGeometry(2400, 200, 1200, 700);
        QTest::qWait(50);
        frame = f.view->mainWindow()->frameGeometry();
    }
    {
        Fixture f(&settings);
        QVERIFY(f.activeMain());
        QMainWindow* main = f.view->mainWindow();
        QCOMPARE(f.view->zoom(), 175);
        QCOMPARE(main->frameGeometry(), frame);
        QCOMPARE(main->screen()->name(), QStringLiteral("uhd"));
        QCOMPARE(f.frmMain.Height, f.heardHeight()); // the program hears it
        QTest::keyClick(main, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(storedZoom(settings), std::nullopt);
        main->showMaximized();
        QTest::qWait(50);
    }
    {
        Fixture f(&settings);
        QVERIFY(f.activeMain());
        QTest::qWait(50);
        QVERIFY(f.view->mainWindow()->isMaximized());
        QCOMPARE(f.view->mainWindow()->screen()->name(), QStringLiteral("uhd"));
    }
}

// Long paragraphs show in pieces (Qt lays a paragraph out whole); positions map across.
void TestQtBinding::longParagraphShowsInPieces() {
    const auto P = static_cast<size_t>(kPieceLength);
    const int p = kPieceLength;
    const std::pair<std::string, std::vector<int>> cases[] = {
        {std::string(P - 1, 'a') + " bb\r\nc", {p}}, // after the first blank
        {std::string(P - 1, 'a') + " \r\nc", {}},    // not at the paragraph's end
        {std::string(P - 9, 'a') + "\r\n" + std::string(P - 9, 'a') + " b", {}}, // each afresh
        {std::string(2 * P + 5, 'x') + std::string(P, 'y') + " z", {2 * p, 3 * p + 6}},
    };
    for (const auto& [model, breaks] : cases) {
        QCOMPARE(pieceBreaks(model), breaks);
        QString expected = toWidgetText(model);
        for (size_t k = breaks.size(); k-- > 0;)
            expected.insert(modelToWidgetPos(model, breaks[k]), QLatin1Char('\n'));
        QCOMPARE(toBoxText(model, breaks), expected);
        const int size = static_cast<int>(model.size());
        QCOMPARE(modelToBoxPos(model, breaks, size), static_cast<int>(expected.size()));
        // Round trips around each break; both sides of it are the model's position at it.
        for (size_t k = 0; k < breaks.size(); ++k) {
            for (int m = breaks[k] - 2; m <= std::min(breaks[k] + 2, size); ++m)
                QCOMPARE(boxToModelPos(model, breaks, modelToBoxPos(model, breaks, m)), m);
            const int after = modelToBoxPos(model, breaks, breaks[k]);
            QCOMPARE(after, modelToWidgetPos(model, breaks[k]) + static_cast<int>(k) + 1);
            QCOMPARE(boxToModelPos(model, breaks, after - 1), breaks[k]);
        }
    }
    // In the box: the pieces are blocks, a model selection covers the same letters.
    Fixture f;
    auto* edit = f.widget<QPlainTextEdit>(f.frmA.txtText);
    f.frmA.txtText.setText(std::string(2 * P + 5, 'x') + "yz");
    QCOMPARE(edit->blockCount(), 2);
    f.frmA.txtText.setSelStart(2 * p + 5);
    f.frmA.txtText.setSelLength(2);
    QCOMPARE(edit->textCursor().selectedText(), QStringLiteral("yz"));
    QCOMPARE(edit->textCursor().selectionStart(), 2 * p + 6);
}

// Text and key conversions, overlaps, zoom steps, stored places and message boxes.
void TestQtBinding::textsKeysZoomPlacesAndMessages() {
    // Every byte is one character and back; what the code page lacks is "?".
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    QCOMPARE(encode(decode(all)), all);
    QCOMPARE(encode(QStringLiteral("\u2014\u4E2D")), std::string("\x97?"));
    // A lone CR or LF is a break; between CR and LF lies after it; both ways clamp.
    const std::string model = "ab\r\ncd\re\nf";
    QCOMPARE(toWidgetText(model), QStringLiteral("ab\ncd\ne\nf"));
    QCOMPARE(fromWidgetText(QStringLiteral("x\ny")), std::string("x\r\ny"));
    for (const auto& [m, w] : {std::pair{3, 3}, {-4, 0}, {99, 9}})
        QCOMPARE(modelToWidgetPos(model, m), w);
    QCOMPARE(widgetToModelPos(model, 99), static_cast<int>(model.size()));
    QCOMPARE(withoutMnemonics(QStringLiteral("&Find && replace")),
             QStringLiteral("Find & replace"));
    // Key codes both ways; keypad Enter is 13; keys of no use are 0.
    for (int code : {8, 9, 33, 40, 46, 48, 57, 65, 90, 112, 123})
        QCOMPARE(windowsKeyCode(qtKey(code)), code);
    QCOMPARE(windowsKeyCode(Qt::Key_Enter), 13);
    for (int none : {windowsKeyCode(Qt::Key_Shift), qtKey(7), qtKey(124)})
        QCOMPARE(none, 0);
    // Controls clear of siblings over their edges; covered shares count overlaps once.
    const QRect text(0, 38, 300, 92);
    const struct {
        const char* name;
        std::vector<QRect> over;
        QRect expected;
    } rows[] = {
        {"the deepest of two over its top",
         {QRect(8, 13, 36, 29), QRect(48, 13, 52, 31)},
         QRect(0, 44, 300, 86)},
        {"over its right edge", {QRect(290, 30, 20, 200)}, QRect(0, 38, 290, 92)},
        {"over its left edge", {QRect(-5, 0, 8, 300)}, QRect(3, 38, 297, 92)},
        {"a third of its height", {QRect(100, 0, 50, 70)}, text},
        {"in its middle", {QRect(100, 60, 30, 20)}, text},
        {"covered whole", {QRect(-1, 30, 310, 120)}, QRect()},
    };
    for (const auto& row : rows)
        QVERIFY2(clearOf(text, row.over) == row.expected, row.name);
    const QRect reading(0, 0, 100, 100);
    const std::pair<std::vector<QRect>, double> covered[] = {
        {{QRect(0, 0, 60, 100), QRect(40, 0, 60, 50)}, 0.8},
        {{QRect(1, 2, 97, 95)}, 97.0 * 95 / 10000},
    };
    for (const auto& [above, share] : covered)
        QVERIFY(std::abs(coveredShare(reading, above) - share) < 1e-9);
    QCOMPARE(coveredShare(QRect(), {reading}), 0.0);
    // The first step is 225 %'s share of 1920x1080; the largest step fits the screen.
    const struct {
        QSize screen;
        int automatic, largest;
    } zooms[] = {
        {{1920, 1080}, 225, 250}, {{3840, 2160}, 450, 500}, {{3840, 2100}, 425, 500},
        {{640, 480}, 100, 100},   {{903, 556}, 125, 125},   {{902, 556}, 100, 125},
    };
    for (const auto& row : zooms) {
        const QByteArray name = QByteArray::number(row.screen.width());
        QVERIFY2(automaticZoom({650, 400}, row.screen) == row.automatic, name);
        QVERIFY2(largestFittingZoom({650, 400}, row.screen) == row.largest, name);
    }
    for (const auto& [from, step, to] :
         {std::tuple{100, -1, 100}, {475, 1, 500}, {500, 1, 500}, {230, -1, 225}, {230, 1, 250}})
        QCOMPARE(nextZoom(from, step), to);
    // The design font: one line 13 pixels high at 100 %, in proportion above.
    for (int zoom : {100, 225, 450}) {
        const int height = QFontMetrics(designFont(QApplication::font(), zoom)).height();
        QVERIFY(height <= 13 * zoom / 100 && height >= 13 * zoom / 100 - 3);
    }
    // A place comes back on a screen; stored values that make no window or step are refused.
    const std::vector<QRect> screens{QRect(0, 0, 1920, 1050), QRect(1920, 0, 3840, 2160)};
    const struct {
        const char* name;
        QRect saved, placed;
    } places[] = {
        {"far below the second", {3000, 9000, 900, 600}, {1020, 450, 900, 600}},
        {"partly off the primary's right", {1400, 100, 900, 600}, {1020, 100, 900, 600}},
        {"larger than the primary", {10, 10, 2500, 1400}, {0, 0, 1920, 1050}},
    };
    for (const auto& row : places)
        QVERIFY2(placeOnScreens(row.saved, screens) == row.placed, row.name);
    QCOMPARE(placeOnScreens(QRect(5, 5, 10, 10), {}), QRect(5, 5, 10, 10));
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("place.ini")), QSettings::IniFormat);
    QVERIFY(!storedPlace(settings));
    storePlace(settings, {QRect(0, 0, 900, 600), QSize(900, 600), true}); // no frame
    QVERIFY(storedPlace(settings) && storedPlace(settings)->maximised);
    const std::pair<QVariant, QVariant> bad[] = {{QRect(0, 0, 100, 100), QSize(120, 90)},
                                                 {QRect(0, 0, 100, 100), QSize(90, 120)},
                                                 {QStringLiteral("big"), QSize(10, 10)}};
    for (const auto& [frame, client] : bad) {
        settings.setValue(QStringLiteral("window/frame"), frame);
        settings.setValue(QStringLiteral("window/client"), client);
        QVERIFY(!storedPlace(settings));
    }
    for (const QVariant& zoom : {QVariant(130), QVariant(QStringLiteral("big"))}) {
        settings.setValue(QStringLiteral("view/zoom"), zoom);
        QCOMPARE(storedZoom(settings), std::nullopt);
    }
    // A short message's title shows whole; a box at start has no parent to place early.
    QMessageBox box;
    setUpMessageBox(box, "x", ui::Buttons::OK, ui::Icon::None);
    box.show();
    QApplication::processEvents();
    QCOMPARE(box.windowTitle(), QStringLiteral("Tessary"));
    const QFontMetrics metrics(box.font());
    QVERIFY(box.width() >= metrics.horizontalAdvance(box.windowTitle()) + 6 * metrics.height());
    QMessageBox question;
    setUpMessageBox(question, "Save?", ui::Buttons::YesNoCancel, ui::Icon::Question);
    QCOMPARE(question.standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(question.escapeButton(), question.button(QMessageBox::Cancel));
    QMainWindow main;
    QtDialogs dialogs(&main);
    QWidget* parent = &main; // stays so when no box came
    QTimer::singleShot(0, [&parent] {
        if (QWidget* shown = QApplication::activeModalWidget()) {
            parent = shown->parentWidget();
            shown->close();
        }
    });
    dialogs.message("Missing", ui::Buttons::OK, ui::Icon::Exclamation);
    QCOMPARE(parent, nullptr);
    QVERIFY(!main.testAttribute(Qt::WA_WState_Created));
}

QTEST_MAIN(TestQtBinding)
#include "test_qt_binding.moc"
