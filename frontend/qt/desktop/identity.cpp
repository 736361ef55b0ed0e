#include "frontend/qt/desktop/identity.h"

#include <QDirIterator>
#include <QGuiApplication>

#include "resources/version.h"

QIcon ProgramIcon() {
    QIcon icon;
    for (QDirIterator it(QStringLiteral(":/skalor/icons")); it.hasNext();) icon.addFile(it.next());
    return icon;
}

void SetDesktopIdentity() {
    QGuiApplication::setApplicationName(QStringLiteral("Skalor"));
    QGuiApplication::setApplicationVersion(QStringLiteral(SKALOR_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(SKALOR_APP_ID));
    QGuiApplication::setWindowIcon(ProgramIcon());
}
