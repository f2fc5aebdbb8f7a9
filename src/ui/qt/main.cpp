// The Tessary desktop program: the screen model rendered with Qt Widgets, the
// zoom kept in the user's settings. The library is the current folder when it
// holds a start list, else the program's own library; the reader's files go
// with it or into the reader's data folder (app/launch.h).
#include <QApplication>
#include <QMainWindow>
#include <QSettings>

#include "app/launch.h"
#include "app/program.h"
#include "platform/data_folder.h"
#include "ui/qt/identity.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_view.h"

namespace {

// Compiled in by the build (src/ui/qt/CMakeLists.txt).
const platform::LibraryLocations kLibrary{TESSARY_BUILD_FOLDER, TESSARY_SOURCE_LIBRARY,
                                          TESSARY_INSTALLED_LIBRARY};

} // namespace

int main(int argc, char** argv) {
    // A save past the file size limit is reported rather than ending Tessary.
    platform::failWritesPastTheSizeLimit();
    QApplication app(argc, argv);
    // The application id names the menu entry, the icon and the metadata.
    ui::qt::setIdentity(QStringLiteral(TESSARY_APP_ID), QStringLiteral(TESSARY_SOURCE_ICON));
    QSettings settings;
    ui::qt::QtDialogs dialogs;
    const app::Launch launch = app::prepareLaunch(platform::environmentOfProcess(), kLibrary);
    app::Program program(dialogs, launch.places.library, launch.places.readerFiles);
    // The view exists before the entry procedure so that it sees every
    // window being loaded.
    ui::qt::QtView view(
        program.screen(), [&program] { return program.ended(); }, &settings);
    dialogs.setParentWidget(view.mainWindow());
    app::launch(program, launch);
    if (program.ended())
        return 0;
    view.mainWindow()->show();
    view.sync();
    return QApplication::exec();
}
