// The reading window: one page of the current book with the paging buttons.
#pragma once

#include <functional>
#include <string>

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

    // Records the current book's page in the page history.
    void DeactivateForm1();
    // Shows PageText followed by the filler.
    void showText();
    // Shows the page just loaded: the text, the window in front of the text
    // windows, the paging buttons light grey.
    void presentPage();
    // The click in Text1: a paragraph of another book is bookmarked, a
    // verse of a Bible book opens the study window (onVerse).
    void getText1();

    // A click on a verse of a Bible book hands the verse CurPara on to the
    // study window, which the program connects here.
    std::function<void()> onVerse;
    // What the search button (and Ctrl+F) opens: the search window.
    std::function<void()> onFind;

private:
    void page(const std::string& command);
    // The New Page action: the chooser filled afresh and in front.
    void openPageChooser();
    app::Program& m_p;
};

} // namespace reader
