#include "search/frm_find6.h"

#include <cstdlib>

#include "app/program.h"
#include "formats/book_file.h"
#include "formats/notes_file.h"
#include "reader/frm_text1.h"
#include "reader/hilite.h"
#include "reader/page_loader.h"
#include "reader/reference.h"
#include "search/findit.h"
#include "search/result_pick.h"
#include "shell/control_help.h"
#include "ui/units.h"

namespace search {

namespace {
// The pane in view and the pane below the visible area, in pixels.
constexpr int kInViewTop = 58, kInViewHeight = 270, kOutOfViewTop = 566, kOutOfViewHeight = 2;
constexpr int kEnter = 13, kEscape = 27;

// The pane out of view is also hidden: a window taller than designed would
// otherwise show it as a line below the pane in view.
void putInView(ui::TextBox& pane, bool inView) {
    pane.setTop(inView ? kInViewTop : kOutOfViewTop);
    pane.setHeight(inView ? kInViewHeight : kOutOfViewHeight);
    pane.setVisible(inView);
}
} // namespace

FrmFind6::FrmFind6(app::Program& p)
    : ui::Window(p.screen(), "frmFind6", "Enter Word or Phrase "), pnlLogo(*this, "pnlLogo"),
      btnRadioWhole(*this, "btnRadioWhole", "Whole Word"),
      btnRadioCase(*this, "btnRadioCase", "Check Case"), btnReFind(*this, "btnReFind"),
      btnBack(*this, "btnBack", {}, "back"), txtInput(*this, "txtInput", false),
      btnSearch(*this, "btnSearch", "Find"), btnSrchAll(*this, "btnSrchAll", "All"),
      TextF2(*this, "TextF2", true), TextF(*this, "TextF", true), m_p(p) {
    using ui::place;
    place(pnlLogo, 0, 0, 4773, 885);
    place(btnRadioWhole, 120, 240, 1215, 255);
    place(btnRadioCase, 1440, 240, 1335, 255);
    place(btnReFind, 2880, 200, 1260, 315);
    place(btnBack, 4155, 200, 540, 315);
    place(txtInput, 120, 580, 3470, 285);
    place(btnSearch, 3600, 560, 540, 315);
    place(btnSrchAll, 4155, 560, 540, 315);
    TextF2.setGeometry(0, kOutOfViewTop, ui::pixels(4773), kOutOfViewHeight);
    TextF2.setVisible(false);
    TextF.setGeometry(0, kInViewTop, ui::pixels(4773), kInViewHeight);
    txtInput.setText("Enter Text Here");
    btnReFind.setToolTipText("Multi-Function Button");
    btnBack.setToolTipText("Exit");
    btnSearch.setToolTipText("Search Current Book Only");
    btnSrchAll.setToolTipText("Search All Books");
    shell::attachControlHelp(p, btnBack, "Exits and Returns to the Previous Function",
                             [this] { back(); });
    shell::attachControlHelp(p, btnReFind,
                             "Performs the Function indicated by the Caption on this Button",
                             [this] { reFind(); });
    shell::attachControlHelp(p, btnSearch, "Searches the Currently selected Book Only",
                             [this] { search(false); });
    shell::attachControlHelp(p, btnSrchAll,
                             "Searches All books that are shown on the screen at the left",
                             [this] { search(true); });
    txtInput.onGotFocus = [this] { txtInput.setText(""); };
    TextF.onClick = [this] { clickResults(); };
    TextF2.onClick = [this] { goToLocation(); };
}

void FrmFind6::onLoad() {
    setGeometry(4800, 0, 4890, 5300);
}

void FrmFind6::onActivate() {
    m_p.s.SearchHit = false;
    txtInput.setFocus();
    txtInput.setText("");
}

void FrmFind6::onKeyDown(int& code, int shift) {
    (void)shift;
    if (code == kEscape) {
        code = 0;
        back();
    } else if (code == kEnter && focusedControl() == &txtInput) {
        code = 0;
        search(false);
    }
}

void FrmFind6::resultsView() {
    const bool keys = TextF2.hasFocus();
    putInView(TextF2, false);
    putInView(TextF, true);
    if (keys)
        TextF.setFocus();
}

void FrmFind6::contextView() {
    const bool keys = TextF.hasFocus();
    putInView(TextF, false);
    putInView(TextF2, true);
    if (keys)
        TextF2.setFocus();
}

void FrmFind6::openFromReadingWindow() {
    reader::FrmText1& reading = m_p.frmText1();
    open([&reading] { return reading.Text1.text(); }, reading.page(), false);
}

void FrmFind6::openFromVerseWindow(std::function<std::string()> text32,
                                   const reader::BookPage& page) {
    open(std::move(text32), page, true);
}

void FrmFind6::open(std::function<std::string()> text, const reader::BookPage& page,
                    bool fromVerse) {
    app::State& s = m_p.s;
    // The opening window is known before anything is offered from it.
    m_openerText = std::move(text);
    m_openerPage = &page;
    s.FindFromText3 = fromVerse;
    resultsView();
    if (fromVerse) {
        offer(m_openerText());
        btnRadioWhole.setValue(1);
    } else {
        btnRadioWhole.setValue(0);
        TextF2.setText("");
        offer(m_openerText());
    }
    s.FindCaller = fromVerse ? "Text3" : "Text1";
    show();
    txtInput.setText("");
    setCaption("Click or Enter Word(s)");
    bringToFront();
}

void FrmFind6::offer(const std::string& text) {
    m_offered = text;
    TextF.setText(text);
}

void FrmFind6::search(bool allBooks) {
    // Find searches the book of the opening window's page in its mode, Find
    // All the books of the list that book came from, in the book's mode (the
    // list's); for a book that came from no list, the current list's books
    // in the current list's mode.
    const reader::BookPage& opener = m_openerPage ? *m_openerPage : m_p.frmText1().page();
    reader::PageInUse use(m_p.s, opener);
    const bool ownList = allBooks && !opener.ListBooks.empty();
    if (allBooks && !ownList)
        use.useListMode();
    m_p.s.SearchAllBooks = allBooks;
    reader::BookPage searched = reader::BookPage::of(m_p.s);
    if (Findit(m_p, ownList ? &opener.ListBooks : nullptr)) {
        m_searched = std::move(searched);
        m_searchedAll = allBooks;
        m_searchedText = m_p.s.HiliteText;
        m_searchedCase = m_p.s.CaseSearch;
    }
}

void FrmFind6::back() {
    m_p.s.HiliteLen = 0;
    m_p.frmText1().bringToFront();
    hide();
}

void FrmFind6::reFind() {
    if (btnReFind.caption() == "ReFind") {
        offer(m_openerText ? m_openerText() : std::string());
        btnReFind.setCaption("");
    } else if (btnReFind.caption() == "Reselect") {
        putInView(TextF2, false);
        TextF2.setText("");
        putInView(TextF, true);
    }
}

void FrmFind6::clickResults() {
    if (TextF.Height != kInViewHeight) {
        resultsView();
        btnReFind.setCaption("ReFind");
        setCaption("Click to View Context");
        return;
    }
    if (TextF.text() == m_offered) {
        if (auto word = pickWord(TextF.text(), TextF.selStart()))
            txtInput.setText(*word);
        return;
    }
    openContext();
}

void FrmFind6::openContext() {
    app::State& s = m_p.s;
    const auto reference = hitReference(TextF.text(), TextF.selStart());
    if (!reference)
        return;
    std::optional<HitPlace> place;
    if (m_searchedAll && !(place = findAllPlace(*reference)))
        return;
    // The hit is loaded for a look in the book and mode the search ran on;
    // the windows keep their pages.
    const reader::PageInUse use(s, m_searched);
    s.HiliteText = m_searchedText;
    s.HiliteLen = static_cast<int>(m_searchedText.size());
    s.CaseSearch = m_searchedCase;
    const std::string file = place ? place->file : s.BookFile;
    const std::string key = place ? place->key : *reference;
    if (!reader::showPage(m_p, place ? file : std::string(), key))
        return;
    s.HitFile = file;
    s.HitKey = key;
    s.SearchHit = true;
    s.CurPara = std::max(reader::lineOfKey(s, key), 1L);
    m_look.takeFrom(s);
    const auto at = static_cast<size_t>(s.CurPara);
    std::string context;
    if (s.FindFromText3) {
        if (s.BibleMode)
            context = formats::splitVerseNotes(s.VerseList[at]).verse;
        context += "\r\n\r\n" + s.ParaList[at];
    } else {
        context = formats::withParagraphBreaks(s.ParaList[at], "\r\n");
    }
    TextF2.setText(context);
    contextView();
    setCaption("Click Text to Go to That Location");
    btnReFind.setCaption("Reselect");
    if (s.FindFromText3)
        return;
    if (auto found = reader::findHilite(context, s.HiliteText, s.CaseSearch)) {
        TextF2.setFocus();
        TextF2.setSelStart(static_cast<int>(*found));
        TextF2.setSelLength(s.HiliteLen);
    }
}

void FrmFind6::goToLocation() {
    app::State& s = m_p.s;
    if (m_look.BookFile.empty())
        return; // no hit looked at
    const reader::PageInUse use(s, m_look);
    if (s.HitFile == s.BookFile)
        s.HitFile.clear();
    if (s.HitKey.find(':') != std::string::npos)
        if (auto page = formats::pageOfKey(s.HitKey))
            s.CurPage = *page;
    if (!reader::showPage(m_p, s.HitFile, s.HitKey))
        return;
    m_p.frmText1().presentPage();
    hide();
}

} // namespace search
