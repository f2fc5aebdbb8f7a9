#include "app/program.h"

#include "app/control_names.h"
#include "app/frm_arrays.h"
#include "app/wiring.h"
#include "catalogue/frm_list0.h"
#include "catalogue/frm_list1.h"
#include "catalogue/frm_list2.h"
#include "catalogue/frm_select.h"
#include "formats/letter_case.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_page.h"
#include "reader/frm_text1.h"
#include "search/frm_find6.h"
#include "shell/frm_main.h"
#include "shell/frm_msg.h"
#include "shell/frm_text0.h"
#include "study/frm_text3.h"

namespace app {

namespace {
template <typename W>
W& loaded(const std::unique_ptr<W>& w) {
    w->load();
    return *w;
}
} // namespace

// Every window object exists from the start so that it can be looked up by
// name; a window is loaded (its Load handler run) on first use.
Program::Program(ui::Dialogs& dialogs, const std::string& dataFolder)
    : Program(dialogs, dataFolder, dataFolder) {}

Program::Program(ui::Dialogs& dialogs, const std::string& libraryFolder,
                 const std::string& readerFolder)
    : m_screen(dialogs), m_data(libraryFolder, formats::lowerText),
      m_readerFiles(readerFolder, formats::lowerText),
      m_frmMain(std::make_unique<shell::FrmMain>(*this)),
      m_frmList0(std::make_unique<catalogue::FrmList0>(*this)),
      m_frmList1(std::make_unique<catalogue::FrmList1>(*this)),
      m_frmList2(std::make_unique<catalogue::FrmList2>(*this)),
      m_frmSelectA(std::make_unique<catalogue::FrmSelect>(*this, "frmSelectA")),
      m_frmSelectP(std::make_unique<catalogue::FrmSelect>(*this, "frmSelectP")),
      m_frmtext0(std::make_unique<shell::FrmText0>(m_screen)),
      m_frmtext2(std::make_unique<shell::FrmText2>(m_screen)),
      m_frmMsg(std::make_unique<shell::FrmMsg>(m_screen)),
      m_frmArrays(std::make_unique<FrmArrays>(m_screen)),
      m_frmText1(std::make_unique<reader::FrmText1>(*this)),
      m_frmPage(std::make_unique<reader::FrmPage>(*this)),
      m_frmBkMrk(std::make_unique<reader::FrmBkMrk>(*this)),
      m_frmText3(std::make_unique<study::FrmText3>(*this)),
      m_frmFind6(std::make_unique<search::FrmFind6>(*this)) {
    wireMainWindow(*this, *m_frmMain);
    wireReadingWindow(*this, *m_frmText1);
    wireSearchWindow(*m_frmText1, *m_frmFind6);
    nameControls(*this);
}

Program::~Program() = default;

ui::Answer Program::message(const std::string& text, ui::Buttons buttons, ui::Icon icon) {
    return m_screen.message(text, buttons, icon);
}

ui::Window* Program::window(const std::string& name) const {
    return m_screen.find(name);
}

shell::FrmMain& Program::frmMain() {
    return loaded(m_frmMain);
}
catalogue::FrmList0& Program::frmList0() {
    return loaded(m_frmList0);
}
catalogue::FrmList1& Program::frmList1() {
    return loaded(m_frmList1);
}
catalogue::FrmList2& Program::frmList2() {
    return loaded(m_frmList2);
}
catalogue::FrmSelect& Program::frmSelectA() {
    return loaded(m_frmSelectA);
}
catalogue::FrmSelect& Program::frmSelectP() {
    return loaded(m_frmSelectP);
}
shell::FrmText0& Program::frmtext0() {
    return loaded(m_frmtext0);
}
shell::FrmText2& Program::frmtext2() {
    return loaded(m_frmtext2);
}
shell::FrmMsg& Program::frmMsg() {
    return loaded(m_frmMsg);
}
FrmArrays& Program::frmArrays() {
    return loaded(m_frmArrays);
}
reader::FrmText1& Program::frmText1() {
    return loaded(m_frmText1);
}
reader::FrmPage& Program::frmPage() {
    return loaded(m_frmPage);
}
reader::FrmBkMrk& Program::frmBkMrk() {
    return loaded(m_frmBkMrk);
}
study::FrmText3& Program::frmText3() {
    return loaded(m_frmText3);
}
search::FrmFind6& Program::frmFind6() {
    return loaded(m_frmFind6);
}

} // namespace app
