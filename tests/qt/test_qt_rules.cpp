// The binding's rules that need no window: texts and caret positions
// between model and widget, key codes, zoom steps, where the main window
// and a control are placed, and message boxes.
#include <cmath>

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/qt/cp1252.h"
#include "ui/qt/keys.h"
#include "ui/qt/overlaps.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/window_place.h"
#include "ui/qt/zoom.h"

using namespace ui::qt;

class TestQtRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textsAndCaretPositions();
    void keyCodesBothWays();
    void zoomSteps();
    void placeOnTheScreens();
    void controlsClearOfTheirSiblings();
    void messageBoxTitleShowsWhole();
    void messageBeforeTheMainWindowStandsAlone();
};

void TestQtRules::textsAndCaretPositions() {
    // Every byte one character and back; the 0x80 block is not Latin-1;
    // what the code page lacks becomes "?".
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    QCOMPARE(encode(decode(all)), all);
    QCOMPARE(decode("\x80\xE9"), QStringLiteral("\u20AC\u00E9"));
    QCOMPARE(encode(QStringLiteral("\u2014\u4E2D")), std::string("\x97?"));
    // CR LF is one line break in the widget; 'd' is model position 5,
    // widget 4; 'e' after the blank line model 10, widget 7; a lone LF
    // counts one; between CR and LF is after the break; both clamp.
    const std::string model = "ab\r\ncd\r\n\r\ne\nf";
    QCOMPARE(toWidgetText(model), QStringLiteral("ab\ncd\n\ne\nf"));
    QCOMPARE(toWidgetText("a\rb"), QStringLiteral("a\nb"));
    QCOMPARE(fromWidgetText(QStringLiteral("x\ny")), std::string("x\r\ny"));
    for (const auto& [m, w] : {std::pair{5, 4}, std::pair{10, 7}, std::pair{12, 9}})
        QCOMPARE(widgetToModelPos(model, w), m);
    for (const auto& [m, w] :
         {std::pair{5, 4}, std::pair{10, 7}, std::pair{3, 3}, std::pair{-4, 0}, std::pair{99, 10}})
        QCOMPARE(modelToWidgetPos(model, m), w);
    QCOMPARE(widgetToModelPos(model, 99), static_cast<int>(model.size()));
    for (int w = 0; w <= 10; ++w)
        QCOMPARE(modelToWidgetPos(model, widgetToModelPos(model, w)), w);
    QCOMPARE(withoutMnemonics(QStringLiteral("&Find && replace")),
             QStringLiteral("Find & replace"));
}

void TestQtRules::keyCodesBothWays() {
    for (int code :
         {8, 9, 13, 27, 32, 33, 34, 35, 36, 37, 38, 39, 40, 45, 46, 48, 57, 65, 90, 112, 123})
        QCOMPARE(windowsKeyCode(qtKey(code)), code);
    // Return, not keypad Enter, stands for 13; both are 13 to the program.
    QCOMPARE(qtKey(13), int(Qt::Key_Return));
    QCOMPARE(windowsKeyCode(Qt::Key_Enter), 13);
    QCOMPARE(windowsKeyCode(Qt::Key_Shift), 0);
    QCOMPARE(qtKey(7), 0);
    QCOMPARE(qtKey(124), 0);
}

