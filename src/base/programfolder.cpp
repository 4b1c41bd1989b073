#include "base/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace
{
QString &overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void SetProgramFolder(const QString &folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

QString ProgramFile(const QString &fileName)
{
    return QDir(ProgramFolder()).filePath(fileName);
}
