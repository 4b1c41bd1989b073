#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// Test support: the INSERT of one fixture owner in SQLite text, with the call
// and whatever other columns a test needs (in the order given); the columns
// left out keep the table's defaults. Texts become quoted literals with inner
// quotes doubled, numbers stay as they are.
using TOwnerColumns = QList<QPair<QString, QVariant>>;
QString OwnerInsertSql(const QString &call, const TOwnerColumns &columns = {});
