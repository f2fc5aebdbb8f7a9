// The page and chapter chooser: the book's pages, twenty-five to a list.
#pragma once

#include <array>
#include <memory>

#include "reader/book_page.h"
#include "ui/window.h"

namespace app {
class Program;
}

namespace reader {

class FrmPage : public ui::Window {
public:
    explicit FrmPage(app::Program& p);

    static constexpr int kLists = 11;
    // LstPg0, lstPg25 … lstPg225, lstPgLast in that order.
    std::array<std::unique_ptr<ui::ListBox>, kLists> lists;
    ui::Button btnBack;

    void onLoad() override;
    void onShown() override;

    // Fills the lists from the held index line and shows the window. The
    // chooser keeps the book it was filled for: a page chosen is a page of
    // that book, whatever book the reading window turned to since.
    void getNewPara();

private:
    void choose(ui::ListBox& list, bool toFront);
    // Back to the reading window (Exit, or Escape).
    void exitToText();
    app::Program& m_p;
    BookPage m_book;
};

} // namespace reader
