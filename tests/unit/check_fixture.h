// The clean fixture library of the check tests, copied for a test to plant faults in.
#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "library/check.h"
#include "test_support.h"

namespace testing_check {

namespace fs = std::filesystem;

struct Lib : testing_support::TempDir {
    Lib() {
        for (const auto& e :
             fs::directory_iterator(fs::path(TESSARY_FIXTURES) / "library_check/clean"))
            fs::copy_file(e.path(), dir / e.path().filename());
    }
    std::string read(const std::string& name) const {
        return testing_support::readFile(dir / name);
    }
    // The check's report on the folder; count, when given, gets the number of faults.
    std::string check(int* count = nullptr) const {
        std::ostringstream out;
        const int n = library::checkLibrary(dir.string(), out);
        if (count)
            *count = n;
        return out.str();
    }
};

// The lines, each ended by CR LF.
inline std::string lines(const std::vector<std::string>& body) {
    std::string s;
    for (const std::string& line : body)
        s += line + "\r\n";
    return s;
}

} // namespace testing_check
