#include "reader/book_page.h"

#include <algorithm>

#include "app/state.h"

namespace reader {

namespace {
// Copies every page variable and the mode from one to the other, in either direction.
template <class From, class To>
void copyPage(const From& f, To& t) {
    t.BookFile = f.BookFile;
    t.BookTitle = f.BookTitle;
    t.IndexFile = f.IndexFile;
    t.IndexLine = f.IndexLine;
    t.IndexStamp = f.IndexStamp;
    t.FirstEntry = f.FirstEntry;
    t.LastEntry = f.LastEntry;
    t.PageText = f.PageText;
    t.PageParas = f.PageParas;
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
    t.BibleMode = f.BibleMode;
    t.LangStem = f.LangStem;
    t.BookKind = f.BookKind;
}
} // namespace

BookPage BookPage::of(const app::State& s) {
    BookPage page;
    page.takeFrom(s);
    return page;
}

void BookPage::takeFrom(const app::State& s) {
    copyPage(s, *this);
}

void BookPage::putInto(app::State& s) const {
    copyPage(*this, s);
}

void BookPage::takeListBooks(const app::State& s) {
    const int last = std::min(s.FindAllLast, static_cast<int>(s.FindAllFiles.size()) - 1);
    ListBooks.assign(s.FindAllFiles.begin(), s.FindAllFiles.begin() + std::max(last + 1, 0));
}

PageInUse::PageInUse(app::State& s, const BookPage& page)
    : m_s(s), m_bibleMode(s.BibleMode), m_langStem(s.LangStem), m_bookKind(s.BookKind) {
    page.putInto(s);
}

PageInUse::~PageInUse() {
    m_s.BibleMode = m_bibleMode;
    m_s.LangStem = m_langStem;
    m_s.BookKind = m_bookKind;
}

void PageInUse::useListMode() {
    m_s.BibleMode = m_bibleMode;
    m_s.LangStem = m_langStem;
    m_s.BookKind = m_bookKind;
}

} // namespace reader
