// Finding the paragraph reference " {stem page:para}" behind a click in a page text.
#pragma once

#include <string>

namespace reader {

// The key (page:para) of the paragraph that a click with caret position
// caret (characters before the caret) belongs to: the reference in braces
// before the next paragraph's ">" (or before the blanks after the last
// paragraph). Empty when the click leads to no reference.
std::string clickedReference(const std::string& text, int caret);

} // namespace reader
