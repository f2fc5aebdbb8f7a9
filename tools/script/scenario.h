// Scenario files: one command per line, words separated by blanks, quoted
// words with escapes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace script {

struct Command {
    int line = 0;
    std::vector<std::string> words;
};

// Splits one line into words; a quoted word may hold blanks and the escapes
// \r \n \t \" \\ and \s{N}. Nothing for an unterminated quote or bad escape.
std::optional<std::vector<std::string>> splitWords(const std::string& line, std::string& error);

// The commands of a scenario text; blank lines and "#" lines are skipped.
// A line that cannot be split is reported in error with its line number.
std::vector<Command> parseScenario(const std::string& text, std::string& error, int& errorLine);

// A value as printed: escaped, runs of three or more blanks as \s{N}, cut
// at 200 characters unless whole.
std::string escapeValue(const std::string& value, bool whole = false);

} // namespace script
