#include "app/program.h"
#include "catalogue/frm_list0.h"
#include "catalogue/page_history.h"
#include "formats/list_syntax.h"
#include "reader/bookmark_store.h"
#include "shell/frm_main.h"

namespace app {

void entry(Program& p) {
    p.s.DataPath.clear();
    Main2(p);
}

void Main2(Program& p) {
    State& s = p.s;
    s.PadText = std::string(890, ' ');
    auto lines = p.data().readLines(s.DataPath + "BIBLIO.TXV");
    if (!lines) {
        p.message("Missing or corrupted BIBLIO.TXV in sub Main2");
        p.end(); // no window was shown, so the program ends
        return;
    }
    // The table holds 151 entries.
    const auto entries = formats::listEntries(*lines, s.Abbrev.size());
    for (size_t i = 0; i < entries.size(); ++i)
        s.Abbrev[i] = entries[i].key + "=" + entries[i].text;
    s.AbbrevLast = static_cast<int>(entries.size()) - 1;
    catalogue::readHistory(p);
    reader::readBookmarks(p);
    p.frmMain().show();
    p.frmList0().show();
}

} // namespace app
