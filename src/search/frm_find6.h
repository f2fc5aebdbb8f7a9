// The search window: the search text, its options, the results pane and the
// context pane of a hit, from which the reader goes to the hit's page.
#pragma once

#include <functional>
#include <string>

#include "reader/book_page.h"
#include "ui/window.h"

namespace app {
class Program;
}

namespace search {

class FrmFind6 : public ui::Window {
public:
    explicit FrmFind6(app::Program& p);

    ui::Picture pnlLogo;
    ui::CheckBox btnRadioWhole;
    ui::CheckBox btnRadioCase;
    ui::Button btnReFind;
    ui::Button btnBack;
    ui::TextBox txtInput;
    ui::Button btnSearch;
    ui::Button btnSrchAll;
    ui::TextBox TextF2;
    ui::TextBox TextF;

    void onLoad() override;
    // Clears SearchHit and gives the input box the focus, which empties it.
    void onActivate() override;
    // Escape goes back as btnBack does; Enter in the input box finds as Find does.
    void onKeyDown(int& code, int shift) override;

    // Opens the window on the reading window's page text, "Whole Word" off.
    // Find searches the book of that window's page.
    void openFromReadingWindow();
    // Opens the window on the verse window's original-language text, which
    // text32 gives (now and for ReFind), "Whole Word" on; the search then
    // tests the part after "^" of the book of the verse window's page.
    void openFromVerseWindow(std::function<std::string()> text32, const reader::BookPage& page);

    // The click in TextF: restores the results view after a re-fit, picks a
    // word from the offered text, or opens the context of the hit clicked.
    void clickResults();
    // The click in TextF2: the page of the hit looked at, in the reading window.
    void goToLocation();

    // The results pane in view, the context pane below the visible area;
    // the keys go with the pane when they were in the other one.
    void resultsView();

private:
    void contextView();
    void search(bool allBooks);
    void back();
    void reFind();
    void openContext();
    // Opens the window on the text of the window that opens it.
    void open(std::function<std::string()> text, const reader::BookPage& page, bool fromVerse);
    void offer(const std::string& text);

    app::Program& m_p;
    std::function<std::string()> m_openerText; // Text1 or Text32 of the window that opened it
    const reader::BookPage* m_openerPage = nullptr;
    std::string m_offered; // the opening window's text, offered for picking a word
    // The book, mode and kind of the last search that found hits: the hits
    // shown are looked at in them, whatever the opening window, the lists or
    // a later search without hits changed since.
    reader::BookPage m_searched;
    bool m_searchedAll = false;
    std::string m_searchedText; // and its text and case, which a hit selects
    bool m_searchedCase = false;
    // The page of the hit whose context is shown, to be opened in the reading window.
    reader::BookPage m_look;
};

} // namespace search
