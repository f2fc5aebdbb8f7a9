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

// Tells the reader that the history file could not be written, where and why.
void reportUnwritten(app::Program& p, const char* what, const std::string& why) {
    p.message(std::string("The page history could not be ") + what + " in " +
                  p.readerFile(kHistoryFile).path() + ": " + why +
                  ". The next start shows the history last saved.",
              ui::Buttons::OK, ui::Icon::Exclamation);
}

// Empties the history file; a file that cannot be emptied would bring the
// old history back at the next start, so the reader is told.
void wipeHistoryFile(app::Program& p) {
    std::string why;
    if (!p.readerFile(kHistoryFile).writeAtomic("", &why))
        reportUnwritten(p, "deleted", why);
}

} // namespace

void readHistory(app::Program& p) {
    auto& list = p.frmArrays().lstSavePages;
    const platform::FolderFile file = p.readerFile(kHistoryFile);
    file.removeStaleTemps(); // left by a save that was cut short
    auto lines = file.readLines();
    if (!lines) {
        p.message("Missing or corrupted !Tessary.ini File Found in sub Main2, recreating file");
        file.writeAtomic("");
        list.clear();
        return;
    }
    for (const std::string& line : *lines) {
        if (line.empty())
            break;
        list.addItem(line);
    }
}

bool writeHistory(app::Program& p, std::string* why) {
    std::string content;
    for (const std::string& item : p.frmArrays().lstSavePages.items())
        content += item + "\r\n";
    return p.readerFile(kHistoryFile).writeAtomic(content, why);
}

void quitWithSaving(app::Program& p) {
    recordCurrentPage(p);
    std::string why;
    if (!writeHistory(p, &why))
        reportUnwritten(p, "saved", why);
    p.end();
}

void quitDeletingHistory(app::Program& p) {
    wipeHistoryFile(p);
    p.end();
}

void deleteHistory(app::Program& p) {
    p.frmArrays().lstSavePages.clear();
    p.s.NoHistory = true;
    wipeHistoryFile(p);
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
