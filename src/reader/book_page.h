// The page a window shows: its book, the mode it is read in and the page
// loader's variables for it. The loader and the procedures around it work on
// the shared variables; a window that shows a page keeps its own copy, puts
// it into the shared variables before it acts on it (PageInUse) and takes
// the page it then shows from them. So no window trusts what another window
// moved since: the reading window pages its own book while gathered passages,
// a search's look at a hit or the verse window load other pages.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/state.h"

namespace reader {

struct BookPage {
    std::string BookFile, BookTitle, IndexFile, IndexLine, FirstEntry, LastEntry, PageText;
    bool TitleKnown = false, PageGiven = false, KeyFound = false;
    platform::FileStamp IndexStamp;
    long IndexLen = 0, FirstPage = 0, LastPage = 0, CurPage = 0, ShownPage = 0, NavPage = 0;
    long ParaCount = 0, CurPara = 0;
    std::array<std::string, 2001> ParaList, VerseList;
    std::vector<app::ShownParagraph> PageParas;
    // The Find All list of the list the book was opened from (its entries 0
    // to FindAllLast), which Find All from this page searches; empty when
    // the book came from no list. A window's own: takeFrom and putInto leave it.
    std::vector<std::string> ListBooks;
    // The mode of the book: a Bible book (verses split at "^"), its original
    // language and the kind of the list it was opened from.
    bool BibleMode = false;
    std::string LangStem, BookKind;

    // The page the shared variables hold, with the mode they name.
    static BookPage of(const app::State& s);
    // Takes the page and mode the shared variables hold.
    void takeFrom(const app::State& s);
    // Puts the page and its mode into the shared variables.
    void putInto(app::State& s) const;
    // Takes the current list's Find All entries as the list the book came from.
    void takeListBooks(const app::State& s);
};

// For the length of one action: the page and its mode in the shared
// variables; at the end the mode of the current catalogue list (BibleMode,
// LangStem, BookKind), which the lists and Find All read, is put back. The
// page variables keep what the action left in them.
class PageInUse {
public:
    PageInUse(app::State& s, const BookPage& page);
    ~PageInUse();
    PageInUse(const PageInUse&) = delete;
    PageInUse& operator=(const PageInUse&) = delete;

    // The current list's mode, for an action on the list's books (Find All).
    void useListMode();

private:
    app::State& m_s;
    bool m_bibleMode;
    std::string m_langStem, m_bookKind;
};

} // namespace reader
