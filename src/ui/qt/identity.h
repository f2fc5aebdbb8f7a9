// The program's names and icon as the desktop knows them: the settings are
// stored under the names, the desktop entry is matched by the application
// id, and the window manager shows the icon (the icon theme's, else the one
// given).
#pragma once

#include <QString>

namespace ui::qt {

void setIdentity(const QString& applicationId, const QString& iconFile);

} // namespace ui::qt
