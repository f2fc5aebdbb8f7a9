#include "reader/bookmark_store.h"

#include "app/program.h"
#include "formats/bookmark_file.h"
#include "reader/frm_bkmrk.h"

namespace reader {

void readBookmarks(app::Program& p) {
    const platform::FolderFile file = p.readerFile(formats::kBookmarkFile);
    file.removeStaleTemps(); // left by a save that was cut short
    // One byte more than the largest file: a file beyond it reads as too large.
    const platform::FileContent read = file.readWhole(formats::kMaxBookmarkFileSize + 1);
    std::string fault;
    switch (read.status) {
    case platform::FileContent::Status::Missing:
        return;
    case platform::FileContent::Status::Failed:
        // There, but not readable: it may hold the reader's book marks all
        // the same, so nothing is saved over it in this run.
        p.s.BookmarksUnread = read.error;
        p.message(std::string("The book marks could not be read from ") + formats::kBookmarkFile +
                      ": " + read.error +
                      ". The list starts empty; the file is left as it is, and book marks set "
                      "until Tessary ends are not saved in it.",
                  ui::Buttons::OK, ui::Icon::Exclamation);
        return;
    case platform::FileContent::Status::Read: {
        const formats::BookmarkFile marks = formats::readBookmarkFile(read.content);
        if (!marks.damaged()) {
            if (!marks.items.empty()) {
                ui::ListBox& list = p.frmBkMrk().lstBkMrk;
                for (const std::string& item : marks.items)
                    list.addItem(item);
            }
            return;
        }
        fault = marks.fault;
        break;
    }
    }
    p.message(std::string("The book marks could not be read from ") + formats::kBookmarkFile +
                  ": " + fault +
                  ". The list starts empty; the file is left as it is until you set or clear "
                  "book marks.",
              ui::Buttons::OK, ui::Icon::Exclamation);
}

bool saveBookmarks(app::Program& p) {
    const std::string text = formats::bookmarkFileText(p.frmBkMrk().lstBkMrk.items());
    std::string why;
    if (p.replaceReaderFile(formats::kBookmarkFile, p.s.BookmarksUnread, text, &why))
        return true;
    // The whole path: the reader's files may live far from the library.
    p.message("The book marks could not be saved in " +
                  p.readerFile(formats::kBookmarkFile).path() + ": " + why +
                  ". They are kept until Tessary ends; the next start shows the book marks last "
                  "saved.",
              ui::Buttons::OK, ui::Icon::Exclamation);
    return false;
}

} // namespace reader
