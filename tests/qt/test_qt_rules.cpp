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
    void textsCaretsAndKeys();
    void zoomSteps();
    void placeOnTheScreens();
    void controlsClearOfTheirSiblings();
    void messageBoxTitleShowsWhole();
    void messageBeforeTheMainWindowStandsAlone();
};

// The caret clicks of the scenarios run through the widgets map positions
// both ways; what they do not reach is here.
void TestQtRules::textsCaretsAndKeys() {
    // Every byte is one character and back; what the code page lacks is "?".
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    QCOMPARE(encode(decode(all)), all);
    QCOMPARE(encode(QStringLiteral("\u2014\u4E2D")), std::string("\x97?"));
    // A lone CR or LF is one break too; a model position between CR and LF
    // lies after the break; both directions clamp.
    const std::string model = "ab\r\ncd\re\nf";
    QCOMPARE(toWidgetText(model), QStringLiteral("ab\ncd\ne\nf"));
    QCOMPARE(fromWidgetText(QStringLiteral("x\ny")), std::string("x\r\ny"));
    for (const auto& [m, w] : {std::pair{3, 3}, {-4, 0}, {99, 9}})
        QCOMPARE(modelToWidgetPos(model, m), w);
    QCOMPARE(widgetToModelPos(model, 99), static_cast<int>(model.size()));
    QCOMPARE(withoutMnemonics(QStringLiteral("&Find && replace")),
             QStringLiteral("Find & replace"));
    // Key codes both ways; keypad Enter is 13 as Return is; keys the
    // program has no use for are 0.
    for (int code : {8, 9, 33, 40, 46, 48, 57, 65, 90, 112, 123})
        QCOMPARE(windowsKeyCode(qtKey(code)), code);
    QCOMPARE(windowsKeyCode(Qt::Key_Enter), 13);
    for (int none : {windowsKeyCode(Qt::Key_Shift), qtKey(7), qtKey(124)})
        QCOMPARE(none, 0);
}

// A 4K screen got 300 %, a window over half of it with text smaller than on
// 1920x1080: the first step takes the share 225 % gives there, never beyond
// 90 % of the screen; 275 % made 1948x1175 on 1920x1080: the largest step is
// one the screen shows whole.
void TestQtRules::zoomSteps() {
    const struct {
        QSize screen;
        int automatic, largest;
    } rows[] = {
        {{1920, 1080}, 225, 250}, {{3840, 2160}, 450, 500}, {{3840, 2100}, 425, 500},
        {{640, 480}, 100, 100},   {{903, 556}, 125, 125},   {{902, 556}, 100, 125},
    };
    for (const auto& row : rows) {
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
}

// The window's place comes back on a screen that shows it; stored values
// that make no window, or a zoom that is no step, are not taken.
void TestQtRules::placeOnTheScreens() {
    const std::vector<QRect> screens{QRect(0, 0, 1920, 1050), QRect(1920, 0, 3840, 2160)};
    const struct {
        const char* name;
        QRect saved, placed;
    } rows[] = {
        {"on the second", {2500, 300, 1500, 900}, {2500, 300, 1500, 900}},
        {"far below the second", {3000, 9000, 900, 600}, {1020, 450, 900, 600}},
        {"partly off the primary's right", {1400, 100, 900, 600}, {1020, 100, 900, 600}},
        {"mostly on the second", {1800, 100, 900, 600}, {1920, 100, 900, 600}},
        {"larger than the primary", {10, 10, 2500, 1400}, {0, 0, 1920, 1050}},
    };
    for (const auto& row : rows)
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
}

// A control is drawn clear of the slivers of siblings over its edges (not of
// one deeper than a quarter, nor of one in its middle); the share of a
// window that the windows in front cover, overlaps counted once.
void TestQtRules::controlsClearOfTheirSiblings() {
    const QRect text(0, 38, 300, 92);
    const struct {
        const char* name;
        std::vector<QRect> over;
        QRect expected;
    } rows[] = {
        {"the deepest of two over its top",
         {QRect(8, 13, 36, 29), QRect(48, 13, 52, 31)},
         QRect(0, 44, 300, 86)},
        {"over its bottom edge", {QRect(10, 125, 40, 20)}, QRect(0, 38, 300, 87)},
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
        {{QRect(-10, -10, 200, 200)}, 1.0},
        {{QRect(0, 0, 60, 100), QRect(40, 0, 60, 50)}, 0.8},
        {{QRect(1, 2, 97, 95)}, 97.0 * 95 / 10000},
    };
    for (const auto& [above, share] : covered)
        QVERIFY(std::abs(coveredShare(reading, above) - share) < 1e-9);
    QCOMPARE(coveredShare(QRect(), {reading}), 0.0);
}

// A short message made a box so narrow that its title was cut ("Te...ary").
void TestQtRules::messageBoxTitleShowsWhole() {
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
