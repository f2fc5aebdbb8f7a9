// Bookmarks: items "title part" + separator + key in frmBkMrk's list, set
// from a paragraph or verse and followed back to their page. The list is
// kept in the bookmark file between runs (bookmark_store.h).
#pragma once

#include <string>

#include "formats/bookmark_file.h"

namespace app {
class Program;
struct State;
} // namespace app

namespace reader {

// The item syntax is the bookmark file's (formats/bookmark_file.h).
using formats::bookmarkItem;
using formats::BookmarkPlace;
using formats::bookmarkTitlePart;
using formats::parseBookmark;

// The book file of a title: the first entry of the abbreviation table, up to
// the one before the last filled slot, that contains it (case-sensitive),
// as its stem in upper case followed by ".TXV"; "" (the current book) when
// no entry examined contains it.
std::string bookFileOfTitle(const app::State& s, const std::string& title);

// Adds the bookmark of key in the current book (BookTitle, BibleMode) at the
// end of lstBkMrk, loading frmBkMrk without showing it, and saves the list;
// an item the list already holds is not added again and "Book Mark already
// exists" is shown. Neither is an item that the bookmark file cannot hold
// (a control character, too long, no ":" after a separator: "Book Mark
// cannot be set here"), nor one more than the list may hold ("Book Mark
// list is full (4096 book marks)").
void setBookmark(app::Program& p, const std::string& key);

// Opens the page of a bookmark item in the reading window with its
// paragraph selected and CurPara at its line, the book read in the
// bookmark's mode and, for a verse, in its book's language; nothing happens
// when the item cannot be read or its page or key cannot be loaded. A title
// that names no book means the reading window's book. index is not used.
void gotoBookmark(app::Program& p, const std::string& item, int index);

} // namespace reader
