// A copy of the shared variables that a page load sets, so that a page
// loaded for a look can be taken back.
#pragma once

#include <array>
#include <string>

namespace app {
struct State;
}

namespace search {

struct PageState {
    std::string BookFile, BookTitle, IndexFile, IndexLine, FirstEntry, LastEntry, PageText;
    bool TitleKnown = false, PageGiven = false, KeyFound = false;
    long IndexLen = 0, FirstPage = 0, LastPage = 0, CurPage = 0, ShownPage = 0, NavPage = 0;
    long ParaCount = 0, CurPara = 0;
    std::array<std::string, 2001> ParaList, VerseList;

    // The page variables of s as they stand.
    static PageState of(const app::State& s);
    // Puts the copied variables back into s.
    void restore(app::State& s) const;
};

} // namespace search
