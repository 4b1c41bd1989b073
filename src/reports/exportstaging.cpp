#include "reports/exportstaging.h"

#include "jet4/jet4reader.h"
#include "jet4/jet4writer.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <cmath>

namespace
{

TAccessFileWriter g_writer;

QString Quoted(const QString &name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// A private connection to one SQLite file, removed when done.
class StagingConnection
{
public:
    explicit StagingConnection(const QString &file)
        : m_name(QStringLiteral("staging-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(file);
        m_open = db.open();
        m_error = db.lastError().text();
    }
    ~StagingConnection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    StagingConnection(const StagingConnection &) = delete;
    StagingConnection &operator=(const StagingConnection &) = delete;

    bool isOpen() const { return m_open; }
    QString error() const { return m_error; }
    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
    bool m_open = false;
    QString m_error;
};

QVariant ToVariant(const jet4::Value &value)
{
    if (const auto *i = std::get_if<std::int64_t>(&value))
        return QVariant(static_cast<qlonglong>(*i));
    if (const auto *d = std::get_if<double>(&value))
        return QVariant(*d);
    if (const auto *s = std::get_if<std::string>(&value))
        return QVariant(QString::fromStdString(*s));
    if (const auto *b = std::get_if<jet4::Bytes>(&value))
        return QVariant(
            QByteArray(reinterpret_cast<const char *>(b->data()), static_cast<int>(b->size())));
    return QVariant();
}

bool IsWhole(double d)
{
    return std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 9.2e18;
}

// A staging value as the Access column takes it; the error text says what is wrong.
QString FromVariant(const QVariant &variant, const jet4::Column &column, jet4::Value &value)
{
    value = jet4::Value{};
    if (variant.isNull())
        return {};
    const QMetaType::Type kind = static_cast<QMetaType::Type>(variant.typeId());
    const bool integer = kind == QMetaType::LongLong || kind == QMetaType::Int ||
                         kind == QMetaType::ULongLong || kind == QMetaType::UInt ||
                         kind == QMetaType::Bool;
    const bool real = kind == QMetaType::Double;
    switch (column.type) {
    case jet4::ColumnType::Boolean:
    case jet4::ColumnType::Byte:
    case jet4::ColumnType::Integer:
    case jet4::ColumnType::Long:
        if (integer) {
            value = static_cast<std::int64_t>(variant.toLongLong());
        } else if (real && IsWhole(variant.toDouble())) {
            value = static_cast<std::int64_t>(variant.toDouble());
        } else if (real && column.type == jet4::ColumnType::Boolean) {
            value = std::int64_t{variant.toDouble() != 0 ? 1 : 0};
        } else {
            return QCoreApplication::translate("ExportStaging",
                                               "\"%1\" where a whole number belongs")
                .arg(variant.toString());
        }
        return {};
    case jet4::ColumnType::Currency:
    case jet4::ColumnType::Single:
    case jet4::ColumnType::Double:
    case jet4::ColumnType::DateTime:
        if (!integer && !real)
            return QCoreApplication::translate("ExportStaging", "\"%1\" where a number belongs")
                .arg(variant.toString());
        value = variant.toDouble();
        return {};
    case jet4::ColumnType::Text:
    case jet4::ColumnType::Memo:
        value = variant.toString().toStdString();
        return {};
    default: {
        const QByteArray bytes = variant.toByteArray();
        value = jet4::Bytes(bytes.begin(), bytes.end());
        return {};
    }
    }
}

TOpStatus ReadStagingTable(QSqlDatabase db, const QString &name, jet4::Table &table)
{
    table.name = name.toStdString();
    QSqlQuery info(db);
    if (!info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(Quoted(name))))
        return {info.lastError().text()};
    int keys = 0;
    while (info.next()) {
        jet4::Column column;
        column.name = info.value(1).toString().toStdString();
        const QString declared = info.value(2).toString();
        if (!AccessColumnFromDeclaredType(declared, column))
            return {QCoreApplication::translate(
                        "ExportStaging",
                        "Column %1 of table %2 has the type \"%3\", which an Access database "
                        "cannot hold.")
                        .arg(info.value(1).toString(), name, declared)};
        if (info.value(5).toInt() > 0) {
            ++keys;
            table.primaryKey = table.columns.size();
        }
        table.columns.push_back(column);
    }
    if (keys > 1)
        table.primaryKey.reset(); // a key of several columns is not carried over

    QSqlQuery rows(db);
    rows.setForwardOnly(true);
    if (!rows.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(Quoted(name))) &&
        !rows.exec(QStringLiteral("SELECT * FROM %1").arg(Quoted(name))))
        return {rows.lastError().text()};
    while (rows.next()) {
        std::vector<jet4::Value> row(table.columns.size());
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            const QString why =
                FromVariant(rows.value(static_cast<int>(c)), table.columns[c], row[c]);
            if (!why.isEmpty())
                return {QCoreApplication::translate("ExportStaging", "Table %1, column %2: %3")
                            .arg(name, QString::fromStdString(table.columns[c].name), why)};
        }
        table.rows.push_back(std::move(row));
    }
    return {};
}

} // namespace

