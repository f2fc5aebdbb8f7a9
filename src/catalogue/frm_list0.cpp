#include "catalogue/frm_list0.h"

#include <algorithm>

#include "app/program.h"
#include "catalogue/dispatch.h"
#include "formats/list_syntax.h"

namespace catalogue {

FrmList0::FrmList0(app::Program& p)
    : ui::Window(p.screen(), "frmList0", "Directory"), pnlLogo(*this, "pnlLogo"),
      btnLogo(*this, "btnLogo", {}, "logo"), Label1(*this, "Label1", "Teaching  Aid"),
      lstMain0(*this, "lstMain0"), m_p(p) {
    pnlLogo.setGeometry(0, 0, 319, 38);
    btnLogo.setGeometry(4, 4, 30, 30);
    btnLogo.setToolTipText("About Tessary");
    Label1.setGeometry(44, 12, 200, 18);
    ui::place(lstMain0, 30, 600, 4695, 4650);
    lstMain0.onClick = [this] { openSelected(); };
}

void FrmList0::onLoad() {
    Left = 2;
    Width = 4785;
    Height = 5300;
    notify(ui::Prop::Geometry);
    auto lines = m_p.data().readLines(m_p.s.DataPath + "START.SEL");
    if (!lines) {
        m_p.message("Could not open Start.sel in frmList0 Load");
        return;
    }
    lstMain0.clear();
    // The list ends before the line that names ABOUT.SBD; it holds 21 items.
    lines->erase(std::find_if(lines->begin(), lines->end(),
                              [](const std::string& line) {
                                  return line.find("ABOUT.SBD") != std::string::npos;
                              }),
                 lines->end());
    const auto entries = formats::listEntries(*lines, m_p.s.StartTitles.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        lstMain0.addItem(entries[i].text);
        m_p.s.StartTitles[i] = entries[i].text;
        m_p.s.StartKeys[i] = entries[i].key;
    }
}

void FrmList0::onShown() {
    // The keys start in the start list.
    lstMain0.setFocus();
}

void FrmList0::onClick() {
    show();
}

void FrmList0::onKeyDown(int& code, int) {
    if (code == 13) {
        code = 0;
        openSelected();
        return;
    }
    if (focusedControl() && focusedControl()->kind() == ui::ControlKind::Button)
        code = 0;
}

void FrmList0::openSelected() {
    int i = lstMain0.listIndex();
    if (i < 0 || i >= static_cast<int>(m_p.s.StartKeys.size()))
        return;
    std::string key = m_p.s.StartKeys[static_cast<size_t>(i)];
    if (!key.empty())
        startDispatch(m_p, key, i);
}

} // namespace catalogue
