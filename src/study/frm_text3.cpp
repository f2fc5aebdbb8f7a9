#include "study/frm_text3.h"

#include "app/program.h"
#include "reader/bookmarks.h"
#include "reader/frm_text1.h"
#include "search/frm_find6.h"
#include "shell/control_help.h"
#include "study/show_verse.h"
#include "study/word_def.h"

namespace study {

FrmText3::FrmText3(app::Program& p)
    : ui::Window(p.screen(), "frmText3"), pnlLogo(*this, "pnlLogo"),
      btnBack(*this, "btnBack", {}, "back"), btnBkMrk(*this, "btnBkMrk", "Set Bkmark"),
      btnFind(*this, "btnFind", {}, "find"), btnClear(*this, "btnClear", "Reset"),
      lblSubject(*this, "lblSubject", "Click on Word for Definition"),
      btnFirst(*this, "btnFirst", {}, "first"), btnPrev(*this, "btnPrev", {}, "prev"),
      btnNext(*this, "btnNext", {}, "next"), btnLast(*this, "btnLast", {}, "last"),
      Text31(*this, "Text31", true), Text32(*this, "Text32", true), Text33(*this, "Text33", true),
      m_p(p) {
    using ui::place;
    place(pnlLogo, 0, 0, 4770, 615);
    place(btnBack, 120, 200, 540, 430);
    place(btnBkMrk, 720, 200, 780, 430);
    place(btnFind, 1560, 200, 660, 430);
    place(btnClear, 1560, 200, 660, 430);
    place(lblSubject, 2280, 280, 2280, 210);
    place(btnFirst, 4530, 600, 270, 435);
    place(btnPrev, 4530, 1020, 270, 1920);
    place(btnNext, 4530, 2910, 270, 1920);
    place(btnLast, 4530, 4800, 270, 675);
    place(Text31, 60, 570, 4470, 1380);
    place(Text32, 30, 1950, 4500, 1215);
    place(Text33, 30, 3195, 4500, 2100);
    btnBack.setToolTipText("Up One  Level");
    btnBkMrk.setToolTipText("Set Book Mark");
    btnFind.setToolTipText("Search Hebrew/Greek Text");
    btnClear.setToolTipText("Reset to original content");
    btnClear.setVisible(false);
    btnFirst.setToolTipText("Go to First Page");
    btnPrev.setToolTipText("Page Up");
    btnNext.setToolTipText("Page Down");
    btnLast.setToolTipText("Go to Last Page");

    shell::attachControlHelp(p, btnBack, "Exits to the Previous Directory", [this] { back(); });
    shell::attachControlHelp(p, btnBkMrk, "Sets Bookmark at the current verse",
                             [this] { onPage([this] { setVerseBookmark(); }); });
    shell::attachControlHelp(p, btnClear,
                             "Resets Screen to Original Contents (with Notes at Bottom)",
                             [this] { reset(); });
    shell::attachControlHelp(p, btnFind,
                             "Present a Form to Search for Hebrew/Greek Words or Phrases",
                             [this] { openSearch(); });
    for (auto [button, step] : {std::pair{&btnFirst, "first"}, std::pair{&btnPrev, "prev"},
                                std::pair{&btnNext, "next"}, std::pair{&btnLast, "last"}})
        button->onClick = [this, how = step] { onPage([this, how] { moveVerse(m_p, how); }); };
    Text32.onClick = [this] { onPage([this] { getWordDef(m_p, WordBox::Verse); }); };
    Text33.onClick = [this] { onPage([this] { getWordDef(m_p, WordBox::Notes); }); };
}

template <class Action>
void FrmText3::onPage(Action action) {
    const reader::PageInUse use(m_p.s, m_page);
    action();
    m_page.takeFrom(m_p.s);
}

void FrmText3::takePage() {
    m_page.takeFrom(m_p.s);
    // The verse is one of the reading window's book, and so is its list.
    m_page.ListBooks = m_p.frmText1().page().ListBooks;
    const bool hebrew = m_page.LangStem == "Heb";
    btnClear.setToolTipText(hebrew ? "Search for Hebrew Word" : "Search for Greek Word");
}

void FrmText3::onLoad() {
    setGeometry(4790, 0, 4834, 5439);
    // The right-hand buttons touch: Next under Prev, Last under Next.
    btnNext.setTop(btnPrev.Top + btnPrev.Height);
    btnLast.setTop(btnNext.Top + btnNext.Height);
}

void FrmText3::onShown() {
    Text32.setFocus();
}

void FrmText3::onActivate() {
    btnClear.setVisible(false);
    btnFind.setVisible(true);
    m_p.s.FindFromText3 = false;
}

void FrmText3::back() {
    // The reading window shows the page this window reached.
    reader::FrmText1& reading = m_p.frmText1();
    reading.takePage(m_page);
    reading.show();
    hide();
    if (ui::Window* withNote = m_p.window("frmtext2"); withNote && withNote->loaded())
        withNote->hide();
    reading.bringToFront();
    m_p.s.DefShown = false;
}

void FrmText3::setVerseBookmark() {
    const std::string& heading = Text31.text();
    const size_t gt = heading.find('>');
    if (gt == std::string::npos)
        return;
    reader::setBookmark(m_p, heading.substr(0, gt));
}

void FrmText3::reset() {
    if (btnClear.Visible) {
        Text32.setForeColor(0);
        m_p.s.DefShown = false;
        Text32.setText(m_p.s.SavedText32);
        Text33.setText(m_p.s.SavedText33);
    }
    btnClear.setVisible(false);
    btnFind.setVisible(true);
}

void FrmText3::openSearch() {
    m_p.frmFind6().openFromVerseWindow([this] { return Text32.text(); }, m_page);
}

} // namespace study
