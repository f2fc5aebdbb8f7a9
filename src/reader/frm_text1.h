// The reading window: one page of the current book with the paging buttons.
#pragma once

#include <functional>
#include <string>

#include "reader/book_page.h"
#include "ui/window.h"

namespace app {
class Program;
}

namespace reader {

class FrmText1 : public ui::Window {
public:
    explicit FrmText1(app::Program& p);

    ui::Picture pnlLogo;
    ui::TextBox Text1;
    ui::Button btnNewPage;
    ui::Button btnGetBkMrk;
    ui::Button btnFind;
    ui::Button btnFirst;
    ui::Button btnPrev;
    ui::Button btnNext;
    ui::Button btnLast;
    ui::Label lblSubject;

    void onLoad() override;
    // The keys start in the page: Enter or Space there is a click at the
    // caret.
    void onShown() override;
    void onClick() override;
    void onActivate() override;
    void onDeactivate() override;
    // Page Up and Page Down act as the Prev and Next buttons, Ctrl+Home and
    // Ctrl+End as First and Last, Ctrl+F as the search button.
    void onKeyDown(int& code, int shift) override;

    // Records the page this window shows in the page history, against its book.
    void DeactivateForm1();

    // The page this window shows, with its book and mode.
    const BookPage& page() const { return m_page; }
    // The shared variables hold this window's page for one action.
    PageInUse usePage();
    // Takes the page the shared variables hold (just loaded for this window)
    // as the page it shows: PageText followed by the filler in Text1, the
    // subject line saying what a click on the page does.
    void showText();
    // Takes the page another window shows (the verse window's Back): its
    // text without the filler. The list the book came from stays.
    void takePage(const BookPage& page);
    // The book just opened from the current list: Find All from this window
    // searches that list's books until a book is opened from another list.
    void cameFromList();
    // Shows the page just loaded: the text, the window in front of the text
    // windows, the paging buttons light grey.
    void presentPage();
    // The click in Text1, on this window's page: a paragraph of another
    // book is bookmarked, a verse of a Bible book opens the study window
    // (onVerse) with the shared variables holding the page.
    void getText1();

    // A click on a verse of a Bible book hands the verse CurPara on to the
    // study window, which the program connects here.
    std::function<void()> onVerse;
    // What the search button (and Ctrl+F) opens: the search window.
    std::function<void()> onFind;
    // The original language of a Bible book file ("Heb", "Grk", "" when not
    // known), which the catalogue knows.
    std::function<std::string(const std::string&)> bookLanguage;

private:
    void page(const std::string& command);
    // The New Page action: the chooser filled afresh and in front.
    void openPageChooser();
    // The subject line for the page's mode.
    void showMode();
    app::Program& m_p;
    BookPage m_page;
};

} // namespace reader
