#include "store/jetconnectionstring.h"

#include <QStringList>

namespace
{
const QString EmptyQuoted = QStringLiteral("\"\"");
}

QString JetConnectionString(const QString &dataSource, const QString &password)
{
    const QStringList pairs = {
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0"),
        QStringLiteral("User ID=Admin"),
        QStringLiteral("Data Source=") + dataSource,
        QStringLiteral("Mode=ReadWrite"),
        QStringLiteral("Extended Properties=") + EmptyQuoted,
        QStringLiteral("Jet OLEDB:System database=") + EmptyQuoted,
        QStringLiteral("Jet OLEDB:Registry Path=") + EmptyQuoted,
        QStringLiteral("Jet OLEDB:Database Password=") +
            (password.isEmpty() ? EmptyQuoted : password),
        QStringLiteral("Jet OLEDB:Engine Type=5"),
        QStringLiteral("Jet OLEDB:Database Locking Mode=1"),
        QStringLiteral("Jet OLEDB:Global Partial Bulk Ops=2"),
        QStringLiteral("Jet OLEDB:Global Bulk Transactions=1"),
        QStringLiteral("Jet OLEDB:New Database Password=") + EmptyQuoted,
        QStringLiteral("Jet OLEDB:Create System Database=False"),
        QStringLiteral("Jet OLEDB:Encrypt Database=False"),
        QStringLiteral("Jet OLEDB:Don't Copy Locale on Compact=False"),
        QStringLiteral("Jet OLEDB:Compact Without Replica Repair=False"),
        QStringLiteral("Jet OLEDB:SFP=False"),
    };
    return pairs.join(QLatin1Char(';'));
}

QString MainConnectionString(const QString &databaseFolder)
{
    return JetConnectionString(databaseFolder + QStringLiteral("VlmMain.mdb"),
                               QString::fromLatin1(MainDatabasePassword));
}

QString ExportConnectionString(const QString &exportFile)
{
    return JetConnectionString(exportFile, QString());
}

QString ConnectionStringValue(const QString &connectionString, const QString &key)
{
    // Values never contain ";" except a path could: a pair is split at its
    // first "=", and a Data Source keeps everything up to the next known key.
    const QStringList pairs = connectionString.split(QLatin1Char(';'));
    for (int i = 0; i < pairs.size(); ++i) {
        const int eq = pairs[i].indexOf(QLatin1Char('='));
        if (eq < 0 || pairs[i].left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        QString value = pairs[i].mid(eq + 1);
        // A path with ";" in it: glue the pieces that have no "=" of their own.
        for (int j = i + 1; j < pairs.size() && !pairs[j].contains(QLatin1Char('=')); ++j)
            value += QLatin1Char(';') + pairs[j];
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
            value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return QString();
}
