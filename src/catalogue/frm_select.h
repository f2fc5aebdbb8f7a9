// A topic grid: 39 cells in 13 rows of 3 under an Up One Level button that
// covers cell 0. frmSelectA and frmSelectP are two instances of it.
#pragma once

#include <array>
#include <memory>

#include "catalogue/list_keys.h"
#include "ui/window.h"

namespace app {
class Program;
}

namespace catalogue {

class FrmSelect : public ui::Window {
public:
    static constexpr int kCells = 39;
    FrmSelect(app::Program& p, const std::string& name);

    ui::Button btnBack;
    std::array<std::unique_ptr<ui::TextBox>, kCells> Cell;

    void onLoad() override;
    void onShown() override;
    void onActivate() override;

    // Keeps the topics the shared variables hold, just filled into the cells.
    void takeKeys();

    // Opens the topic of cell i through openItem (its target handed over in
    // FindAllFiles slot 0) and marks the cell grey, every other cell white;
    // a cell without a topic does nothing.
    void openCell(int i);

private:
    app::Program& m_p;
    ListKeys m_keys;
};

} // namespace catalogue
