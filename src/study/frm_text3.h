// The parallel verse window: a verse, its Greek or Hebrew words and its
// notes; word clicks show definitions, the buttons step through the verses.
#pragma once

#include "reader/book_page.h"
#include "ui/window.h"

namespace app {
class Program;
}

namespace study {

class FrmText3 : public ui::Window {
public:
    explicit FrmText3(app::Program& p);

    ui::Picture pnlLogo;
    ui::Button btnBack;
    ui::Button btnBkMrk;
    ui::Button btnFind;
    ui::Button btnClear;
    ui::Label lblSubject;
    ui::Button btnFirst;
    ui::Button btnPrev;
    ui::Button btnNext;
    ui::Button btnLast;
    ui::TextBox Text31;
    ui::TextBox Text32;
    ui::TextBox Text33;

    void onLoad() override;
    // The keys start in the original-language verse, whose words give their
    // definitions.
    void onShown() override;
    // Back to the verse-shown buttons: Find in place of Reset.
    void onActivate() override;

    // The page of the verse shown, with its book and mode.
    const reader::BookPage& page() const { return m_page; }
    // Takes the page the shared variables hold as the page of its verses
    // (the reading window hands over a clicked verse), with the Reset tip
    // of the book's language.
    void takePage();

private:
    // Runs a step, a bookmark, a word lookup or the opening of the search on
    // this window's page, which then holds what the step loaded.
    template <class Action>
    void onPage(Action action);
    // Back to the reading window with the page text.
    void back();
    // Bookmarks the verse whose key starts Text31.
    void setVerseBookmark();
    // Puts the verse and its notes back after definitions were shown.
    void reset();
    // Opens the search window on the Greek or Hebrew words of the verse.
    void openSearch();
    app::Program& m_p;
    reader::BookPage m_page;
};

} // namespace study
