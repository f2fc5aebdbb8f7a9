// The page loader: turns a book file and a page request into the text of one
// page, through the book's index line of byte offsets (one seek per page).
#pragma once

#include <string>

namespace app {
class Program;
}

namespace reader {

// Loads a page of file ("" = the current book, BookFile). page is "" (the
// first page), "First", "Last", "Next", "Prev", a page number P or a key P:Q.
// Leaves the page in PageText, ParaList, VerseList and ParaCount. Returns
// false, with a message and every shared variable unchanged, when the page is
// not in the index ("Page Not Found"), when Prev has no lower page ("Beginning
// of Book") or when the book cannot be read.
//
// With ifMissing FirstPage, a page number or key that is not in the index
// loads the first page instead, without a message: a saved page that an
// edited, shorter book no longer has must not keep the book from opening.
enum class IfMissing { Report, FirstPage };
bool showPage(app::Program& p, const std::string& file, const std::string& page,
              IfMissing ifMissing = IfMissing::Report);

// Sets BookTitle and TitleKnown from BookFile's stem and the abbreviation table.
void getBookTitle(app::Program& p);

} // namespace reader
