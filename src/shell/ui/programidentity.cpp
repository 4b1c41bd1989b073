#include "shell/ui/programidentity.h"

#include <QApplication>
#include <QIcon>
#include <QString>

QIcon ProgramIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/velmor-48.png"));
    icon.addFile(QStringLiteral(":/icons/velmor-256.png"));
    return icon;
}

QString DesktopFileName()
{
    return QStringLiteral(VLM_APP_ID);
}

void DeclareProgramIdentity()
{
    QGuiApplication::setDesktopFileName(DesktopFileName());
    QApplication::setWindowIcon(ProgramIcon());
}