// At first start the window takes the share of the screen that 225 % gives
// on 1920x1080: a 4K screen got 300 %, the largest step, and a window that
// filled about half of it with text smaller than on the smaller screen. The
// nearest step, but never one beyond 90 % of the screen; the largest step a
// screen shows whole (275 % made 1948x1175 on 1920x1080).
void TestQtRules::zoomSteps() {
    const QSize designed(650, 400);
    const struct {
        QSize screen;
        int automatic, largest;
    } rows[] = {
        {{1920, 1080}, 225, 250}, {{2560, 1440}, 300, 350}, {{3840, 2160}, 450, 500},
        {{1920, 1050}, 225, 250}, {{3840, 2100}, 425, 500}, {{1280, 800}, 175, 175},
        {{1366, 768}, 150, 175},  {{640, 480}, 100, 100},   {{903, 556}, 125, 125},
        {{902, 556}, 100, 125},   {{1920, 999}, 200, 225},
    };
    for (const auto& row : rows) {
        const QByteArray name =
            QByteArray::number(row.screen.width()) + "x" + QByteArray::number(row.screen.height());
        QVERIFY2(automaticZoom(designed, row.screen) == row.automatic, name.constData());
        QVERIFY2(largestFittingZoom(designed, row.screen) == row.largest, name.constData());
    }
    for (const auto& [from, step, to] :
         {std::tuple{100, -1, 100}, std::tuple{100, 1, 125}, std::tuple{475, 1, 500},
          std::tuple{500, 1, 500}, std::tuple{230, -1, 225}, std::tuple{230, 1, 250}})
        QCOMPARE(nextZoom(from, step), to);
    // The design font: one line 13 pixels high at 100 %, in proportion above.
    for (int zoom : {100, 150, 225, 300, 450}) {
        const QFontMetrics metrics(designFont(QApplication::font(), zoom));
        QVERIFY(metrics.height() <= 13 * zoom / 100 && metrics.height() >= 13 * zoom / 100 - 3);
    }
}

// The main window's place kept in the settings comes back on a screen that
// shows it; values that make no window are not taken.
void TestQtRules::placeOnTheScreens() {
    const std::vector<QRect> screens{QRect(0, 0, 1920, 1050), QRect(1920, 0, 3840, 2160)};
    const struct {
        const char* name;
        QRect saved, placed;
    } rows[] = {
        {"on the primary", {100, 80, 900, 600}, {100, 80, 900, 600}},
        {"on the second", {2500, 300, 1500, 900}, {2500, 300, 1500, 900}},
        {"off every screen", {-5000, -3000, 900, 600}, {0, 0, 900, 600}},
        {"far below the second", {3000, 9000, 900, 600}, {1020, 450, 900, 600}},
        {"partly off the primary's right", {1400, 100, 900, 600}, {1020, 100, 900, 600}},
        {"mostly on the second", {1800, 100, 900, 600}, {1920, 100, 900, 600}},
        {"larger than the primary", {10, 10, 2500, 1400}, {0, 0, 1920, 1050}},
        {"above the top", {100, -40, 900, 600}, {100, 0, 900, 600}},
    };
    for (const auto& row : rows)
        QVERIFY2(placeOnScreens(row.saved, screens) == row.placed, row.name);
    QCOMPARE(placeOnScreens(QRect(5, 5, 10, 10), {}), QRect(5, 5, 10, 10));
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("place.ini")), QSettings::IniFormat);
    QVERIFY(!storedPlace(settings));
    storePlace(settings, {QRect(10, 20, 904, 624), QSize(900, 600), true});
    const auto place = storedPlace(settings);
    QVERIFY(place && place->maximised);
    QCOMPARE(place->frame, QRect(10, 20, 904, 624));
    QCOMPARE(place->client, QSize(900, 600));
    storePlace(settings, {QRect(0, 0, 900, 600), QSize(900, 600), false}); // no frame
    QVERIFY(storedPlace(settings));
    const std::pair<QVariant, QVariant> bad[] = {{QRect(0, 0, 100, 100), QSize(120, 90)},
                                                 {QRect(0, 0, 100, 100), QSize(90, 120)},
                                                 {QRect(0, 0, 0, 0), QSize(0, 0)},
                                                 {QStringLiteral("big"), QSize(10, 10)}};
    for (const auto& [frame, client] : bad) {
        settings.setValue(QStringLiteral("window/frame"), frame);
        settings.setValue(QStringLiteral("window/client"), client);
        QVERIFY(!storedPlace(settings));
    }
    // A stored zoom that is no step is not taken.
    settings.setValue(QStringLiteral("view/zoom"), 130);
    QCOMPARE(storedZoom(settings), std::nullopt);
    settings.setValue(QStringLiteral("view/zoom"), QStringLiteral("big"));
    QCOMPARE(storedZoom(settings), std::nullopt);
}

