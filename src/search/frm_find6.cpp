#include "search/frm_find6.h"

#include <cstdlib>

#include "app/program.h"
#include "formats/book_file.h"
#include "formats/notes_file.h"
#include "reader/frm_text1.h"
#include "reader/hilite.h"
#include "reader/page_loader.h"
#include "search/findit.h"
#include "search/page_state.h"
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

FrmFind6::~FrmFind6() = default;

void FrmFind6::onLoad() {
    setGeometry(4800, 0, 4890, 5300);
}

void FrmFind6::onActivate() {
    m_p.s.SearchHit = false;
    txtInput.setFocus();
    txtInput.setText("");
}

void FrmFind6::onDeactivate() {
    restoreReaderPage();
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
    app::State& s = m_p.s;
    s.FindFromText3 = false;
    resultsView();
    btnRadioWhole.setValue(0);
    TextF2.setText("");
    TextF.setText(m_p.frmText1().Text1.text());
    s.FindCaller = "Text1";
    show();
    txtInput.setText("");
    setCaption("Click or Enter Word(s)");
    bringToFront();
}

void FrmFind6::openFromVerseWindow(std::function<std::string()> text32) {
    app::State& s = m_p.s;
    m_text32 = std::move(text32);
    s.FindFromText3 = true;
    resultsView();
    TextF.setText(openingText());
    btnRadioWhole.setValue(1);
    s.FindCaller = "Text3";
    show();
    txtInput.setText("");
    setCaption("Click or Enter Word(s)");
    bringToFront();
}

std::string FrmFind6::openingText() const {
    if (m_p.s.FindCaller == "Text1")
        return m_p.frmText1().Text1.text();
    return m_text32 ? m_text32() : std::string();
}

bool FrmFind6::offersOpeningText() const {
    if (TextF.text() == m_p.frmText1().Text1.text())
        return true;
    return m_text32 && TextF.text() == m_text32();
}

void FrmFind6::search(bool allBooks) {
    // A search runs on the book the reading window shows.
    restoreReaderPage();
    m_p.s.SearchAllBooks = allBooks;
    Findit(m_p);
}

void FrmFind6::back() {
    m_p.s.HiliteLen = 0;
    m_p.frmText1().bringToFront();
    hide();
}

void FrmFind6::reFind() {
    if (btnReFind.caption() == "ReFind") {
        TextF.setText(openingText());
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
    if (offersOpeningText()) {
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
    std::string file, key;
    if (s.SearchAllBooks) {
        const auto place = findAllPlace(*reference);
        if (!place)
            return;
        file = place->file;
        key = place->key;
    } else {
        file = s.BookFile;
        key = *reference;
    }
    // The reading window keeps showing its page: keep its state to give back.
    const bool kept = !m_readerPage;
    if (kept)
        m_readerPage = std::make_unique<PageState>(PageState::of(s));
    if (!reader::showPage(m_p, s.SearchAllBooks ? file : std::string(), key)) {
        if (kept)
            m_readerPage.reset();
        return;
    }
    s.HitFile = file;
    s.HitKey = key;
    s.SearchHit = true;
    s.CurPara = 1;
    const long last = std::min<long>(s.ParaCount, formats::kMaxPageLines);
    for (long i = 1; i <= last; ++i)
        if (s.ParaList[static_cast<size_t>(i)].substr(0, 10).find(key) != std::string::npos) {
            s.CurPara = i;
            break;
        }
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
    if (s.HitFile == s.BookFile)
        s.HitFile.clear();
    if (s.HitKey.find(':') != std::string::npos)
        if (auto page = formats::pageOfKey(s.HitKey))
            s.CurPage = *page;
    if (!reader::showPage(m_p, s.HitFile, s.HitKey))
        return;
    // The reading window now shows the page loaded: nothing to give back.
    m_readerPage.reset();
    m_p.frmText1().presentPage();
    hide();
}

void FrmFind6::restoreReaderPage() {
    if (!m_readerPage)
        return;
    m_readerPage->restore(m_p.s);
    m_readerPage.reset();
}

} // namespace search
