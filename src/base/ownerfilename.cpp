#include "base/ownerfilename.h"

#include <QDir>

QString OwnerFileName(const QString &call, const QString &suffix)
{
    QString name = call + suffix;
    for (QChar &c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    return name;
}

QString OwnerFilePath(const QString &userDirectory, const QString &call, const QString &suffix)
{
    const QString name = OwnerFileName(call, suffix);
    if (userDirectory.trimmed().isEmpty())
        return name;
    return QDir(QDir::fromNativeSeparators(userDirectory)).filePath(name);
}
