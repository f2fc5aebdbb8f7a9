// Where things go on the screen: the main window's place kept in the user's
// settings and put back on a screen that shows it, a control drawn clear of
// the siblings that overlap its edges, the share of a window that others
// cover; on the offscreen screens (a 1920x1080 primary, a 3840x2160 to its
// right).
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "test_windows.h"
#include "ui/qt/overlaps.h"
#include "ui/qt/window_place.h"

using test_windows::Fixture;

class TestQtPlace : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placeOnTheScreens();
    void storedPlaceTakesOnlyUsableValues();
    void windowComesBackWhereItWas();
    void zoomOfAMaximisedWindowRefitsIt();
    void controlsClearOfTheirSiblings();
    void shareCoveredByTheWindowsInFront();
};

void TestQtPlace::placeOnTheScreens() {
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
        QVERIFY2(ui::qt::placeOnScreens(row.saved, screens) == row.placed, row.name);
    // No screen to go by: where it was.
    QCOMPARE(ui::qt::placeOnScreens(QRect(5, 5, 10, 10), {}), QRect(5, 5, 10, 10));
}

void TestQtPlace::storedPlaceTakesOnlyUsableValues() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("place.ini")), QSettings::IniFormat);
    QCOMPARE(ui::qt::storedPlace(settings).has_value(), false);
    ui::qt::storePlace(settings, {QRect(10, 20, 904, 624), QSize(900, 600), true});
    auto place = ui::qt::storedPlace(settings);
    QVERIFY(place);
    QCOMPARE(place->frame, QRect(10, 20, 904, 624));
    QCOMPARE(place->client, QSize(900, 600));
    QVERIFY(place->maximised);
    // A window without a frame: its client is its frame.
    ui::qt::storePlace(settings, {QRect(0, 0, 900, 600), QSize(900, 600), false});
    QVERIFY(ui::qt::storedPlace(settings));
    // A client larger than its frame, an empty frame, or no rectangle at all.
    const struct {
        const char* name;
        QVariant frame, client;
    } bad[] = {
        {"client wider", QRect(0, 0, 100, 100), QSize(120, 90)},
        {"client higher", QRect(0, 0, 100, 100), QSize(90, 120)},
        {"empty frame", QRect(0, 0, 0, 0), QSize(0, 0)},
        {"text", QStringLiteral("big"), QSize(10, 10)},
    };
    for (const auto& row : bad) {
        settings.setValue(QStringLiteral("window/frame"), row.frame);
        settings.setValue(QStringLiteral("window/client"), row.client);
        QVERIFY2(!ui::qt::storedPlace(settings), row.name);
    }
}

// The window's size, place and maximised state were forgotten at every
// start; kept in the settings, they come back, onto a screen that shows
// them.
void TestQtPlace::windowComesBackWhereItWas() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("tessary.ini")), QSettings::IniFormat);
    QRect frame;
    {
        Fixture f(&settings);
        QVERIFY(f.activeMain());
        QMainWindow* main = f.view->mainWindow();
        main->move(2400, 200);
        main->resize(1200, 700);
        QTest::qWait(50);
        frame = main->frameGeometry();
        QCOMPARE(main->screen()->name(), QStringLiteral("uhd"));
    }
    {
        Fixture f(&settings);
        QVERIFY(f.activeMain());
        QMainWindow* main = f.view->mainWindow();
        QCOMPARE(main->frameGeometry(), frame);
        QCOMPARE(main->screen()->name(), QStringLiteral("uhd"));
        // The program hears the height it came back with.
        QCOMPARE(f.frmMain.Height,
                 f.view->scale().pixelsToTwips(f.view->mainArea()->viewport()->height() +
                                               f.view->scale().twipsToPixels(560)));
        main->showMaximized();
        QTest::qWait(50);
        QVERIFY(main->isMaximized());
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
        const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(primary.contains(f.view->mainWindow()->frameGeometry()));
        QCOMPARE(f.view->mainWindow()->size(), QSize(900, 600));
    }
}

// Zooming a maximised window kept the program's height in the twips of the
// old step: its windows no longer fitted the area.
void TestQtPlace::zoomOfAMaximisedWindowRefitsIt() {
    Fixture f;
    QVERIFY(f.activeMain());
    QMainWindow* main = f.view->mainWindow();
    main->showMaximized();
    QTest::qWait(50);
    QCoreApplication::processEvents();
    const int height100 = f.frmMain.Height;
    f.view->setZoom(200);
    QCoreApplication::processEvents();
    QCOMPARE(f.frmMain.windowState(), ui::WindowState::Maximized);
    const int expected = f.view->scale().pixelsToTwips(f.view->mainArea()->viewport()->height() +
                                                       f.view->scale().twipsToPixels(560));
    QCOMPARE(f.frmMain.Height, expected);
    QVERIFY(f.frmMain.Height < height100 * 6 / 10);
}

void TestQtPlace::controlsClearOfTheirSiblings() {
    const QRect text(0, 38, 300, 92);
    const struct {
        const char* name;
        QRect r;
        std::vector<QRect> over;
        QRect expected;
    } rows[] = {
        {"nothing over it", text, {}, text},
        {"a button over its top edge", text, {QRect(8, 13, 36, 29)}, QRect(0, 42, 300, 88)},
        {"buttons over its top edge, the deepest",
         text,
         {QRect(8, 13, 36, 29), QRect(48, 13, 52, 31)},
         QRect(0, 44, 300, 86)},
        {"a button over its bottom edge", text, {QRect(10, 125, 40, 20)}, QRect(0, 38, 300, 87)},
        {"a column over its right edge", text, {QRect(290, 30, 20, 200)}, QRect(0, 38, 290, 92)},
        {"over its left edge", text, {QRect(-5, 0, 8, 300)}, QRect(3, 38, 297, 92)},
        {"the nearer edge of two",
         QRect(0, 0, 100, 100),
         {QRect(-10, -10, 15, 30)},
         QRect(5, 0, 95, 100)},
        // Deeper than a quarter: that is no sliver; it stays.
        {"a third of its height from the top", text, {QRect(100, 0, 50, 70)}, text},
        // In its middle, reaching no edge: it stays.
        {"in its middle", text, {QRect(100, 60, 30, 20)}, text},
        {"covered whole", text, {QRect(-1, 30, 310, 120)}, QRect()},
        {"beside it", text, {QRect(300, 38, 20, 20)}, text},
    };
    for (const auto& row : rows)
        QVERIFY2(ui::qt::clearOf(row.r, row.over) == row.expected, row.name);
}

void TestQtPlace::shareCoveredByTheWindowsInFront() {
    const QRect reading(0, 0, 100, 100);
    const struct {
        const char* name;
        std::vector<QRect> above;
        double share;
    } rows[] = {
        {"nothing in front", {}, 0.0},
        {"elsewhere", {QRect(200, 0, 50, 50)}, 0.0},
        {"all of it", {QRect(-10, -10, 200, 200)}, 1.0},
        {"its left half", {QRect(0, 0, 50, 100)}, 0.5},
        // Two that overlap each other count once.
        {"two overlapping", {QRect(0, 0, 60, 100), QRect(40, 0, 60, 50)}, 0.8},
        {"a verse window", {QRect(1, 2, 97, 95)}, 97.0 * 95 / 10000},
    };
    for (const auto& row : rows)
        QVERIFY2(std::abs(ui::qt::coveredShare(reading, row.above) - row.share) < 1e-9, row.name);
    QCOMPARE(ui::qt::coveredShare(QRect(), {reading}), 0.0);
}

QTEST_MAIN(TestQtPlace)
#include "test_qt_place.moc"
