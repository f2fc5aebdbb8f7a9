// What one run of the library check shares: the folder, the report, and
// the index of every file read once.
#pragma once

#include <map>
#include <set>
#include <string>

#include "library/check_index.h"
#include "library/check_report.h"
#include "library/check_source.h"

namespace library::check {

struct Context {
    explicit Context(std::string dir) : library(std::move(dir)) {}

    // The index of file, read (and its faults reported) on first use.
    const Index& index(const SourceFile& file, FileKind kind) {
        auto it = indexes.find(file.name());
        if (it == indexes.end())
            it = indexes.emplace(file.name(), readIndex(file, kind, report)).first;
        return it->second;
    }

    // True the first time a missing file is met, so that it is reported once.
    bool firstMiss(const std::string& name) { return missing.insert(name).second; }

    Library library;
    Report report;
    std::map<std::string, Index> indexes;
    // Dictionary files by the name the word lookup opens; nullptr when missing.
    std::map<std::string, const Index*> dictionaries;
    std::set<std::string> missing;
};

} // namespace library::check
