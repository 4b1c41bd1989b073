#include "outputfiles.h"

#include "reports/exportstaging.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <zip.h>

namespace
{
bool IsAccessFile(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) && f.read(20).mid(4, 15) == "Standard Jet DB";
}

// Runs work on a connection of its own to the file, closed and removed afterwards.
// An Access file is read through a SQLite copy made by the export's staging loader.
void WithDatabase(const QString &file, const std::function<void(QSqlDatabase &)> &work)
{
    if (IsAccessFile(file)) {
        QTemporaryDir dir;
        const QString staging = dir.filePath(QStringLiteral("peek.sqlite"));
        const TOpStatus loaded = LoadAccessIntoStaging(file, staging);
        if (loaded.ok())
            WithDatabase(staging, work);
        else
            qWarning("cannot read %s: %s", qPrintable(file), qPrintable(loaded.error));
        return;
    }
    const QString name = QStringLiteral("e2e-peek");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open())
            work(db);
        else
            qWarning("cannot open %s: %s", qPrintable(file), qPrintable(db.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
} // namespace

QStringList FolderFiles(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QMap<QString, QStringList> DatabaseRows(const QString &file)
{
    QMap<QString, QStringList> tables;
    WithDatabase(file, [&tables](QSqlDatabase &db) {
        for (const QString &table : db.tables(QSql::Tables)) {
            QSqlQuery q(db);
            QStringList &rows = tables[table];
            if (!q.exec(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table))) {
                rows << QStringLiteral("error: ") + q.lastError().text();
                continue;
            }
            while (q.next()) {
                QStringList values;
                for (int c = 0; c < q.record().count(); ++c)
                    values << (q.isNull(c) ? QStringLiteral("NULL") : q.value(c).toString());
                rows << values.join(QStringLiteral(" | "));
            }
        }
    });
    return tables;
}

QStringList DatabaseColumn(const QString &file, const QString &select)
{
    QStringList values;
    WithDatabase(file, [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        if (!q.exec(select)) {
            values << QStringLiteral("error: ") + q.lastError().text();
            return;
        }
        while (q.next())
            values << q.value(0).toString();
    });
    return values;
}

QString DatabaseExec(const QString &file, const QString &statement)
{
    QString error = QStringLiteral("not opened");
    WithDatabase(file, [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        error = q.exec(statement) ? QString() : q.lastError().text();
    });
    return error;
}

ZipContent ReadZip(const QString &archive)
{
    ZipContent content;
    int code = 0;
    const std::unique_ptr<zip_t, int (*)(zip_t *)> zip(
        zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code),
        zip_close);
    if (!zip) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        content.error = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        return content;
    }
    int length = 0;
    if (const char *comment = zip_get_archive_comment(zip.get(), &length, ZIP_FL_ENC_GUESS))
        content.comment = QString::fromUtf8(comment, length);
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(zip.get(), zip_uint64_t(i), 0, &stat) != 0) {
            content.error = QStringLiteral("entry %1 unreadable").arg(i);
            return content;
        }
        QByteArray data(qsizetype(stat.size), '\0');
        zip_file_t *entry = zip_fopen_index(zip.get(), zip_uint64_t(i), 0);
        const zip_int64_t read = entry ? zip_fread(entry, data.data(), stat.size) : -1;
        if (entry)
            zip_fclose(entry);
        if (read != zip_int64_t(stat.size)) {
            content.error =
                QStringLiteral("entry %1 could not be read").arg(QString::fromUtf8(stat.name));
            return content;
        }
        content.entries.insert(QString::fromUtf8(stat.name), data);
    }
    content.ok = true;
    return content;
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
