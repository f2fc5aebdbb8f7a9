// tessary-script: runs scenario files against the screen model.
//   tessary-script [--whole-values] [--step-limit SECONDS] FILE...
#include <iostream>
#include <string>
#include <vector>

#include "runner.h"

int main(int argc, char** argv) {
    std::vector<std::string> paths(argv + 1, argv + argc);
    std::string error;
    const auto options = script::takeOptions(paths, error);
    if (!options) {
        std::cerr << "tessary-script: " << error << "\n";
        return 2;
    }
    return script::runScenarioFiles(paths, [&options](const std::string& path) {
        return script::runScenarioFile(path, *options);
    });
}
