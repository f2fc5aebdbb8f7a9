// tessary-script: runs scenario files against the screen model.
#include <filesystem>
#include <iostream>

#include "runner.h"

int main(int argc, char** argv) {
    int passed = 0, failed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string path = argv[i];
        const std::string name = std::filesystem::path(path).filename().string();
        script::Outcome outcome = script::runScenarioFile(path);
        if (outcome.passed) {
            ++passed;
            std::cout << "PASS " << name << "\n";
        } else {
            ++failed;
            std::cout << "FAIL " << name << ":" << outcome.line << ": " << outcome.message << "\n";
        }
    }
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return failed == 0 && passed > 0 ? 0 : 1;
}
