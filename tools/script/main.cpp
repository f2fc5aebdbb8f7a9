// tessary-script: runs scenario files against the screen model.
#include <string>
#include <vector>

#include "runner.h"

int main(int argc, char** argv) {
    const std::vector<std::string> paths(argv + 1, argv + argc);
    return script::runScenarioFiles(
        paths, [](const std::string& path) { return script::runScenarioFile(path); });
}
