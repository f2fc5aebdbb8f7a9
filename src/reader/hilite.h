// Finding the searched text in a page, the way the reading and search
// windows select it after a search hit.
#pragma once

#include <optional>
#include <string>

namespace reader {

// The 0-based position of the searched text in text. A case-sensitive search
// takes its first exact occurrence; otherwise the first occurrence of the
// text with a capital first letter is taken, and failing that of the text
// with a small first letter; the other letters must match as they stand.
// An empty searched text is never found.
[[nodiscard]] std::optional<size_t> findHilite(const std::string& text, const std::string& hilite,
                                               bool caseSensitive);

} // namespace reader
