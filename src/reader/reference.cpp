#include "reader/reference.h"

#include <algorithm>

#include "app/state.h"

namespace reader {

std::string clickedReference(const std::string& text, int caret) {
    if (caret <= 0 || static_cast<size_t>(caret) > text.size())
        return {};
    // Positions count from 1: the search starts at the character just before the caret.
    const size_t from = static_cast<size_t>(caret) - 1;
    size_t p = text.find('>', from);
    if (p == std::string::npos)
        p = text.find("      ", from);
    if (p == std::string::npos)
        return {};
    const size_t q = text.rfind('{', p);
    if (q == std::string::npos)
        return {};
    // The reference ends at its "}"; one that is not closed, at its line's end.
    std::string r = text.substr(q + 1, text.find_first_of("}\r\n", q + 1) - (q + 1));
    const size_t blank = r.find(' ');
    if (blank == std::string::npos)
        return {};
    return r.substr(blank + 1);
}

long lineOfKey(const app::State& s, const std::string& key) {
    const long last = std::min<long>(s.ParaCount, static_cast<long>(s.ParaList.size()) - 1);
    for (long i = 1; i <= last; ++i) {
        const std::string& line = s.ParaList[static_cast<size_t>(i)];
        if (line.size() > key.size() && line.compare(0, key.size(), key) == 0 &&
            line[key.size()] == '>')
            return i;
    }
    return 0;
}

} // namespace reader
