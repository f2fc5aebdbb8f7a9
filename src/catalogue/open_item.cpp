#include "catalogue/open_item.h"

#include "app/frm_arrays.h"
#include "app/program.h"
#include "catalogue/passages.h"
#include "formats/book_file.h"
#include "formats/file_names.h"
#include "formats/letter_case.h"
#include "formats/list_syntax.h"
#include "formats/passage_refs.h"
#include "reader/frm_text1.h"
#include "reader/page_history_lookup.h"
#include "reader/page_loader.h"
#include "shell/frm_text0.h"
#include "shell/messages.h"
#include "ui/value.h"

namespace catalogue {

namespace {

void hideIfLoaded(app::Program& p, const char* name) {
    if (ui::Window* w = p.window(name); w && w->loaded())
        w->hide();
}

void openBook(app::Program& p, const std::string& text, const std::string& key) {
    app::State& s = p.s;
    reader::FrmText1& reading = p.frmText1();
    for (ui::Button* b : {&reading.btnFind, &reading.btnFirst, &reading.btnLast, &reading.btnNext,
                          &reading.btnPrev, &reading.btnNewPage})
        b->setEnabled(true);
    const std::string previousBook = s.BookFile;
    s.BookFile = formats::bookFileOfKey(key);
    const std::string page = reader::savedPage(p.frmArrays().lstSavePages, s.BookFile);
    s.CurPara = 1;
    // A book that cannot be read leaves the reader where it was.
    if (!reader::showPage(p, "", page, reader::IfMissing::FirstPage)) {
        s.BookFile = previousBook;
        return;
    }
    s.CurPara = 1;
    s.TitleKnown = true;
    // The window takes the book in the mode of the list it comes from; its
    // subject line says what a click on the page does.
    reading.setCaption(text);
    reading.showText();
    reading.cameFromList();
    reading.show();
    hideIfLoaded(p, "frmtext0");
    hideIfLoaded(p, "frmtext2");
    hideIfLoaded(p, "frmText3");
    reading.btnNext.setBackColor(ui::kLightGrey);
    reading.btnPrev.setBackColor(ui::kLightGrey);
    reading.bringToFront();
}

void openTextFile(app::Program& p, const std::string& key) {
    app::State& s = p.s;
    auto lines = p.data().readLines(s.DataPath + key);
    if (!lines) {
        p.message(shell::missingFileMessage(key));
        return;
    }
    s.PageText.clear();
    for (const std::string& line : *lines)
        s.PageText += line + "\r\n\r\n";
    s.PageText = formats::withParagraphBreaks(s.PageText, "\r\n\r\n");
    s.BackTo.clear();
    p.frmtext0().Text1.setText(s.PageText + s.PadText);
    p.frmtext0().show();
}

void openPassages(app::Program& p, const std::string& text, int index, const std::string& key) {
    app::State& s = p.s;
    std::vector<std::string> entries;
    if (formats::itemsOpen(s.BookKind) == formats::ItemsOpen::OnePassage) {
        const std::string next =
            index + 1 < static_cast<int>(s.FindAllFiles.size())
                ? formats::upperText(s.FindAllFiles[static_cast<size_t>(index + 1)])
                : std::string();
        const std::string entry = formats::singlePassageEntry(key, text, next);
        if (!entry.empty())
            entries.push_back(entry);
    } else {
        entries = formats::passageEntries(key);
    }
    if (entries.empty())
        return;
    const bool gathered = gatherPassages(p, entries);
    s.IndexFile.clear();
    if (!gathered)
        return;
    if (s.BookKind == "PNV" || s.BookKind == "PBD") {
        p.frmtext0().Text1.setText(s.PageText + s.PadText);
        p.frmtext0().show();
        hideIfLoaded(p, "frmtext2");
        hideIfLoaded(p, "frmText3");
        return;
    }
    shell::FrmText2& withNote = p.frmtext2();
    withNote.Text1.setText(s.PageText + std::string(300, ' '));
    withNote.Note.setText(s.BookKind == "PTQ"
                              ? text
                              : s.List2Refs[static_cast<size_t>(index)] + std::string(200, ' '));
    withNote.show();
    hideIfLoaded(p, "frmtext0");
    hideIfLoaded(p, "frmText3");
}

} // namespace

void openItem(app::Program& p, const std::string& text, int index) {
    if (text.find(":-") != std::string::npos)
        return;
    app::State& s = p.s;
    if (index < 0 || index >= static_cast<int>(s.FindAllFiles.size()))
        return;
    s.SearchHit = false;
    s.IndexFile.clear();
    const std::string key = formats::upperText(s.FindAllFiles[static_cast<size_t>(index)]);
    s.PageText.clear();
    if (key.empty())
        return;
    switch (formats::itemsOpen(s.BookKind)) {
    case formats::ItemsOpen::Book:
        openBook(p, text, key);
        break;
    case formats::ItemsOpen::TextFile:
        openTextFile(p, key);
        break;
    case formats::ItemsOpen::Passages:
    case formats::ItemsOpen::OnePassage:
        openPassages(p, text, index, key);
        break;
    case formats::ItemsOpen::Nothing:
        break;
    }
}

} // namespace catalogue
