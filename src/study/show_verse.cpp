#include "study/show_verse.h"

#include "app/program.h"
#include "formats/book_file.h"
#include "formats/file_names.h"
#include "formats/notes_file.h"
#include "platform/text_file.h"
#include "reader/page_loader.h"
#include "study/frm_text3.h"
#include "ui/value.h"

namespace study {

std::string readVerseNotes(app::Program& p, const std::string& bookFile, const std::string& keys) {
    std::string notes;
    const std::vector<formats::NoteKey> list = formats::noteKeys(keys);
    if (list.empty())
        return notes; // no keys: no file is opened
    const auto path = p.data().resolve(p.s.DataPath + formats::notesFileOf(bookFile));
    platform::TextFile file;
    if (!path || !file.open(*path))
        return notes;
    const auto head = formats::readIndexHead(file);
    if (!head)
        return notes;
    for (size_t i = 0; i < list.size() && i < formats::kMaxNoteKeys; ++i)
        if (auto note = formats::readNote(file, *head, list[i].key))
            notes += *note + "\r\n";
    return notes;
}

void showVerse(app::Program& p) {
    app::State& s = p.s;
    FrmText3& w = p.frmText3();
    const long i = s.CurPara;
    const bool inLists = i >= 1 && i <= s.ParaCount && i < static_cast<long>(s.ParaList.size());
    const std::string line = inLists ? s.ParaList[static_cast<size_t>(i)] : std::string();
    const std::string words = inLists ? s.VerseList[static_cast<size_t>(i)] : std::string();
    const formats::VerseNotes parts = formats::splitVerseNotes(words);
    // A psalm title or heading stands on its own line above the verse.
    w.Text31.setText(formats::withParagraphBreaks(line, "\r\n"));
    s.SavedText32 = std::string(parts.verse);
    w.Text32.setText(s.SavedText32);
    const std::string notes = readVerseNotes(p, s.BookFile, std::string(parts.keys));
    s.DefShown = false;
    w.Text33.setText(notes);
    s.SavedText33 = notes;
}

void openVerse(app::Program& p) {
    app::State& s = p.s;
    FrmText3& w = p.frmText3();
    w.takePage();
    showVerse(p);
    w.Text33.setText(s.SavedText33 + s.PadText);
    w.btnClear.setVisible(false);
    w.btnFind.setVisible(true);
    w.show();
    w.bringToFront();
    w.btnPrev.setBackColor(ui::kLightGrey);
    w.btnNext.setBackColor(ui::kLightGrey);
}

void moveVerse(app::Program& p, const std::string& how) {
    app::State& s = p.s;
    FrmText3& w = p.frmText3();
    if (how == "first") {
        s.CurPara = 1;
    } else if (how == "prev") {
        w.btnNext.setBackColor(ui::kLightGrey);
        if (s.CurPara - 1 >= 1) {
            --s.CurPara;
            w.btnPrev.setBackColor(ui::kLightGrey);
        } else if (reader::showPage(p, s.BookFile, "Prev")) {
            s.CurPara = s.ParaCount;
        } // else the loader said "Beginning of Book": the verse stays
    } else if (how == "next") {
        w.btnPrev.setBackColor(ui::kLightGrey);
        if (s.CurPara + 1 <= s.ParaCount) {
            ++s.CurPara;
            w.btnNext.setBackColor(ui::kLightGrey);
        } else if (reader::showPage(p, s.BookFile, "Next")) {
            // Past the book's last page the loader loads that page again
            // from its last entry, whose line is then the first.
            s.CurPara = 1;
        }
    } else if (how == "last") {
        w.btnPrev.setBackColor(ui::kLightGrey);
        if (reader::showPage(p, "", "Last"))
            s.CurPara = s.ParaCount;
    }
    showVerse(p);
}

} // namespace study