QString StagingDeclaredType(const jet4::Column &column)
{
    switch (column.type) {
    case jet4::ColumnType::Boolean:
        return QStringLiteral("BOOLEAN");
    case jet4::ColumnType::Byte:
        return QStringLiteral("TINYINT");
    case jet4::ColumnType::Integer:
        return QStringLiteral("SMALLINT");
    case jet4::ColumnType::Long:
        return column.autoNumber ? QStringLiteral("INTEGER COUNTER") : QStringLiteral("INTEGER");
    case jet4::ColumnType::Currency:
        return QStringLiteral("CURRENCY");
    case jet4::ColumnType::Single:
        return QStringLiteral("FLOAT4");
    case jet4::ColumnType::Double:
        return QStringLiteral("DOUBLE");
    case jet4::ColumnType::DateTime:
        return QStringLiteral("DATETIME");
    case jet4::ColumnType::Binary:
        return QStringLiteral("VARBINARY(%1)").arg(column.size == 0 ? 510 : column.size);
    case jet4::ColumnType::Text:
        return QStringLiteral("VARCHAR(%1)").arg(column.size == 0 ? 255 : column.size);
    case jet4::ColumnType::OLE:
        return QStringLiteral("LONGBLOB");
    case jet4::ColumnType::Memo:
        return QStringLiteral("LONGTEXT");
    case jet4::ColumnType::Guid:
        return QStringLiteral("GUID");
    }
    return QString();
}

