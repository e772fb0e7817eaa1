#include "Application.h"

#include "AppTitle.h"

#include <QApplication>
#include <QIcon>

namespace tarvik {

QIcon ProgramIcon()
{
    return QIcon::fromTheme(QString::fromLatin1(DesktopFileName), QIcon(QStringLiteral(":/icons/tarvik.svg")));
}

void PrepareApplication()
{
    QApplication::setApplicationName(QString::fromUtf8(AppTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(ProjectVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopFileName));
    QApplication::setWindowIcon(ProgramIcon());
}

} // namespace tarvik
