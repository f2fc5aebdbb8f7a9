// tessary-script-qt: runs scenario files through the real widgets of the Qt
// binding (on the offscreen platform unless another is chosen).
//   tessary-script-qt [--whole-values] [--step-limit SECONDS] FILE...
#include <iostream>
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
    std::string error;
    const auto options = script::takeOptions(paths, error);
    if (!options) {
        std::cerr << "tessary-script-qt: " << error << "\n";
        return 2;
    }
    return script::runScenarioFiles(paths, [&options](const std::string& path) {
        script_qt::WidgetDriver driver;
        return script::runScenarioFile(path, driver, *options);
    });
}
