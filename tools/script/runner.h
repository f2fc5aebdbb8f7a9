// Runs one scenario against a fresh program and data folder.
#pragma once

#include <string>

namespace script {

struct Outcome {
    bool passed = true;
    int line = 0;
    std::string message; // "expected …, got …" for a failure
};

// Runs the scenario file at path; dump lines go to the standard output.
Outcome runScenarioFile(const std::string& path);

} // namespace script