// A control is drawn clear of the slivers of siblings over its edges (not of
// one deeper than a quarter, nor of one in its middle); the share of a
// window that the windows in front cover, overlaps counted once.
void TestQtRules::controlsClearOfTheirSiblings() {
    const QRect text(0, 38, 300, 92);
    const struct {
        const char* name;
        QRect r;
        std::vector<QRect> over;
        QRect expected;
    } rows[] = {
        {"nothing over it", text, {}, text},
        {"a button over its top edge", text, {QRect(8, 13, 36, 29)}, QRect(0, 42, 300, 88)},
        {"the deepest of two",
         text,
         {QRect(8, 13, 36, 29), QRect(48, 13, 52, 31)},
         QRect(0, 44, 300, 86)},
        {"over its bottom edge", text, {QRect(10, 125, 40, 20)}, QRect(0, 38, 300, 87)},
        {"over its right edge", text, {QRect(290, 30, 20, 200)}, QRect(0, 38, 290, 92)},
        {"over its left edge", text, {QRect(-5, 0, 8, 300)}, QRect(3, 38, 297, 92)},
        {"the nearer edge of two",
         QRect(0, 0, 100, 100),
         {QRect(-10, -10, 15, 30)},
         QRect(5, 0, 95, 100)},
        {"a third of its height", text, {QRect(100, 0, 50, 70)}, text},
        {"in its middle", text, {QRect(100, 60, 30, 20)}, text},
        {"covered whole", text, {QRect(-1, 30, 310, 120)}, QRect()},
        {"beside it", text, {QRect(300, 38, 20, 20)}, text},
    };
    for (const auto& row : rows)
        QVERIFY2(clearOf(row.r, row.over) == row.expected, row.name);
    const QRect reading(0, 0, 100, 100);
    const std::pair<std::vector<QRect>, double> covered[] = {
        {{}, 0.0},
        {{QRect(200, 0, 50, 50)}, 0.0},
        {{QRect(-10, -10, 200, 200)}, 1.0},
        {{QRect(0, 0, 50, 100)}, 0.5},
        {{QRect(0, 0, 60, 100), QRect(40, 0, 60, 50)}, 0.8},
        {{QRect(1, 2, 97, 95)}, 97.0 * 95 / 10000},
    };
    for (const auto& [above, share] : covered)
        QVERIFY(std::abs(coveredShare(reading, above) - share) < 1e-9);
    QCOMPARE(coveredShare(QRect(), {reading}), 0.0);
}

// A short message made a box so narrow that its title was cut ("Te...ary").
void TestQtRules::messageBoxTitleShowsWhole() {
    for (const char* text : {"End of Book", "x"}) {
        QMessageBox box;
        setUpMessageBox(box, text, ui::Buttons::OK, ui::Icon::None);
        box.show();
        QApplication::processEvents();
        QCOMPARE(box.windowTitle(), QStringLiteral("Tessary"));
        const QFontMetrics metrics(box.font());
        QVERIFY(box.width() >= messageBoxMinimumWidth(box));
        QVERIFY(messageBoxMinimumWidth(box) >=
                metrics.horizontalAdvance(QStringLiteral("Tessary")) + 6 * metrics.height());
        QCOMPARE(box.standardButtons(), QMessageBox::Ok);
    }
    QMessageBox question;
    setUpMessageBox(question, "Save?", ui::Buttons::YesNoCancel, ui::Icon::Question);
    QCOMPARE(question.standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(question.escapeButton(), question.button(QMessageBox::Cancel));
}

// A message at start, before the main window showed, was the main window's
// child: the main window got its native window early and was then placed
// without its frame, its title bar off the screen.
void TestQtRules::messageBeforeTheMainWindowStandsAlone() {
    QMainWindow main;
    QtDialogs dialogs(&main);
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

QTEST_MAIN(TestQtRules)
#include "test_qt_rules.moc"
