// Runs one scenario against a fresh program and data folder; "restart"
// replaces the program with a fresh one on the same folder.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace script {

class Driver;

struct Outcome {
    bool passed = true;
    int line = 0;
    std::string message; // "expected …, got …" for a failure
};

// How the scenarios run, from the options before the file names:
//   --whole-values        dump prints a value whole, not cut at 200 characters
//   --step-limit SECONDS  a command that takes longer (with the events it
//                         leaves to handle) fails its scenario; library,
//                         write and remove, which only fill the data folder,
//                         are not timed
struct Options {
    bool wholeValues = false;
    double stepLimit = 0; // seconds; 0: no limit
};

// Takes the options off the front of args; nothing (with error set) for an
// option it does not know or a limit that is not a positive number.
std::optional<Options> takeOptions(std::vector<std::string>& args, std::string& error);

// Runs the scenario file at path; dump lines go to the standard output.
Outcome runScenarioFile(const std::string& path, const Options& options = {});
// The same, with the user's events made through driver.
Outcome runScenarioFile(const std::string& path, Driver& driver, const Options& options = {});

// Runs every file with run and prints "PASS name" or "FAIL name:LINE: …" for
// each, then "N passed, N failed"; returns the exit status, 0 only when at
// least one ran and all passed.
int runScenarioFiles(const std::vector<std::string>& paths,
                     const std::function<Outcome(const std::string&)>& run);
// A runner's command line: the options, then the files, each run by run with
// the options; a bad option is told on the standard error with status 2.
int runCommandLine(const std::string& program, std::vector<std::string> args,
                   const std::function<Outcome(const std::string&, const Options&)>& run);

} // namespace script
