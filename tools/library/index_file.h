// Rebuilding the index line of a book or notes file from its body lines.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace library {

// Rewrites the index line of each file from its body, the body unchanged,
// replacing each file atomically. Reports what it did or why it could not
// to out; returns false when any file failed.
[[nodiscard]] bool reindexFiles(const std::vector<std::string>& files, std::ostream& out);

} // namespace library
