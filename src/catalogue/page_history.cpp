#include "catalogue/page_history.h"

#include "app/frm_arrays.h"
#include "app/program.h"
#include "formats/history_file.h"
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

bool replaceHistoryFile(app::Program& p, const std::string& content, std::string* why) {
    return p.replaceReaderFile(kHistoryFile, p.s.HistoryUnread, content, why);
}

// Empties the history file; a file that cannot be emptied would bring the
// old history back at the next start, so the reader is told.
void wipeHistoryFile(app::Program& p) {
    std::string why;
    if (!replaceHistoryFile(p, "", &why))
        reportUnwritten(p, "deleted", why);
}

} // namespace

void readHistory(app::Program& p) {
    auto& list = p.frmArrays().lstSavePages;
    const platform::FolderFile file = p.readerFile(kHistoryFile);
    file.removeStaleTemps(); // left by a save that was cut short
    // One byte more than the largest file: a file beyond it reads as too large.
    platform::FileContent read = file.readWhole(formats::kMaxHistoryFileSize + 1);
    if (read.status == platform::FileContent::Status::Read &&
        read.content.size() > formats::kMaxHistoryFileSize) {
        read.status = platform::FileContent::Status::Failed;
        read.error = "it is larger than " +
                     std::to_string(formats::kMaxHistoryFileSize / (1024 * 1024)) + " MB";
    }
    switch (read.status) {
    case platform::FileContent::Status::Missing:
        // Only a file that is not there is made anew.
        p.message("Missing or corrupted !Tessary.ini File Found in sub Main2, recreating file");
        (void)file.writeAtomic(
            ""); // not told: the message above said so, and the next save tries again
        list.clear();
        return;
    case platform::FileContent::Status::Failed:
        // A file that is there but cannot be read may hold the reader's
        // history all the same: it is told and left alone.
        p.s.HistoryUnread = read.error;
        p.message("The page history could not be read from " + file.path() + ": " + read.error +
                      ". It is left as it is; the pages read until Tessary ends are not saved "
                      "in it.",
                  ui::Buttons::OK, ui::Icon::Exclamation);
        return;
    case platform::FileContent::Status::Read:
        // Every item, also after an empty line or between CR-only line ends.
        list.addItems(formats::readHistoryFile(read.content));
        return;
    }
}

bool writeHistory(app::Program& p, std::string* why) {
    return replaceHistoryFile(p, formats::historyFileText(p.frmArrays().lstSavePages.items()), why);
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
        std::string why;
        if (!writeHistory(p, &why))
            reportUnwritten(p, "saved", why);
    }
    p.end();
    return true;
}

} // namespace catalogue
