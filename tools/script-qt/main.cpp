// tessary-script-qt: runs scenario files through the real widgets of the Qt
// binding (on the offscreen platform unless another is chosen).
//   tessary-script-qt [--whole-values] [--step-limit SECONDS] FILE...
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
    std::vector<std::string> args;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        args.push_back(arguments.at(i).toStdString());
    return script::runCommandLine("tessary-script-qt", args,
                                  [](const std::string& path, const script::Options& options) {
                                      script_qt::WidgetDriver driver;
                                      return script::runScenarioFile(path, driver, options);
                                  });
}
