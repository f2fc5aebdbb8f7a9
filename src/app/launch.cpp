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
        p.readerFiles().writeAtomic(catalogue::kHistoryFile, "");
    if (l.readerFolder == platform::FolderState::Failed)
        p.message("Could not make the folder for the reader's files: " + l.why +
                  ". The page history and the bookmarks cannot be saved.");
    entry(p);
}

} // namespace app
