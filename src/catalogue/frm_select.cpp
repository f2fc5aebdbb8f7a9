#include "catalogue/frm_select.h"

#include "app/program.h"
#include "catalogue/frm_list0.h"
#include "catalogue/open_item.h"
#include "shell/control_help.h"
#include "ui/value.h"

namespace catalogue {

FrmSelect::FrmSelect(app::Program& p, const std::string& name)
    : ui::Window(p.screen(), name, "Topics"), btnBack(*this, "btnBack", {}, "up"), m_p(p) {
    ui::place(btnBack, 0, 120, 1575, 372);
    btnBack.setToolTipText("Up One  Level");
    for (int i = 0; i < kCells; ++i) {
        auto cell = std::make_unique<ui::TextBox>(*this, "Cell(" + std::to_string(i) + ")", false);
        ui::place(*cell, 1560 * (i % 3), 120 + 360 * (i / 3), 1575, 372);
        cell->setText(std::to_string(i));
        // A cell is clicked, never typed into.
        cell->setLocked(true);
        cell->onClick = [this, i] { openCell(i); };
        Cell[static_cast<size_t>(i)] = std::move(cell);
    }
    btnBack.bringToFront();
    shell::attachControlHelp(p, btnBack, "Exits to the Main Directory", [this] {
        m_p.frmList0().show();
        m_p.frmList0().bringToFront();
        hide();
    });
}

void FrmSelect::onLoad() {
    setGeometry(2, 0, 4785, 5300);
    btnBack.bringToFront();
}

void FrmSelect::onShown() {
    // The filling has just set FindAllLast to the number of topics: the
    // cells beyond them (or left from a longer list) show nothing and take
    // no clicks.
    const int topics = m_p.s.FindAllLast;
    for (int i = 1; i < kCells; ++i) {
        ui::TextBox& cell = *Cell[static_cast<size_t>(i)];
        const bool used = i <= topics;
        if (!used)
            cell.setText({});
        cell.setEnabled(used);
    }
}

void FrmSelect::onActivate() {
    // Every show activates the window: the button stays over cell 0.
    btnBack.bringToFront();
}

void FrmSelect::takeKeys() {
    m_keys.takeFrom(m_p.s);
}

void FrmSelect::openCell(int i) {
    app::State& s = m_p.s;
    // The cell's target is this grid's, whatever list or grid was filled since.
    m_keys.putInto(s);
    // Cells past the grid's topics hold no target of this grid.
    if (i < 1 || i > s.FindAllLast || i >= static_cast<int>(s.FindAllFiles.size()))
        return;
    const std::string target = s.FindAllFiles[static_cast<size_t>(i)];
    s.BibleMode = false;
    s.FindAllFiles[0] = target;
    s.SelectForm = name();
    openItem(m_p, target, 0);
    for (int c = 1; c < kCells; ++c)
        Cell[static_cast<size_t>(c)]->setBackColor(c == i ? ui::kLightGrey : ui::kWhite);
}

} // namespace catalogue
