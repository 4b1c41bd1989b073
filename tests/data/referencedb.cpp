#include "referencedb.h"

#include "reports/exportstaging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace
{

void EnsureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "test_reference_data";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

int g_nextConnection = 0;

} // namespace

ReferenceDb::ReferenceDb(const QString &source)
    : m_connection(QStringLiteral("referencedb%1").arg(++g_nextConnection))
{
    EnsureApplication();
    const QString copy = QDir(m_dir.path()).filePath(QFileInfo(source).fileName());
    QFile file(source);
    const bool access =
        file.open(QIODevice::ReadOnly) && file.read(20).mid(4, 15) == "Standard Jet DB";
    file.close();
    if (access) {
        // The regulator's template: its tables as the export's staging database has them.
        if (!LoadAccessIntoStaging(source, copy).ok())
            return;
    } else {
        if (!QFile::copy(source, copy))
            return;
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(copy);
    db.open();
}

ReferenceDb::~ReferenceDb()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool ReferenceDb::isOpen() const
{
    return QSqlDatabase::database(m_connection, false).isOpen();
}

QVector<QVector<QVariant>> ReferenceDb::rows(const QString &sql) const
{
    QVector<QVector<QVariant>> result;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(sql))
        return result;
    while (query.next()) {
        QVector<QVariant> row;
        for (int i = 0; i < query.record().count(); ++i)
            row.append(query.value(i));
        result.append(row);
    }
    return result;
}

QVariant ReferenceDb::value(const QString &sql) const
{
    const auto all = rows(sql);
    return all.isEmpty() || all.first().isEmpty() ? QVariant() : all.first().first();
}

QString ReferenceDb::exec(const QString &sql, int *rowsAffected) const
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(sql))
        return query.lastError().text().isEmpty() ? QStringLiteral("failed")
                                                  : query.lastError().text();
    if (rowsAffected)
        *rowsAffected = query.numRowsAffected();
    return {};
}

bool ParseCommaNumber(const QString &text, double *value)
{
    QString t = text.trimmed();
    if (t.contains(QLatin1Char('.')))
        return false;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    *value = t.toDouble(&ok);
    return ok;
}
