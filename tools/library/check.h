// Checking a library folder: every fault a reader would meet as a wrong or
// missing text, reported with file, line and byte position.
#pragma once

#include <ostream>
#include <string>

namespace library {

// Checks the library in dir, printing one line per fault to out. Returns the
// number of faults (0 for a clean library).
[[nodiscard]] int checkLibrary(const std::string& dir, std::ostream& out);

} // namespace library
