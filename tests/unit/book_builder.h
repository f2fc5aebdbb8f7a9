// Small book files for tests: body lines and an index line for the chosen ones.
#pragma once

#include <string>
#include <vector>

namespace testing_books {

struct BodyLine {
    std::string text;    // the whole line, "page:para>text"
    bool indexed = true; // whether the index line gets an entry for it
};

inline std::string makeBook(const std::vector<BodyLine>& body, bool endMarker = true) {
    std::string index, lines;
    long offset = 1;
    for (const BodyLine& line : body) {
        if (line.indexed)
            index += "<" + line.text.substr(0, line.text.find('>')) + ">" + std::to_string(offset);
        lines += line.text + "\r\n";
        offset += static_cast<long>(line.text.size()) + 2;
    }
    if (endMarker)
        lines += " \r\n";
    return index + "*\r\n" + lines;
}

} // namespace testing_books
