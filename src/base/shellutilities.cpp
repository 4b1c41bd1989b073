#include "base/shellutilities.h"

#include <QDir>

QString LookupTextByKey(int key, const QList<int> &keys, const QStringList &texts)
{
    for (qsizetype i = keys.size() - 1; i >= 0; --i) {
        if (keys.at(i) == key)
            return i < texts.size() ? texts.at(i) : QString();
    }
    return QString();
}

void ListFolderFiles(QStringList &list, const QString &folder, const QString &mask)
{
    list.clear();
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return;

    // "*.*" is the "every entry" mask; as a name filter it would demand a dot.
    const QString filter = mask == QLatin1String("*.*") ? QStringLiteral("*") : mask;
    const bool isRoot = dir.isRoot();
    // Without QDir::CaseSensitive the name filters ignore case.
    QDir::Filters filters = QDir::AllEntries | QDir::Hidden | QDir::System;
    if (isRoot)
        filters |= QDir::NoDotAndDotDot;
    dir.setFilter(filters);
    dir.setNameFilters({filter});
    dir.setSorting(QDir::Name | QDir::IgnoreCase);

    QString prefix = folder;
    if (!prefix.endsWith(QLatin1Char('/')))
        prefix += QLatin1Char('/');
    const QStringList names = dir.entryList();
    for (const QString &name : names)
        list.append(prefix + name);
}
