#include "app/wiring.h"

#include "app/layout.h"
#include "app/program.h"
#include "catalogue/page_history.h"
#include "shell/frm_main.h"

namespace app {

void wireMainWindow(Program& p, shell::FrmMain& main) {
    main.mnuQuitWith.onClick = [&p] { catalogue::quitWithSaving(p); };
    main.mnuDeleteHistory.onClick = [&p] { catalogue::quitDeletingHistory(p); };
    main.mnuOptionDelete.onClick = [&p] { catalogue::deleteHistory(p); };
    main.onResized = [&p] { fitChildren(p); };
    main.mayClose = [&p] { return catalogue::closingMainWindow(p); };
}

} // namespace app
