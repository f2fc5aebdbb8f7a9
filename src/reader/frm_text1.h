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
    void onClick() override;
    void onActivate() override;
    void onDeactivate() override;
    // Page Up and Page Down act as the Prev and Next buttons, Ctrl+Home and
    // Ctrl+End as First and Last.
    void onKeyDown(int& code, int shift) override;

    // Records the current book's page in the page history.
    void DeactivateForm1();
    // Shows PageText followed by the filler.
    void showText();
    // The click in Text1: finds the reference of the paragraph clicked.
    void getText1();

    // What a paragraph click hands on: the key of a paragraph in other books
    // (bookmarks) and, in Bible books, the verse CurPara (the study window).
    std::function<void(const std::string&)> onParagraphKey;
    std::function<void()> onVerse;

private:
    void page(const std::string& command);
    // The New Page action: the chooser filled afresh and in front.
    void openPageChooser();
    app::Program& m_p;
};

} // namespace reader
