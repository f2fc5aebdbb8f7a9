// The verse of the parallel window: its heading line, its Greek or Hebrew
// words and its notes, and the moves from verse to verse across the pages
// of the book.
#pragma once

#include <string>

namespace app {
class Program;
}

namespace study {

// The notes of a verse's key list, each shown from its ">" and followed by
// CR LF, read from the notes file of bookFile: one open, one index line and
// one seek per note; keys past the fiftieth and keys without a note add
// nothing, and a missing or unreadable file gives "".
std::string readVerseNotes(app::Program& p, const std::string& bookFile, const std::string& keys);

// Shows verse CurPara of the current page in frmText3: Text31 its ParaList
// line, Text32 its words (SavedText32), Text33 its notes (SavedText33);
// clears DefShown. A CurPara outside the lists shows empty boxes.
void showVerse(app::Program& p);

// The click on a verse in the reading window: the window takes the page the
// shared variables hold as its own and shows verse CurPara with its notes
// and the filler in Text33, in front, with Find in place of Reset and the
// paging buttons grey.
void openVerse(app::Program& p);

// Moves to the "first" verse of the page, the "prev" or "next" verse (into
// the neighbouring page at a page's ends) or the "last" verse of the book,
// then shows the verse; anything else shows the verse again. Prev on the
// book's first verse stays there ("Beginning of Book"); Next on its last
// verse loads the last page again from its last entry and shows that line.
void moveVerse(app::Program& p, const std::string& how);

} // namespace study
