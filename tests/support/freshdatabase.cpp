#include "freshdatabase.h"

#include "store/jetconnectionstring.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

bool CopyWritable(const QString &from, const QString &to)
{
    QFile::remove(to);
    if (!QFile::copy(from, to))
        return false;
    return QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
}

std::unique_ptr<TdtmMain> OpenFreshMainDatabase(const QString &sourceFile, const QString &folder,
                                                QString *error)
{
    const QString file = QDir(folder).filePath(QStringLiteral("VlmMain.mdb"));
    if (!CopyWritable(sourceFile, file)) {
        if (error)
            *error = QStringLiteral("cannot copy %1 to %2").arg(sourceFile, file);
        return nullptr;
    }
    auto dm = std::make_unique<TdtmMain>();
    QString withSeparator = folder;
    if (!withSeparator.endsWith(QLatin1Char('/')))
        withSeparator += QLatin1Char('/');
    dm->conMainDb->setConnectionString(MainConnectionString(withSeparator));
    if (!dm->conMainDb->open()) {
        if (error)
            *error = dm->conMainDb->lastErrorText();
        return nullptr;
    }
    return dm;
}

FixtureSqlResult RunFixtureSql(const QSqlDatabase &db, const QString &text)
{
    FixtureSqlResult result;
    QSqlQuery q(db);
    result.ok = q.exec(text);
    if (!result.ok) {
        result.error = text + QStringLiteral(": ") + q.lastError().text();
        return result;
    }
    result.rowId = q.lastInsertId().toInt();
    if (q.isSelect() && q.next())
        result.firstValue = q.value(0);
    return result;
}

QStringList FixtureColumn(const QSqlDatabase &db, const QString &text, QString *error)
{
    QSqlQuery q(db);
    QStringList values;
    if (!q.exec(text)) {
        if (error)
            *error = text + QStringLiteral(": ") + q.lastError().text();
        return values;
    }
    while (q.next())
        values << q.value(0).toString();
    return values;
}

void EnsureTestApplication()
{
    static int argc = 1;
    static char name[] = "vlm_test";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        static QCoreApplication app(argc, argv);
}

QStringList TakeIssuedStatements(TdtmMain &dm)
{
    QStringList lines;
    for (QString s : dm.ExecutedStatements())
        lines << s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    dm.ClearExecutedStatements();
    return lines;
}

QStringList FileColumn(const QString &file, const QString &select)
{
    const QString name = QStringLiteral("fixture-peek");
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery q(db);
            if (!q.exec(select))
                rows << QStringLiteral("error: ") + q.lastError().text();
            while (q.next())
                rows << q.value(0).toString();
        } else {
            rows << QStringLiteral("error: ") + db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}
