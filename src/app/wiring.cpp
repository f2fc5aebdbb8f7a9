#include "app/wiring.h"

#include "app/layout.h"
#include "app/program.h"
#include "catalogue/book_language.h"
#include "catalogue/page_history.h"
#include "reader/frm_text1.h"
#include "search/frm_find6.h"
#include "shell/frm_main.h"
#include "study/show_verse.h"

namespace app {

void wireMainWindow(Program& p, shell::FrmMain& main) {
    main.mnuQuitWith.onClick = [&p] { catalogue::quitWithSaving(p); };
    main.mnuDeleteHistory.onClick = [&p] { catalogue::quitDeletingHistory(p); };
    main.mnuOptionDelete.onClick = [&p] { catalogue::deleteHistory(p); };
    main.onResized = [&p] { fitChildren(p); };
    main.mayClose = [&p] { return catalogue::closingMainWindow(p); };
}

void wireReadingWindow(Program& p, reader::FrmText1& reading) {
    reading.onVerse = [&p] { study::openVerse(p); };
    reading.bookLanguage = [&p](const std::string& bookFile) {
        return catalogue::bookLanguage(p, bookFile);
    };
}

void wireSearchWindow(reader::FrmText1& reading, search::FrmFind6& find) {
    reading.onFind = [&find] { find.openFromReadingWindow(); };
}

} // namespace app
