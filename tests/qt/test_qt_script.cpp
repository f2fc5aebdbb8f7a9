// The scenario runner through the real widgets: a restart tears down every
// widget of the old program and builds the new program's own, which then
// take the reader's events.
#include <filesystem>
#include <fstream>

#include <QApplication>
#include <QMainWindow>
#include <QPointer>
#include <QTest>

#include "runner.h"
#include "widget_driver.h"

namespace fs = std::filesystem;

namespace {

// The main window on the screen at each start, and how many widgets then live.
class WatchingDriver : public script_qt::WidgetDriver {
public:
    std::vector<QPointer<QMainWindow>> mains;
    int mainsShown = 0;
    std::vector<qsizetype> widgets;
    // Whether every main window of an earlier start was gone at each start.
    bool oldGoneAtEachStart = true;

    void started() override {
        WidgetDriver::started();
        for (const QPointer<QMainWindow>& old : mains)
            oldGoneAtEachStart = oldGoneAtEachStart && old.isNull();
        QMainWindow* shown = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* main = qobject_cast<QMainWindow*>(w); main && main->isVisible())
                shown = main;
        mainsShown += shown ? 1 : 0;
        mains.emplace_back(shown);
        widgets.push_back(QApplication::allWidgets().size());
    }
};

struct ScenarioFile {
    fs::path dir;
    explicit ScenarioFile(const std::string& text) {
        char tmpl[] = "/tmp/tessary-qt-script-XXXXXX";
        dir = mkdtemp(tmpl);
        std::ofstream(dir / "s.tss", std::ios::binary) << text;
    }
    ~ScenarioFile() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    std::string path() const { return (dir / "s.tss").string(); }
};

} // namespace

class TestQtScript : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void restartBuildsNewWidgets();
};

// Two restarts: each start shows a main window of its own, the old one and
// its widgets are gone by then (their number does not grow), and a click
// after the restart reaches the new program through its widgets.
void TestQtScript::restartBuildsNewWidgets() {
    const ScenarioFile scenario("library " TESSARY_SAMPLE_LIBRARY "\nstart\n"
                                "click frmList0.lstMain0 1\nexpect frmList1.Visible == True\n"
                                "restart\nexpect frmList1.Visible == False\n"
                                "restart\nclick frmList0.lstMain0 1\n"
                                "expect frmList1.Visible == True\n");
    WatchingDriver driver;
    const script::Outcome outcome = script::runScenarioFile(scenario.path(), driver);
    QVERIFY2(outcome.passed, (std::to_string(outcome.line) + ": " + outcome.message).c_str());
    QCOMPARE(driver.mainsShown, 3);
    QVERIFY(driver.oldGoneAtEachStart);
    for (const QPointer<QMainWindow>& main : driver.mains)
        QVERIFY(main.isNull()); // the end of the run tears the last one down too
    QCOMPARE(driver.widgets.at(1), driver.widgets.at(0));
    QCOMPARE(driver.widgets.at(2), driver.widgets.at(0));
}

QTEST_MAIN(TestQtScript)
#include "test_qt_script.moc"
