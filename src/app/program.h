// The running program: the shared state, the library's folder and the
// folder of the reader's own files, the screen with every window as a single
// instance, and the message boxes.
#pragma once

#include <memory>
#include <string>

#include "app/state.h"
#include "platform/data_folder.h"
#include "ui/screen.h"

namespace ui {
class Window;
}

namespace shell {
class FrmMain;
class FrmText0;
class FrmText2;
class FrmMsg;
} // namespace shell
namespace catalogue {
class FrmList0;
class FrmList1;
class FrmList2;
class FrmSelect;
} // namespace catalogue
namespace reader {
class FrmText1;
class FrmPage;
class FrmBkMrk;
} // namespace reader
namespace study {
class FrmText3;
}
namespace search {
class FrmFind6;
}

namespace app {

class FrmArrays;

class Program {
public:
    // The library and the reader's files in one folder (a portable library).
    Program(ui::Dialogs& dialogs, const std::string& dataFolder);
    Program(ui::Dialogs& dialogs, const std::string& libraryFolder,
            const std::string& readerFolder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    State s;
    ui::Screen& screen() { return m_screen; }
    // The library: every file the program reads but never writes.
    const platform::DataFolder& data() const { return m_data; }

    // A file of the reader's own that the program keeps between runs: the
    // page history, the bookmarks. Every one is named through here, so that
    // where they live is decided in this one place: the folder of the
    // reader's files given when the program was made.
    platform::FolderFile readerFile(const std::string& name) const {
        return {m_readerFiles, s.DataPath + name};
    }
    // Replaces the reader's file name with content, unless unread (why it
    // could not be read at start) is set: such a file may hold what the
    // reader made and is left as it is for the whole run. False, with the
    // reason in why, when the file was not replaced.
    bool replaceReaderFile(const std::string& name, const std::string& unread,
                           const std::string& content, std::string* why) const {
        if (!unread.empty()) {
            if (why)
                *why = "it could not be read when Tessary started (" + unread +
                       ") and is left as it is";
            return false;
        }
        return readerFile(name).writeAtomic(content, why);
    }

    // Shows a message box titled "Tessary".
    ui::Answer message(const std::string& text, ui::Buttons buttons = ui::Buttons::OK,
                       ui::Icon icon = ui::Icon::None);

    // A window by name without loading it; null for an unknown name.
    ui::Window* window(const std::string& name) const;

    // Each accessor loads its window on first use, running its Load handler.
    shell::FrmMain& frmMain();
    catalogue::FrmList0& frmList0();
    catalogue::FrmList1& frmList1();
    catalogue::FrmList2& frmList2();
    catalogue::FrmSelect& frmSelectA();
    catalogue::FrmSelect& frmSelectP();
    shell::FrmText0& frmtext0();
    shell::FrmText2& frmtext2();
    shell::FrmMsg& frmMsg();
    FrmArrays& frmArrays();
    reader::FrmText1& frmText1();
    reader::FrmPage& frmPage();
    reader::FrmBkMrk& frmBkMrk();
    study::FrmText3& frmText3();
    search::FrmFind6& frmFind6();

    // Ends the program at once; the front end then closes.
    void end() { m_ended = true; }
    bool ended() const { return m_ended; }

private:
    ui::Screen m_screen;
    platform::DataFolder m_data;
    platform::DataFolder m_readerFiles;
    bool m_ended = false;
    std::unique_ptr<shell::FrmMain> m_frmMain;
    std::unique_ptr<catalogue::FrmList0> m_frmList0;
    std::unique_ptr<catalogue::FrmList1> m_frmList1;
    std::unique_ptr<catalogue::FrmList2> m_frmList2;
    std::unique_ptr<catalogue::FrmSelect> m_frmSelectA;
    std::unique_ptr<catalogue::FrmSelect> m_frmSelectP;
    std::unique_ptr<shell::FrmText0> m_frmtext0;
    std::unique_ptr<shell::FrmText2> m_frmtext2;
    std::unique_ptr<shell::FrmMsg> m_frmMsg;
    std::unique_ptr<FrmArrays> m_frmArrays;
    std::unique_ptr<reader::FrmText1> m_frmText1;
    std::unique_ptr<reader::FrmPage> m_frmPage;
    std::unique_ptr<reader::FrmBkMrk> m_frmBkMrk;
    std::unique_ptr<study::FrmText3> m_frmText3;
    std::unique_ptr<search::FrmFind6> m_frmFind6;
};

// The entry procedure: empties DataPath and runs Main2.
void entry(Program& p);
// Start-up: the filler, the abbreviation table, the page history, the start window.
void Main2(Program& p);

} // namespace app
