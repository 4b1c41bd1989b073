#pragma once

#include "store/recordresult.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

class TJetConnection;
class TJetDataset;

// How every record operation runs its statement: the dataset (a scratch query
// or a shared dataset of the data module) is closed, its text replaced by the
// given lines and then opened (SELECT) or executed (any other statement).
// The connection joins the lines with line breaks, translates the Jet text and
// records it in its statement log.

// Runs a SELECT; the dataset stays open on its first row for the caller to read.
TOpStatus OpenStatement(TJetDataset *dataset, const QStringList &lines);

// Runs an INSERT, UPDATE or DELETE.
TOpStatus ExecStatement(TJetDataset *dataset, const QStringList &lines);

// The key of the row just inserted: the highest key of the table, read right
// after the INSERT with SELECT TOP 1 key FROM table ORDER BY key DESC.
TOpResult<qint32> ReadNewKey(TJetDataset *dataset, const QString &table, const QString &keyColumn);

// Number of rows of a SELECT.
TOpResult<int> CountRows(TJetDataset *dataset, const QStringList &lines);

// An integer column of the current row; null and missing values read as 0.
qint32 FieldInt(const TJetDataset *dataset, const QString &field);
QString FieldText(const TJetDataset *dataset, const QString &field);

// Runs steps that belong together (several statements that must all happen or
// none) in one transaction of the connection: committed when the steps
// succeed, rolled back when one fails.
TOpStatus InTransaction(TJetConnection *connection, const std::function<TOpStatus()> &steps);
