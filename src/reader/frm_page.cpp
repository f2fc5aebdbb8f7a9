#include "reader/frm_page.h"

#include <string>
#include <vector>

#include "app/program.h"
#include "formats/index_line.h"
#include "reader/frm_text1.h"
#include "reader/page_loader.h"
#include "shell/control_help.h"
#include "ui/value.h"

namespace reader {

FrmPage::FrmPage(app::Program& p)
    : ui::Window(p.screen(), "frmPage",
                 "Click Chapter or Verse" + std::string(31, ' ') + "Tessary"),
      btnBack(*this, "btnBack", "Exit"), m_p(p) {
    for (int i = 0; i < kLists; ++i) {
        std::string name = i == 0            ? "LstPg0"
                           : i == kLists - 1 ? "lstPgLast"
                                             : "lstPg" + std::to_string(25 * i);
        auto list = std::make_unique<ui::ListBox>(*this, name);
        if (i < kLists - 1)
            ui::place(*list, 405 * i, 0, 345, 4905);
        else
            ui::place(*list, 4050, 360, 615, 4515);
        ui::ListBox* raw = list.get();
        // Only the list of pages 126 to 150 brings the reading window to the front.
        const bool toFront = i == 5;
        list->onClick = [this, raw, toFront] { choose(*raw, toFront); };
        lists[static_cast<size_t>(i)] = std::move(list);
    }
    ui::place(btnBack, 4050, 0, 600, 315);
    btnBack.setToolTipText("Process Book(s) Selected");
    shell::attachControlHelp(p, btnBack, "Exits to Back to the Text Screen",
                             [this] { exitToText(); });
    onEscape = [this] { exitToText(); };
}

void FrmPage::exitToText() {
    m_p.frmText1().show();
    for (const char* name : {"frmtext0", "frmtext2"})
        if (ui::Window* w = m_p.window(name); w && w->loaded())
            w->hide();
    m_p.frmText1().bringToFront();
    hide();
}

void FrmPage::onShown() {
    // The keys start in the first chapters.
    lists[0]->setFocus();
}

void FrmPage::getNewPara() {
    const app::State& s = m_p.s;
    m_book.takeFrom(s);
    for (int i = 0; i < kLists; ++i) {
        ui::ListBox& list = *lists[static_cast<size_t>(i)];
        list.clear();
        list.setEnabled(i == 0 || s.LastPage > 25L * i);
    }
    const std::string& index = s.IndexLine;
    // The labels of each list, added to it at once.
    std::array<std::vector<std::string>, kLists> labels;
    int count = 0;
    std::string previous;
    // Each entry's page label; the walk goes on from the label's ":".
    for (auto at = formats::firstEntry(index); at; at = formats::entryAfter(index, *at)) {
        const auto found = formats::pageLabelAt(index, *at);
        if (!found)
            break;
        at = found->colon;
        if (found->label == previous)
            continue;
        previous = found->label;
        labels[static_cast<size_t>(std::min(count / 25, kLists - 1))].push_back(previous);
        if (++count >= s.LastPage)
            break;
    }
    for (int i = 0; i < kLists; ++i)
        lists[static_cast<size_t>(i)]->addItems(std::move(labels[static_cast<size_t>(i)]));
    show();
    if (count >= s.LastPage)
        setCaption(s.BibleMode ? "Select Chapter" : "Select Page");
}

void FrmPage::choose(ui::ListBox& list, bool toFront) {
    const std::string page = list.list(list.listIndex());
    if (page.empty())
        return;
    reader::FrmText1& reading = m_p.frmText1();
    {
        // Paging flags such as NavPage stay the reading window's while it
        // shows the chooser's book.
        const bool sameBook = reading.page().BookFile == m_book.BookFile;
        const PageInUse use(m_p.s, sameBook ? reading.page() : m_book);
        if (!showPage(m_p, "", page))
            return;
        reading.showText();
    }
    reading.show();
    for (const char* name : {"frmtext0", "frmtext2"})
        if (ui::Window* w = m_p.window(name); w && w->loaded())
            w->hide();
    reading.btnPrev.setBackColor(ui::kLightGrey);
    reading.btnNext.setBackColor(ui::kLightGrey);
    if (toFront)
        reading.bringToFront();
    hide();
}

void FrmPage::onLoad() {
    setGeometry(0, 0, 4785, 5300);
}

} // namespace reader
