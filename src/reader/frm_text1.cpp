#include "reader/frm_text1.h"

#include <cstdlib>

#include "app/frm_arrays.h"
#include "app/program.h"
#include "reader/bookmarks.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_page.h"
#include "reader/hilite.h"
#include "reader/page_history_lookup.h"
#include "reader/page_loader.h"
#include "reader/reference.h"
#include "shell/control_help.h"
#include "ui/value.h"

namespace reader {

FrmText1::FrmText1(app::Program& p)
    : ui::Window(p.screen(), "frmText1"), pnlLogo(*this, "pnlLogo"), Text1(*this, "Text1", true),
      btnNewPage(*this, "btnNewPage", {}, "newpage"),
      btnGetBkMrk(*this, "btnGetBkMrk", "See Bkmks"), btnFind(*this, "btnFind", {}, "find"),
      btnFirst(*this, "btnFirst", {}, "first"), btnPrev(*this, "btnPrev", {}, "prev"),
      btnNext(*this, "btnNext", {}, "next"), btnLast(*this, "btnLast", {}, "last"),
      lblSubject(*this, "lblSubject", "Click on Paragraph to set BkMrk"), m_p(p) {
    using ui::place;
    place(pnlLogo, 0, 0, 4920, 600);
    place(Text1, 0, 600, 4545, 4695);
    place(btnNewPage, 110, 180, 495, 420);
    place(btnGetBkMrk, 655, 180, 855, 420);
    place(btnFind, 1570, 180, 495, 420);
    place(btnFirst, 4545, 600, 270, 525);
    place(btnPrev, 4545, 1110, 270, 1845);
    place(btnNext, 4545, 2940, 270, 1860);
    place(btnLast, 4545, 4755, 270, 525);
    place(lblSubject, 2120, 150, 2760, 450);
    btnNewPage.setToolTipText("New Page");
    btnGetBkMrk.setToolTipText("View Bookmarks");
    btnFind.setToolTipText("Search Text");
    btnFirst.setToolTipText("Go to First Page");
    btnPrev.setToolTipText("Go to Previous Page");
    btnNext.setToolTipText("Go to Next Page");
    btnLast.setToolTipText("Go to Last Page");
    shell::attachControlHelp(p, btnNewPage,
                             "Allows Selection of a New Page or Chapter for this Book",
                             [this] { openPageChooser(); });
    shell::attachControlHelp(p, btnFind, "Present a Form to Search for Words or Phrases", [this] {
        if (onFind)
            onFind();
    });
    shell::attachControlHelp(p, btnGetBkMrk, "Allows Selection of Previously recorded Bookmarks",
                             [this] {
                                 m_p.frmBkMrk().show();
                                 m_p.frmBkMrk().bringToFront();
                             });
    Text1.onClick = [this] { getText1(); };
    btnFirst.onClick = [this] { page("First"); };
    btnLast.onClick = [this] { page("Last"); };
    btnNext.onClick = [this] {
        if (m_page.NavPage == m_page.LastPage) {
            m_p.message("End of Book");
            return;
        }
        page("Next");
    };
    btnPrev.onClick = [this] {
        app::State& s = m_p.s;
        if (m_page.NavPage == m_page.FirstPage && !s.SearchHit && !m_page.PageGiven) {
            m_p.message("Beginning of Book");
        } else {
            const PageInUse use = usePage();
            if (showPage(m_p, "", "Prev"))
                showText();
        }
        s.SearchHit = false;
    };
}

PageInUse FrmText1::usePage() {
    return PageInUse(m_p.s, m_page);
}

void FrmText1::openPageChooser() {
    FrmPage& chooser = m_p.frmPage();
    chooser.hide();
    const PageInUse use = usePage();
    chooser.getNewPara();
    chooser.bringToFront();
}

void FrmText1::getText1() {
    app::State& s = m_p.s;
    s.DefShown = false;
    const std::string key =
        clickedParagraph(m_page.PageParas, Text1.text().size(), Text1.selStart());
    if (key.empty())
        return;
    // The clicked paragraph is one of this window's page, whatever page or
    // book another window loaded since.
    const PageInUse use = usePage();
    if (!s.BibleMode) {
        setBookmark(m_p, key);
        return;
    }
    s.CurPara = lineOfKey(s, key);
    if (s.CurPara == 0)
        s.CurPara = std::atol(key.substr(key.find(':') + 1).c_str());
    if (onVerse)
        onVerse();
}

void FrmText1::page(const std::string& command) {
    {
        const PageInUse use = usePage();
        if (showPage(m_p, "", command))
            showText();
    }
    m_p.s.SearchHit = false;
}

void FrmText1::showText() {
    m_page.takeFrom(m_p.s);
    Text1.setText(m_page.PageText + m_p.s.PadText);
    showMode();
}

void FrmText1::cameFromList() {
    m_page.takeListBooks(m_p.s);
}

void FrmText1::takePage(const BookPage& page) {
    std::vector<std::string> listBooks = std::move(m_page.ListBooks);
    m_page = page;
    m_page.ListBooks = std::move(listBooks);
    Text1.setText(m_page.PageText);
    showMode();
}

void FrmText1::showMode() {
    if (m_page.BibleMode)
        lblSubject.setCaption(m_page.LangStem == "Heb" ? "Click on Verse to see Hebrew"
                                                       : "Click on Verse to see Greek");
    else
        lblSubject.setCaption("Click on Paragraph to set BkMrk");
    lblSubject.setVisible(true);
}

void FrmText1::presentPage() {
    showText();
    show();
    for (const char* name : {"frmtext0", "frmtext2"})
        if (ui::Window* w = m_p.window(name); w && w->loaded())
            w->hide();
    btnPrev.setBackColor(ui::kLightGrey);
    btnNext.setBackColor(ui::kLightGrey);
    bringToFront();
}

void FrmText1::onShown() {
    Text1.setFocus();
}

void FrmText1::onClick() {
    if (ui::Window* chooser = m_p.window("frmPage"); chooser && chooser->loaded())
        chooser->hide();
}

void FrmText1::onActivate() {
    app::State& s = m_p.s;
    s.NoHistory = false;
    if (s.FindFromText3) {
        s.SearchHit = false;
        return;
    }
    if (!s.MarkPending && !s.SearchHit)
        return;
    // SearchHit stays set: every activation selects again until a paging
    // button clears it.
    s.MarkPending = false;
    if (auto at = findHilite(Text1.text(), s.HiliteText, s.CaseSearch)) {
        Text1.setFocus();
        Text1.setSelStart(static_cast<int>(*at));
        Text1.setSelLength(s.HiliteLen);
    }
}

void FrmText1::onKeyDown(int& code, int shift) {
    constexpr int kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36, kF = 70;
    if (code == kF && shift == kCtrlKey) {
        code = 0;
        if (btnFind.Enabled && onFind)
            onFind();
        return;
    }
    ui::Button* target = nullptr;
    if (code == kPageUp)
        target = &btnPrev;
    else if (code == kPageDown)
        target = &btnNext;
    else if (code == kHome && shift == kCtrlKey)
        target = &btnFirst;
    else if (code == kEnd && shift == kCtrlKey)
        target = &btnLast;
    if (target && target->Enabled) {
        code = 0;
        target->click();
    }
}

void FrmText1::onDeactivate() {
    DeactivateForm1();
}

void FrmText1::DeactivateForm1() {
    // Only the book and page this window shows: gathered passages, a look at
    // a search hit and the verse window load others.
    if (m_p.s.NoHistory || m_page.BookFile.empty())
        return;
    recordPage(m_p.frmArrays().lstSavePages, m_page.BookFile, m_page.ShownPage);
}

void FrmText1::onLoad() {
    setGeometry(4775, -15, 4920, 5660);
}

} // namespace reader
