#include "study/word_def.h"

#include <algorithm>

#include "app/program.h"
#include "formats/clicked_word.h"
#include "formats/dictionary_file.h"
#include "platform/text_file.h"
#include "study/frm_text3.h"

namespace study {

std::optional<std::string> readDictionaryLine(app::Program& p, const std::string& name,
                                              const std::string& key) {
    const auto path = p.data().resolve(p.s.DataPath + name);
    platform::TextFile file; // closed when it goes out of scope, on every path
    if (!path || !file.open(*path))
        return std::nullopt;
    const auto head = formats::readIndexHead(file);
    if (!head)
        return std::nullopt;
    return formats::readDefinition(file, *head, key);
}

void getWordDef(app::Program& p, WordBox from) {
    app::State& s = p.s;
    const bool verseBox = from == WordBox::Verse;
    if (verseBox ? s.BookKind != "STX" : !s.BibleMode)
        return;
    FrmText3& w = p.frmText3();
    ui::TextBox& source = verseBox ? w.Text32 : w.Text33;
    ui::TextBox& target = verseBox ? w.Text33 : w.Text32;
    const bool bracketRule = verseBox ? s.DefShown : true;
    const formats::WordLookup word =
        formats::clickedWord(source.text(), static_cast<size_t>(std::max(source.selStart(), 0)),
                             bracketRule, s.LangStem);
    if (word.outcome != formats::WordLookup::Found)
        return;
    const auto definition = readDictionaryLine(p, word.file, word.key);
    if (!definition)
        return;
    target.setText(*definition);
    target.refresh();
    if (verseBox) {
        w.btnClear.setVisible(true);
        w.btnFind.setVisible(false);
    } else {
        s.DefShown = true;
    }
}

} // namespace study
