// Runs one scenario against a fresh program and data folder; "restart"
// replaces the program with a fresh one on the same folder.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace script {

class Driver;

struct Outcome {
    bool passed = true;
    int line = 0;
    std::string message; // "expected …, got …" for a failure
};

// Runs the scenario file at path; dump lines go to the standard output.
Outcome runScenarioFile(const std::string& path);
// The same, with the user's events made through driver.
Outcome runScenarioFile(const std::string& path, Driver& driver);

// Runs every file with run and prints "PASS name" or "FAIL name:LINE: …" for
// each, then "N passed, N failed"; returns the exit status, 0 only when at
// least one ran and all passed.
int runScenarioFiles(const std::vector<std::string>& paths,
                     const std::function<Outcome(const std::string&)>& run);

} // namespace script
