#include "app/launch.h"

#include "app/program.h"
#include "catalogue/page_history.h"

namespace app {

Launch prepareLaunch(const platform::Environment& env, const platform::LibraryLocations& where) {
    Launch l;
    l.places = platform::choosePlaces(env, where);
    if (!l.places.readerFiles.empty())
        l.readerFolder = platform::makeFolder(l.places.readerFiles, &l.why);
    return l;
}

void launch(Program& p, const Launch& l) {
    if (l.places.readerFiles.empty()) {
        // Without a home the reader's files would land wherever the program
        // was started; better not to start.
        p.message("Tessary cannot find a folder for the reader's files: neither XDG_DATA_HOME "
                  "nor HOME names an absolute folder.");
        p.end();
        return;
    }
    if (l.readerFolder == platform::FolderState::Created)
        // Not told when it fails: the first save of the history tries again.
        (void)p.readerFile(catalogue::kHistoryFile).writeAtomic("");
    if (l.readerFolder == platform::FolderState::Failed)
        p.message("The folder for the page history and the book marks could not be made: " + l.why +
                      ". They cannot be saved.",
                  ui::Buttons::OK, ui::Icon::Exclamation);
    entry(p);
}

} // namespace app
