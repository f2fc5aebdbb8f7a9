#include "reader/bookmarks.h"

#include <algorithm>

#include "app/program.h"
#include "formats/file_names.h"
#include "formats/trim.h"
#include "reader/bookmark_store.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_text1.h"
#include "reader/page_loader.h"
#include "reader/reference.h"
#include "ui/value.h"

namespace reader {

std::string bookFileOfTitle(const app::State& s, const std::string& title) {
    for (int i = 0; i <= s.AbbrevLast - 1; ++i) {
        const std::string& entry = s.Abbrev[static_cast<size_t>(i)];
        if (entry.find(title) == std::string::npos)
            continue;
        const std::string stem = entry.substr(0, entry.find('='));
        return formats::bookFileOfStem(formats::trimBlanks(stem));
    }
    return {};
}

void setBookmark(app::Program& p, const std::string& key) {
    const std::string item = bookmarkItem(p.s.BookTitle, p.s.BibleMode, key);
    ui::ListBox& list = p.frmBkMrk().lstBkMrk;
    for (const std::string& held : list.items())
        if (held == item) {
            p.message("Book Mark already exists");
            return;
        }
    // Only what the bookmark file can hold and give back goes into the list.
    if (formats::bookmarkFault(item) != formats::BookmarkFault::None) {
        p.message("Book Mark cannot be set here");
        return;
    }
    if (list.items().size() >= formats::kMaxBookmarks) {
        p.message("Book Mark list is full (" + std::to_string(formats::kMaxBookmarks) +
                  " book marks)");
        return;
    }
    list.addItem(item);
    saveBookmarks(p);
}

namespace {

// Selects the paragraph of key in the page text shown: its text from just
// after its ">" through the "}" of its reference.
void selectParagraph(ui::TextBox& box, const std::string& stem, const std::string& key) {
    const std::string& text = box.text();
    const size_t ref = text.find(" {" + stem + " " + key + "}");
    if (ref == std::string::npos)
        return;
    const size_t gt = text.rfind('>', ref);
    const size_t from = gt == std::string::npos ? 0 : gt + 1;
    const size_t end = ref + stem.size() + key.size() + 4;
    box.setSelStart(static_cast<int>(from));
    box.setSelLength(static_cast<int>(end - from));
}

} // namespace

void gotoBookmark(app::Program& p, const std::string& item, int index) {
    (void)index;
    const auto place = parseBookmark(item);
    if (!place)
        return;
    app::State& s = p.s;
    FrmText1& reading = p.frmText1();
    // The page opens in the reading window: a title that names no book
    // means the book that window shows.
    const PageInUse use = reading.usePage();
    const bool wasFound = s.KeyFound;
    s.BibleMode = place->bible; // the loader reads it to split the book's lines
    const std::string file = bookFileOfTitle(s, place->title);
    // Only this load may tell whether the key was met.
    s.KeyFound = false;
    if (!showPage(p, file, place->key)) {
        s.KeyFound = wasFound;
        return;
    }
    if (!s.KeyFound)
        return;
    // The language of the bookmark's book, not of the list last chosen.
    if (!place->bible)
        s.LangStem.clear();
    else if (const std::string language =
                 reading.bookLanguage ? reading.bookLanguage(s.BookFile) : std::string();
             !language.empty())
        s.LangStem = language;
    s.DefShown = false;
    for (ui::Button* b : {&reading.btnFind, &reading.btnFirst, &reading.btnLast, &reading.btnNext,
                          &reading.btnPrev, &reading.btnNewPage})
        b->setEnabled(true);
    // CurPara names the bookmark's line on the page.
    s.CurPara = std::max(lineOfKey(s, place->key), 1L);
    s.MarkPending = true;
    reading.showText();
    selectParagraph(reading.Text1, formats::bookStem(s.BookFile), place->key);
    reading.show();
    reading.btnPrev.setBackColor(ui::kLightGrey);
    reading.btnNext.setBackColor(ui::kLightGrey);
    reading.Text1.refresh();
    reading.bringToFront();
}

} // namespace reader
