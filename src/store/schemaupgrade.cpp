#include "store/schemaupgrade.h"

#include "store/jetconnection.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace
{

bool TableExists(const TJetConnection &connection, const QString &table)
{
    return connection.database().tables().contains(table, Qt::CaseInsensitive);
}

bool HasColumn(const TJetConnection &connection, const QString &table, const QString &column)
{
    return connection.database().record(table).contains(column);
}

} // namespace

QString UpgradeMainSchema(TJetConnection &connection)
{
    const QString station = QStringLiteral("tblStation");
    if (!TableExists(connection, station) || HasColumn(connection, station, SimultaneousColumn))
        return QString();
    // One statement: SQLite adds the column to every row with its default.
    if (!connection.exec(QStringLiteral("ALTER TABLE tblStation ADD COLUMN AntennasSimTx "
                                        "INTEGER NOT NULL DEFAULT 1")))
        return connection.lastErrorText();
    return QString();
}
