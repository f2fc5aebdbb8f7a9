#include "ui/qt/identity.h"

#include <QApplication>
#include <QIcon>

namespace ui::qt {

void setIdentity(const QString& applicationId, const QString& iconFile) {
    QApplication::setOrganizationName(QStringLiteral("Tessary"));
    QApplication::setApplicationName(QStringLiteral("Tessary"));
    QGuiApplication::setDesktopFileName(applicationId);
    QApplication::setWindowIcon(QIcon::fromTheme(applicationId, QIcon(iconFile)));
}

} // namespace ui::qt
