// The parallel verse window: a verse, its Greek or Hebrew words and its
// notes; word clicks show definitions, the buttons step through the verses.
#pragma once

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

private:
    // Back to the reading window with the page text.
    void back();
    // Bookmarks the verse whose key starts Text31.
    void setVerseBookmark();
    // Puts the verse and its notes back after definitions were shown.
    void reset();
    // Opens the search window on the Greek or Hebrew words of the verse.
    void openSearch();
    app::Program& m_p;
};

} // namespace study
