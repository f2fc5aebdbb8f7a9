// Finding the paragraph behind a click in a page text, and its line among
// the page's stored lines.
#pragma once

#include <string>
#include <vector>

#include "app/state.h"

namespace reader {

// The key (page:para) of the paragraph of a page text of textLength
// characters that a click with caret position caret (characters before the
// caret) belongs to, from where the page's paragraphs begin: the paragraph
// before the first one that begins at or after the character just before the
// caret; when none begins there, the last paragraph, so long as six more
// characters (of the blanks after it) follow that character. A click just
// after the first paragraph's ">" belongs to none. What the paragraphs' texts
// hold (a ">", a run of blanks, a "{") plays no part.
std::string clickedParagraph(const std::vector<app::ShownParagraph>& paragraphs, size_t textLength,
                             int caret);

// The index (1 to ParaCount) of the stored line of the page whose key is
// exactly key, or 0 when the page holds none.
long lineOfKey(const app::State& s, const std::string& key);

} // namespace reader
