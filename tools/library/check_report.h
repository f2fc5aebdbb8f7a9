// Faults found by the library check, collected and printed sorted by file
// and position.
#pragma once

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace library::check {

class SourceFile;

struct Fault {
    std::string file;
    long line = 0; // 1-based; 0 for a fault without a position
    long byte = 0; // 1-based byte position in the file
    std::string message;
    long repeats = 1; // occurrences folded into this fault by tally()
};

class Report {
public:
    // A fault at 0-based byte offset of file (its line is found from the offset).
    void at(const SourceFile& file, long offset, const std::string& message);
    // A fault of a whole file.
    void file(const std::string& name, const std::string& message);

    // Like at(), but the faults of one group in one file are folded into the
    // first one, which then tells how often it occurred.
    void tally(const SourceFile& file, const std::string& group, long offset,
               const std::string& message);

    // Prints every fault, one per line, sorted by file, line and byte;
    // returns their number.
    int print(std::ostream& out) const;

private:
    void add(Fault fault);

    std::vector<Fault> m_faults;
    std::set<std::tuple<std::string, long, long, std::string>> m_seen;
    std::map<std::pair<std::string, std::string>, size_t> m_groups;
};

// A short, printable excerpt of text for messages: at most max bytes,
// control characters shown as "?".
std::string excerpt(std::string_view text, size_t max = 24);

} // namespace library::check
