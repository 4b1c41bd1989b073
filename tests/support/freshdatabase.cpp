#include "freshdatabase.h"

#include "reports/exportstaging.h"
#include "store/jetconnectionstring.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

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

bool IsAccessFile(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) && f.read(20).mid(4, 15) == "Standard Jet DB";
}

QString AccessFileExec(const QString &file, const QString &statement)
{
    QTemporaryDir dir;
    const QString staging = dir.filePath(QStringLiteral("exec.sqlite"));
    TOpStatus status = LoadAccessIntoStaging(file, staging);
    if (!status.ok())
        return status.error;
    const QStringList result = FileColumn(staging, statement);
    if (!result.isEmpty() && result.first().startsWith(QLatin1String("error: ")))
        return result.first();
    status = WriteStagingAsAccess(staging, file);
    return status.error;
}

QStringList FileColumn(const QString &file, const QString &select)
{
    if (IsAccessFile(file)) {
        QTemporaryDir dir;
        const QString staging = dir.filePath(QStringLiteral("peek.sqlite"));
        const TOpStatus loaded = LoadAccessIntoStaging(file, staging);
        if (!loaded.ok())
            return {QStringLiteral("error: ") + loaded.error};
        return FileColumn(staging, select);
    }
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
