// Scenario files written into a temporary folder for the runner's own tests.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "runner.h"

namespace testing_support {

struct ScenarioFolder {
    std::filesystem::path dir;

    ScenarioFolder() {
        char tmpl[] = "/tmp/tessary-script-test-XXXXXX";
        dir = mkdtemp(tmpl);
    }
    ~ScenarioFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    ScenarioFolder(const ScenarioFolder&) = delete;
    ScenarioFolder& operator=(const ScenarioFolder&) = delete;

    // Writes the scenario text to dir/name and returns its path.
    std::string write(const std::string& name, const std::string& text) const {
        const std::filesystem::path path = dir / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    script::Outcome run(const std::string& text) const {
        return script::runScenarioFile(write("s.tss", text));
    }
};

} // namespace testing_support
