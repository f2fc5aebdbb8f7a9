#include "reader/reference.h"

#include <algorithm>
#include <iterator>

#include "app/state.h"

namespace reader {

std::string clickedParagraph(const std::vector<app::ShownParagraph>& paragraphs, size_t textLength,
                             int caret) {
    if (caret <= 0 || static_cast<size_t>(caret) > textLength)
        return {};
    // Positions count from 1: the search starts at the character just before the caret.
    const size_t from = static_cast<size_t>(caret) - 1;
    const auto next =
        std::lower_bound(paragraphs.begin(), paragraphs.end(), from,
                         [](const app::ShownParagraph& p, size_t at) { return p.start < at; });
    if (next == paragraphs.begin())
        return {};
    if (next == paragraphs.end() && from + 6 > textLength)
        return {}; // in the last few blanks of the text
    return std::prev(next)->key;
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
