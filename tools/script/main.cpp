// tessary-script: runs scenario files against the screen model.
//   tessary-script [--whole-values] [--step-limit SECONDS] FILE...
#include <string>
#include <vector>

#include "runner.h"

int main(int argc, char** argv) {
    return script::runCommandLine("tessary-script", std::vector<std::string>(argv + 1, argv + argc),
                                  [](const std::string& path, const script::Options& options) {
                                      return script::runScenarioFile(path, options);
                                  });
}