bool AccessColumnFromDeclaredType(const QString &declared, jet4::Column &column)
{
    static const QRegularExpression shape(
        QStringLiteral("^\\s*([A-Z0-9]+)(?:\\s+(COUNTER))?\\s*(?:\\(\\s*(\\d+)\\s*\\))?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = shape.match(declared);
    if (!match.hasMatch())
        return false;
    const QString name = match.captured(1).toUpper();
    const bool counter = !match.captured(2).isEmpty();
    const bool hasSize = !match.captured(3).isEmpty();
    const int size = match.captured(3).toInt();
    column.autoNumber = false;
    column.size = 0;
    struct Name {
        const char *name;
        jet4::ColumnType type;
    };
    static const Name names[] = {
        {"BOOLEAN", jet4::ColumnType::Boolean},   {"BIT", jet4::ColumnType::Boolean},
        {"YESNO", jet4::ColumnType::Boolean},     {"TINYINT", jet4::ColumnType::Byte},
        {"BYTE", jet4::ColumnType::Byte},         {"SMALLINT", jet4::ColumnType::Integer},
        {"SHORT", jet4::ColumnType::Integer},     {"INTEGER", jet4::ColumnType::Long},
        {"INT", jet4::ColumnType::Long},          {"LONG", jet4::ColumnType::Long},
        {"CURRENCY", jet4::ColumnType::Currency}, {"MONEY", jet4::ColumnType::Currency},
        {"FLOAT4", jet4::ColumnType::Single},     {"SINGLE", jet4::ColumnType::Single},
        {"DOUBLE", jet4::ColumnType::Double},     {"REAL", jet4::ColumnType::Double},
        {"FLOAT", jet4::ColumnType::Double},      {"FLOAT8", jet4::ColumnType::Double},
        {"DATETIME", jet4::ColumnType::DateTime}, {"DATE", jet4::ColumnType::DateTime},
        {"VARBINARY", jet4::ColumnType::Binary},  {"BINARY", jet4::ColumnType::Binary},
        {"VARCHAR", jet4::ColumnType::Text},      {"CHAR", jet4::ColumnType::Text},
        {"TEXT", jet4::ColumnType::Text},         {"LONGBLOB", jet4::ColumnType::OLE},
        {"BLOB", jet4::ColumnType::OLE},          {"LONGBINARY", jet4::ColumnType::OLE},
        {"LONGTEXT", jet4::ColumnType::Memo},     {"MEMO", jet4::ColumnType::Memo},
        {"GUID", jet4::ColumnType::Guid},
    };
    for (const Name &n : names) {
        if (name != QLatin1String(n.name))
            continue;
        column.type = n.type;
        if (counter && n.type != jet4::ColumnType::Long)
            return false;
        column.autoNumber = counter;
        if (hasSize) {
            if (n.type != jet4::ColumnType::Text && n.type != jet4::ColumnType::Binary)
                return false;
            column.size = static_cast<std::uint16_t>(size);
        }
        return true;
    }
    return false;
}

TOpStatus LoadAccessIntoStaging(const QString &accessFile, const QString &stagingFile)
{
    jet4::Database access;
    const jet4::Status read =
        jet4::ReadDatabase(QFile::encodeName(accessFile).toStdString(), access);
    if (!read.ok())
        return {QString::fromStdString(read.error)};

    StagingConnection staging(stagingFile);
    if (!staging.isOpen())
        return {staging.error()};
    QSqlDatabase db = staging.database();
    if (!db.transaction())
        return {db.lastError().text()};
    for (const jet4::Table &table : access.tables) {
        const QString name = QString::fromStdString(table.name);
        QStringList columns;
        QStringList marks;
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            const jet4::Column &column = table.columns[c];
            QString definition = Quoted(QString::fromStdString(column.name)) + QLatin1Char(' ') +
                                 StagingDeclaredType(column);
            if (table.primaryKey == c)
                definition += QStringLiteral(" PRIMARY KEY");
            if (column.type == jet4::ColumnType::Text || column.type == jet4::ColumnType::Memo)
                definition += QStringLiteral(" COLLATE NOCASE"); // Access compares text so
            columns << definition;
            marks << QStringLiteral("?");
        }
        QSqlQuery create(db);
        if (!create.exec(QStringLiteral("CREATE TABLE %1 (%2)")
                             .arg(Quoted(name), columns.join(QStringLiteral(", ")))))
            return {create.lastError().text()};
        QSqlQuery insert(db);
        if (!insert.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                .arg(Quoted(name), marks.join(QStringLiteral(", ")))))
            return {insert.lastError().text()};
        for (const std::vector<jet4::Value> &row : table.rows) {
            for (std::size_t c = 0; c < row.size(); ++c)
                insert.bindValue(static_cast<int>(c), ToVariant(row[c]));
            if (!insert.exec())
                return {QCoreApplication::translate("ExportStaging", "Table %1: %2")
                            .arg(name, insert.lastError().text())};
        }
    }
    if (!db.commit())
        return {db.lastError().text()};
    return {};
}

TOpStatus WriteStagingAsAccess(const QString &stagingFile, const QString &accessFile)
{
    jet4::Database access;
    {
        StagingConnection staging(stagingFile);
        if (!staging.isOpen())
            return {staging.error()};
        QSqlDatabase db = staging.database();
        QSqlQuery tables(db);
        if (!tables.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                        "name NOT LIKE 'sqlite!_%' ESCAPE '!' ORDER BY rowid")))
            return {tables.lastError().text()};
        while (tables.next()) {
            jet4::Table table;
            const TOpStatus status = ReadStagingTable(db, tables.value(0).toString(), table);
            if (!status.ok())
                return status;
            access.tables.push_back(std::move(table));
        }
    }

    jet4::Bytes bytes;
    const jet4::Status written = jet4::WriteDatabase(access, bytes);
    if (!written.ok())
        return {QString::fromStdString(written.error)};

    QSaveFile file(accessFile);
    if (!file.open(QIODevice::WriteOnly))
        return {QCoreApplication::translate("ExportStaging", "Cannot write %1: %2")
                    .arg(accessFile, file.errorString())};
    const QByteArray content = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes.data()),
                                                       static_cast<qsizetype>(bytes.size()));
    const qint64 put = g_writer ? g_writer(file, content) : file.write(content);
    if (put != content.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return {QCoreApplication::translate("ExportStaging", "Cannot write %1: %2")
                    .arg(accessFile, why)};
    }
    if (!file.commit())
        return {QCoreApplication::translate("ExportStaging", "Cannot write %1: %2")
                    .arg(accessFile, file.errorString())};
    return {};
}

void SetAccessFileWriter(TAccessFileWriter writer)
{
    g_writer = std::move(writer);
}
