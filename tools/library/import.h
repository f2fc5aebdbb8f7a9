// Building the bundled library from exported public-domain sources.
#pragma once

#include <ostream>
#include <string>

namespace library {

struct ImportOptions {
    std::string out;       // the library folder to write
    std::string swordPath; // a module folder for the exporter ("" = its default)
    std::string exporter = "mod2imp";
    std::string sourceDir; // ready export files (*.imp) instead of running the exporter
};

// Writes the whole library into options.out. Problems with single source
// entries are reported to err and skipped. Returns false when the library
// could not be written.
[[nodiscard]] bool importLibrary(const ImportOptions& options, std::ostream& err);

} // namespace library
