// The clean fixture library of the check tests, copied into a temporary
// folder in which a test plants its faults, and the faults the check reports.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "library/check.h"
#include "library/index_file.h"

namespace testing_check {

namespace fs = std::filesystem;

// A copy of the clean fixture library in a temporary folder, into which a
// test plants its faults.
struct Lib {
    fs::path dir;
    Lib() {
        char tmpl[] = "/tmp/tessary-check-XXXXXX";
        dir = mkdtemp(tmpl);
        for (const auto& e :
             fs::directory_iterator(fs::path(TESSARY_FIXTURES) / "library_check/clean"))
            fs::copy_file(e.path(), dir / e.path().filename());
    }
    ~Lib() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    void write(const std::string& name, const std::string& content) const {
        std::ofstream(dir / name, std::ios::binary) << content;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(dir / name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // Replaces the first occurrence of from in a file.
    void edit(const std::string& name, const std::string& from, const std::string& to) const {
        std::string text = read(name);
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        write(name, text.replace(at, from.size(), to));
    }
    void reindex(const std::string& name) const {
        std::ostringstream out;
        ASSERT_TRUE(library::reindexFiles({(dir / name).string()}, out)) << out.str();
    }
    std::string check(int* count = nullptr) const {
        std::ostringstream out;
        const int n = library::checkLibrary(dir.string(), out);
        if (count)
            *count = n;
        return out.str();
    }
    // "NAME:LINE:BYTE" of the first occurrence of needle in a file.
    std::string at(const std::string& name, const std::string& needle, size_t skip = 0) const {
        const std::string text = read(name);
        const size_t pos = text.find(needle) + skip;
        return name + ":" + std::to_string(1 + std::count(text.begin(), text.begin() + pos, '\n')) +
               ":" + std::to_string(pos + 1);
    }
};

inline std::string lines(const std::vector<std::string>& body) {
    std::string s;
    for (const std::string& line : body)
        s += line + "\r\n";
    return s;
}

// Whether output has a fault line that starts with where and holds what.
inline bool hasFault(const std::string& output, const std::string& where, const std::string& what) {
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(where + ": ", 0) == 0 && line.find(what) != std::string::npos)
            return true;
    return false;
}

inline size_t faultsOf(const std::string& output, const std::string& prefix) {
    std::istringstream in(output);
    size_t n = 0;
    for (std::string line; std::getline(in, line);)
        n += line.rfind(prefix, 0) == 0;
    return n;
}

} // namespace testing_check

#define EXPECT_FAULT(out, where, what)                                                             \
    EXPECT_TRUE(testing_check::hasFault(out, where, what))                                         \
        << "wanted " << (where) << ": ..." << (what) << "\ngot:\n"                                 \
        << (out)
