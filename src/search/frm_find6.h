// The search window: the search text, its options, the results pane and the
// context pane of a hit, from which the reader goes to the hit's page.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/window.h"

namespace app {
class Program;
}

namespace search {

struct PageState;

class FrmFind6 : public ui::Window {
public:
    explicit FrmFind6(app::Program& p);
    ~FrmFind6() override;

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
    // Gives the reading window back the page it shows (see openContext).
    void onDeactivate() override;
    // Escape goes back as btnBack does; Enter in the input box finds as Find does.
    void onKeyDown(int& code, int shift) override;

    // Opens the window on the reading window's page text, "Whole Word" off.
    void openFromReadingWindow();
    // Opens the window on the verse window's original-language text, which
    // text32 gives (now and for ReFind), "Whole Word" on; the search then
    // tests the part after "^".
    void openFromVerseWindow(std::function<std::string()> text32);

    // The click in TextF: restores the results view after a re-fit, picks a
    // word from the offered text, or opens the context of the hit clicked.
    void clickResults();
    // The click in TextF2: the hit's page in the reading window.
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
    bool offersOpeningText() const;
    std::string openingText() const;
    void restoreReaderPage();

    app::Program& m_p;
    std::function<std::string()> m_text32; // the verse window's Text32
    // The reading window's page state while a hit's context is shown: the
    // context loads the hit's page, which the reading window does not show.
    std::unique_ptr<PageState> m_readerPage;
};

} // namespace search
