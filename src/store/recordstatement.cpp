#include "store/recordstatement.h"

#include "store/jetconnection.h"
#include "store/jetdataset.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>

namespace
{

TOpStatus prepare(TJetDataset *dataset, const QStringList &lines)
{
    if (!dataset)
        return TOpStatus{QCoreApplication::translate("RecordStatement", "No dataset to run on.")};
    dataset->close();
    dataset->sql().clear();
    dataset->sql() << lines;
    return TOpStatus{};
}

TOpStatus failed(TJetDataset *dataset)
{
    QString text = dataset->lastErrorText();
    if (text.isEmpty())
        text = QCoreApplication::translate("RecordStatement", "The statement on %1 failed.")
                   .arg(dataset->objectName());
    return TOpStatus{text};
}

} // namespace

TOpStatus OpenStatement(TJetDataset *dataset, const QStringList &lines)
{
    const TOpStatus ready = prepare(dataset, lines);
    if (!ready.ok())
        return ready;
    return dataset->open() ? TOpStatus{} : failed(dataset);
}

TOpStatus ExecStatement(TJetDataset *dataset, const QStringList &lines)
{
    const TOpStatus ready = prepare(dataset, lines);
    if (!ready.ok())
        return ready;
    return dataset->execSql() ? TOpStatus{} : failed(dataset);
}

TOpResult<qint32> ReadNewKey(TJetDataset *dataset, const QString &table, const QString &keyColumn)
{
    const TOpStatus status = OpenStatement(
        dataset, {QStringLiteral("SELECT TOP 1 ") + keyColumn, QStringLiteral("FROM ") + table,
                  QStringLiteral("ORDER BY ") + keyColumn + QStringLiteral(" DESC")});
    if (!status.ok())
        return TOpResult<qint32>::failure(status);
    if (dataset->isEmpty())
        return TOpResult<qint32>::failure(
            QCoreApplication::translate("RecordStatement", "The new row of %1 was not found.")
                .arg(table));
    return TOpResult<qint32>::success(FieldInt(dataset, keyColumn));
}

TOpResult<int> CountRows(TJetDataset *dataset, const QStringList &lines)
{
    const TOpStatus status = OpenStatement(dataset, lines);
    if (!status.ok())
        return TOpResult<int>::failure(status);
    return TOpResult<int>::success(dataset->recordCount());
}

qint32 FieldInt(const TJetDataset *dataset, const QString &field)
{
    return dataset->fieldValue(field).toInt();
}

QString FieldText(const TJetDataset *dataset, const QString &field)
{
    return dataset->fieldValue(field).toString();
}

TOpStatus InTransaction(TJetConnection *connection, const std::function<TOpStatus()> &steps)
{
    QSqlDatabase db = connection ? connection->database() : QSqlDatabase();
    const bool started = db.isOpen() && db.transaction();
    const TOpStatus status = steps();
    if (started) {
        if (!status.ok()) {
            db.rollback();
        } else if (!db.commit()) {
            const QString error = db.lastError().text();
            db.rollback();
            return TOpStatus{error};
        }
    }
    return status;
}
