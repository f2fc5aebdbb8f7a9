// The Tessary desktop program: the screen model rendered with Qt Widgets,
// the library read from the current directory, the zoom kept in the user's
// settings.
#include <QApplication>
#include <QMainWindow>
#include <QSettings>

#include "app/program.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_view.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessary"));
    QApplication::setApplicationName(QStringLiteral("Tessary"));
    QSettings settings;
    ui::qt::QtDialogs dialogs;
    app::Program program(dialogs, ".");
    // The view exists before the entry procedure so that it sees every
    // window being loaded.
    ui::qt::QtView view(
        program.screen(), [&program] { return program.ended(); }, &settings);
    dialogs.setParentWidget(view.mainWindow());
    app::entry(program);
    if (program.ended())
        return 0;
    view.mainWindow()->show();
    view.sync();
    return QApplication::exec();
}
