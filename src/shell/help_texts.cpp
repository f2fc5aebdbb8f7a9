#include "shell/help_texts.h"

#include "app/program.h"
#include "shell/frm_text0.h"

namespace shell {

namespace {

constexpr const char* kCrLf = "\r\n";

const char* kGeneral =
    ">Bible verses are provided with special features. If you click on a Bible verse, the "
    "corresponding verse in Greek or Hebrew is displayed, with any relevant notes (from the Baha'i "
    "Writings) shown at the bottom. If you want to see a definition for a word, it is displayed by "
    "a "
    "click on the word. Definitions generally contain Greek and/or Hebrew root- words, identified "
    "by "
    "their enclosure in brackets, preceded by a capital 'G' or 'H' (i.e. G[word] or H[word]). The "
    "definitions of these root- words are also displayed (alternating between the bottom two "
    "sections). A click on the 'Reset' button will return to the original setting (with the notes "
    "at "
    "the bottom).";

const char* kSearches =
    "When the search button (binoculars icon) is clicked on Text shown on this side (this pane), a "
    "Search screen will be displayed (here), providing a text box into which you can type a word "
    "or "
    "phrase (or alternatively a word can be placed in the text box by clicking on a word in the "
    "text). In addition to being able to select 'whole word' or 'imbedded' searches, you can also "
    "search more that one book at a time. Clicking 'All' rather that 'Find' will search all of the "
    "books seleced on the last 'Directory' screen (which will be visible on the left pane). If you "
    "then click on a found paragraph (or verse), you will be taken to that location in the book.";

// Which keys do what: every click has a key.
const char* kKeys =
    "Every click has a key.\r\n\r\n"
    ">Lists: the arrow keys, Page Up, Page Down, Home and End move the highlight; a list that "
    "takes the keys highlights its first item. Enter opens the highlighted item.\r\n\r\n"
    ">Texts: the arrow keys move the caret. Enter or Space does what a click at the caret does: "
    "on a Bible verse it opens the verse in Greek or Hebrew, on a paragraph of another book it "
    "sets a bookmark, on a Greek or Hebrew word it shows the word's definition.\r\n\r\n"
    ">Reading a book: Page Up and Page Down turn the page, Ctrl+Home and Ctrl+End go to the first "
    "and the last page, Ctrl+F opens the search.\r\n\r\n"
    ">Searching: type a word or phrase and press Enter to search the book. Tab reaches the "
    "results: Enter there shows the found paragraph, and Enter on the paragraph takes you to that "
    "location in the book. Escape leaves the search.\r\n\r\n"
    ">Tab and Shift+Tab move from control to control of a window, Ctrl+Tab to the next window. "
    "Enter or Space presses a button, Space ticks a check box. Escape closes the page chooser "
    "and the bookmark list.\r\n\r\n"
    ">Alt and the underlined letter open a menu. Ctrl+= (or Ctrl++) draws everything larger, "
    "Ctrl+- smaller, Ctrl+0 at the size chosen for the screen.";

} // namespace

std::string aboutTessaryText() {
    return std::string("hOrvel Version 6.1") + kCrLf + "The Tessary developers" + kCrLf +
           "Anywhere, Earth" + kCrLf + "https://tessary.example.org" + kCrLf;
}

std::string helpText(const app::Program& p, const std::string& item, bool& ok) {
    ok = true;
    const app::State& s = p.s;
    if (item == "mnuGeneral")
        return std::string(
                   "Generally, it is only necessary to follow the provided links to get to the "
                   "desired information.") +
               kCrLf + kCrLf + kGeneral;
    if (item == "mnuNavigation")
        return std::string(
                   "If you let your Mouse 'Hover' over a control, information specific to the "
                   "purpose of that control will be shown. ") +
               kCrLf + kCrLf +
               ">For a more detailed explanation of each control's function, click the Right Mouse "
               "Button on the Control";
    if (item == "mnuKeys")
        return kKeys;
    if (item == "mnuSearches")
        return kSearches;
    if (item == "mnuAbbreviations") {
        std::string text;
        for (int i = 0; i <= s.AbbrevLast - 1; ++i)
            text += s.Abbrev[static_cast<size_t>(i)] + kCrLf;
        return text;
    }
    if (item == "mnuPrint")
        return "To Print or Save text, simply hilight the desired text and Press 'Ctrl C'. Then "
               "Paste it "
               "into your Word Processor.";
    if (item == "mnuProfCopyrights") {
        auto lines = p.data().readLines(s.DataPath + "COPYRGT.TXV");
        if (!lines) {
            ok = false;
            return {};
        }
        std::string text;
        for (const std::string& line : *lines)
            text += line + kCrLf;
        return text;
    }
    if (item == "mnuPocketPC")
        return "This PC Application is also available for Handheld devices such as PocketPCs and "
               "Palm "
               "PDAs (named - hOrvel).";
    if (item == "mnuTessary")
        return aboutTessaryText();
    ok = false;
    return {};
}

void showHelpText(app::Program& p, const std::string& text) {
    p.frmtext0().Text1.setText(text + p.s.PadText);
    p.frmtext0().show();
    for (const char* name : {"frmText1", "frmtext2", "frmText3"})
        if (ui::Window* w = p.window(name); w && w->loaded())
            w->hide();
}

void helpMenu(app::Program& p, const std::string& item) {
    bool ok = false;
    std::string text = helpText(p, item, ok);
    if (!ok) {
        if (item == "mnuProfCopyrights")
            p.message("Missing or corrupt file " + p.s.DataPath + " Copyrgt.txv");
        return;
    }
    showHelpText(p, text);
}

} // namespace shell
