#include "catalogue/dispatch.h"

#include "app/frm_arrays.h"
#include "app/program.h"
#include "catalogue/frm_list0.h"
#include "catalogue/frm_list1.h"
#include "catalogue/frm_list2.h"
#include "catalogue/frm_select.h"
#include "formats/letter_case.h"
#include "formats/list_syntax.h"
#include "shell/frm_main.h"
#include "shell/frm_text0.h"
#include "shell/help_texts.h"
#include "shell/messages.h"

namespace catalogue {

namespace {

constexpr const char* kCrLf = "\r\n";

// Reads a list file, or reports it and gives nothing. Every catalogue file
// that cannot be read is reported the same way, and nothing else changes.
std::optional<std::vector<std::string>> readList(app::Program& p, const std::string& name) {
    auto lines = p.data().readLines(p.s.DataPath + name);
    if (!lines)
        p.message(shell::missingFileMessage(name));
    return lines;
}

void showAdvice(app::Program& p) {
    auto lines = readList(p, "ADVICE.SNV");
    if (!lines)
        return;
    app::State& s = p.s;
    s.BookKind = "PNV";
    auto& list = p.frmList2().lstMain2;
    list.clear();
    const auto entries = formats::listEntries(*lines, s.FindAllFiles.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        list.addItem(entries[i].text);
        s.FindAllFiles[i] = entries[i].key;
    }
    s.FindAllLast = static_cast<int>(entries.size()) - 1;
    s.BackTo = "frmList0";
    p.frmList2().takeKeys();
    p.frmList2().txtSubject.setText("Advice About Teaching");
    p.frmList2().lblStatus.setCaption(std::to_string(entries.size()));
    p.frmList2().show();
    p.frmList0().hide();
}

void showGrid(app::Program& p, const std::string& key) {
    auto lines = readList(p, key);
    if (!lines)
        return;
    app::State& s = p.s;
    FrmSelect& grid = key == "QCELLS.SNV" ? p.frmSelectA() : p.frmSelectP();
    s.BookKind = "PNV";
    auto& sorted = p.frmArrays().lstSorted;
    sorted.clear();
    int n = 0;
    for (const std::string& line : *lines) {
        formats::Split sp = formats::splitAt(line, '<');
        if (!sp.found)
            continue;
        if (n >= FrmSelect::kCells - 1)
            break; // cells 1 to 38
        ++n;
        std::string sortKey =
            sp.left.substr(std::min(sp.left.find_first_not_of(' '), sp.left.size()));
        sorted.addItem(sortKey + "^" + sp.right + "<" + sp.left);
    }
    s.FindAllLast = n;
    for (int i = 0; i < sorted.listCount(); ++i) {
        std::string item = sorted.list(i), text, target;
        if (auto lt = item.find('<'); lt != std::string::npos) {
            text = item.substr(lt + 1);
            item = item.substr(0, lt);
        }
        if (auto caret = item.find('^'); caret != std::string::npos)
            target = item.substr(caret + 1);
        s.FindAllFiles[static_cast<size_t>(i + 1)] = target;
        grid.Cell[static_cast<size_t>(i + 1)]->setText(text);
    }
    s.BookKind = "PNV";
    grid.takeKeys();
    grid.setCaption(key == "QCELLS.SNV" ? "Quick Christian Answers" : "Quick Baha'i Proofs");
    grid.show();
}

void showSecondLevel(app::Program& p, const std::string& key, int index) {
    auto lines = readList(p, key);
    if (!lines)
        return;
    app::State& s = p.s;
    s.ListTitle = (index >= 0 && index < static_cast<int>(s.StartTitles.size()))
                      ? s.StartTitles[static_cast<size_t>(index)]
                      : std::string();
    auto& list = p.frmList1().lstMain1;
    list.clear();
    const auto entries = formats::listEntries(*lines, s.List1Keys.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        s.List1Keys[i] = entries[i].key;
        list.addItem(entries[i].text);
    }
    p.frmMain().setCaption(s.ListTitle);
    p.frmList1().lblStatus.setCaption(std::to_string(entries.size()));
    p.frmList1().show();
}

// The about, abbreviation, copyright and help texts; false for other keys.
bool aboutText(app::Program& p, const std::string& key, std::string& text) {
    app::State& s = p.s;
    text.clear();
    if (key == "HORVEL") {
        text = shell::aboutTessaryText();
        return true;
    }
    if (key == "BIBLIO") {
        for (int i = 1; i <= s.AbbrevLast; ++i)
            text += s.Abbrev[static_cast<size_t>(i)] + kCrLf;
        return true;
    }
    if (key == "COPYRGT" || key == "HELP") {
        auto lines = readList(p, key + ".TXV");
        if (!lines)
            return false;
        for (const std::string& line : *lines)
            text += line + kCrLf;
        return true;
    }
    return false;
}

} // namespace

void startDispatch(app::Program& p, const std::string& key, int index) {
    app::State& s = p.s;
    s.SearchHit = false;
    p.frmList2().lblStatus.setCaption("");
    s.SelectForm.clear();
    s.TitleKnown = false;
    s.BookLists = key == "BOOKS.SEL" || key == "OLDSTART.STX" || key == "NEWSTART.STX";
    if (key == "ADVICE.SNV")
        showAdvice(p);
    else if (key == "QCELLS.SNV" || key == "QCELLSP.SNV")
        showGrid(p, key);
    else
        showSecondLevel(p, key, index);
}

void list1Dispatch(app::Program& p, const std::string& text, int index) {
    app::State& s = p.s;
    s.SearchHit = false;
    const std::string key = (index >= 0 && index < static_cast<int>(s.List1Keys.size()))
                                ? formats::upperText(s.List1Keys[static_cast<size_t>(index)])
                                : std::string();
    s.BookKind.clear();
    s.ListTitle = text;
    s.BackTo = "frmList1";

    if (key == "HORVEL" || key == "BIBLIO" || key == "COPYRGT" || key == "HELP") {
        std::string about;
        if (!aboutText(p, key, about))
            return;
        s.PageText = about;
        s.BookKind = "ABOUT";
        p.frmtext0().Text1.setText(s.PageText + s.PadText);
        p.frmtext0().show();
        p.frmList1().hide();
        return;
    }

    auto lines = readList(p, s.DataPath + key);
    if (!lines)
        return;
    s.LangStem = formats::languageOf(text);
    s.BibleMode = !s.LangStem.empty();
    s.BookKind = formats::listKind(key);
    s.PageText.clear();
    auto& list = p.frmList2().lstMain2;
    list.clear();
    int n = -1;
    const int last = static_cast<int>(s.FindAllFiles.size()) - 1;
    for (const std::string& line : *lines) {
        if (line.empty())
            break;
        auto item = formats::thirdLevelItem(s.BookKind, line);
        if (!item)
            continue;
        // A book catalogue keeps two slots free for its Find All entries;
        // other lists may fill every slot.
        if (n + 1 > last - (s.BookLists ? 2 : 0))
            break;
        ++n;
        list.addItem(item->shown);
        s.FindAllFiles[static_cast<size_t>(n)] = item->key;
        if (s.BookKind == "PRE")
            s.List2Refs[static_cast<size_t>(n)] = item->ref;
    }
    s.SxxTitle = s.BookKind == "SXX" ? text : std::string();
    if (s.BookLists) {
        s.FindAllFiles[static_cast<size_t>(n + 1)].clear();
        s.FindAllFiles[static_cast<size_t>(n + 2)] = "( Searched by Find All )";
        n += 2;
    }
    s.FindAllLast = n;
    p.frmList2().lblStatus.setCaption(std::to_string(n + 1));
    s.BackTo.clear();
    p.frmList2().takeKeys();
    p.frmList2().show();
}

} // namespace catalogue
