// tessary-script-qt: runs scenario files through the real widgets of the Qt
// binding (on the offscreen platform unless another is chosen).
#include <string>
#include <vector>

#include <QApplication>

#include "runner.h"
#include "widget_driver.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    std::vector<std::string> paths;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        paths.push_back(arguments.at(i).toStdString());
    return script::runScenarioFiles(paths, [](const std::string& path) {
        script_qt::WidgetDriver driver;
        return script::runScenarioFile(path, driver);
    });
}
