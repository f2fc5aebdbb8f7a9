// Finding the paragraph behind a click in a page text, and its line among
// the page's stored lines.
#pragma once

#include <string>

namespace app {
struct State;
}

namespace reader {

// The key (page:para) of the paragraph that a click with caret position
// caret (characters before the caret) belongs to: the reference in braces
// before the next paragraph's ">" (or before the blanks after the last
// paragraph), read up to its "}" however long it is. Empty when the click
// leads to no reference.
std::string clickedReference(const std::string& text, int caret);

// The index (1 to ParaCount) of the stored line of the page whose key is
// exactly key, or 0 when the page holds none.
long lineOfKey(const app::State& s, const std::string& key);

} // namespace reader
