#include "reader/reference.h"

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
    std::string r = text.substr(q + 1, 22);
    r = r.substr(0, r.find('}'));
    const size_t blank = r.find(' ');
    if (blank == std::string::npos)
        return {};
    return r.substr(blank + 1);
}

} // namespace reader
