#include "search/page_state.h"

#include "app/state.h"

namespace search {

namespace {
// Copies every page variable from one to the other, in either direction.
template <class From, class To>
void copyPage(const From& f, To& t) {
    t.BookFile = f.BookFile;
    t.BookTitle = f.BookTitle;
    t.IndexFile = f.IndexFile;
    t.IndexLine = f.IndexLine;
    t.FirstEntry = f.FirstEntry;
    t.LastEntry = f.LastEntry;
    t.PageText = f.PageText;
    t.TitleKnown = f.TitleKnown;
    t.PageGiven = f.PageGiven;
    t.KeyFound = f.KeyFound;
    t.IndexLen = f.IndexLen;
    t.FirstPage = f.FirstPage;
    t.LastPage = f.LastPage;
    t.CurPage = f.CurPage;
    t.ShownPage = f.ShownPage;
    t.NavPage = f.NavPage;
    t.ParaCount = f.ParaCount;
    t.CurPara = f.CurPara;
    t.ParaList = f.ParaList;
    t.VerseList = f.VerseList;
}
} // namespace

PageState PageState::of(const app::State& s) {
    PageState copy;
    copyPage(s, copy);
    return copy;
}

void PageState::restore(app::State& s) const {
    copyPage(*this, s);
}

} // namespace search
