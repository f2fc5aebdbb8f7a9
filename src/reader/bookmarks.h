// Bookmarks: items "title part" + separator + key in frmBkMrk's list, set
// from a paragraph or verse and followed back to their page. They live only
// as long as the program runs.
#pragma once

#include <optional>
#include <string>

namespace app {
class Program;
struct State;
} // namespace app

namespace reader {

// The title part of a book title: the text before its first ","; without
// ",", before its first " by"; without either, the whole title.
std::string bookmarkTitlePart(const std::string& title);

// The list item of a bookmark: title part, "--" in a Bible book or "-"
// otherwise, and the key, joined without blanks.
std::string bookmarkItem(const std::string& title, bool bible, const std::string& key);

// A list item read back: the separator is the last "--" before the item's
// first ":", else the last "-" before it; the title is trimmed of blanks.
// Nothing when the item has no ":" or no "-" before it.
struct BookmarkPlace {
    bool bible = false;
    std::string title;
    std::string key;
};
std::optional<BookmarkPlace> parseBookmark(const std::string& item);

// The book file of a title: the first entry of the abbreviation table, up to
// the one before the last filled slot, that contains it (case-sensitive),
// as its stem in upper case followed by ".TXV"; "" (the current book) when
// no entry examined contains it.
std::string bookFileOfTitle(const app::State& s, const std::string& title);

// Adds the bookmark of key in the current book (BookTitle, BibleMode) at the
// end of lstBkMrk, loading frmBkMrk without showing it; an item the list
// already holds is not added again and "Book Mark already exists" is shown.
void setBookmark(app::Program& p, const std::string& key);

// Opens the page of a bookmark item in the reading window with its
// paragraph selected and CurPara at its line, the book read in the
// bookmark's mode and, for a verse, in its book's language; nothing happens
// when the item cannot be read or its page or key cannot be loaded. A title
// that names no book means the reading window's book. index is not used.
void gotoBookmark(app::Program& p, const std::string& item, int index);

} // namespace reader
