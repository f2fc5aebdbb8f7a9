#include "catalogue/page_history.h"

#include "app/frm_arrays.h"
#include "app/program.h"
#include "reader/frm_text1.h"

namespace catalogue {

namespace {

// Records the page of the book being read before the history is written.
void recordCurrentPage(app::Program& p) {
    p.frmText1().DeactivateForm1();
}

} // namespace

void readHistory(app::Program& p) {
    auto& list = p.frmArrays().lstSavePages;
    const platform::FolderFile file = p.readerFile(kHistoryFile);
    file.removeStaleTemps(); // left by a save that was cut short
    auto lines = file.readLines();
    if (!lines) {
        p.message("Missing or corrupted !Tessary.ini File Found in sub Main2, recreating file");
        (void)file.writeAtomic(""); // not told: the next save tries again
        list.clear();
        return;
    }
    for (const std::string& line : *lines) {
        if (line.empty())
            break;
        list.addItem(line);
    }
}

bool writeHistory(app::Program& p) {
    std::string content;
    for (const std::string& item : p.frmArrays().lstSavePages.items())
        content += item + "\r\n";
    return p.readerFile(kHistoryFile).writeAtomic(content);
}

void quitWithSaving(app::Program& p) {
    recordCurrentPage(p);
    (void)writeHistory(p); // not told: the program ends
    p.end();
}

void quitDeletingHistory(app::Program& p) {
    (void)p.readerFile(kHistoryFile).writeAtomic(""); // not told: the program ends
    p.end();
}

void deleteHistory(app::Program& p) {
    p.frmArrays().lstSavePages.clear();
    p.s.NoHistory = true;
    (void)p.readerFile(kHistoryFile).writeAtomic(""); // not told: the list is empty all the same
}

bool closingMainWindow(app::Program& p) {
    ui::Answer a = p.message("Do you wish to Save Page History (the last pages visited) ?",
                             ui::Buttons::YesNoCancel, ui::Icon::Question);
    if (a == ui::Answer::Cancel)
        return false;
    if (a == ui::Answer::Yes) {
        recordCurrentPage(p);
        if (!writeHistory(p))
            p.message("Could not open !Tessary.ini in frmMain QueryUnload");
    }
    p.end();
    return true;
}

} // namespace catalogue
