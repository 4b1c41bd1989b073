#pragma once

// Test support: a data module on a fresh, writable copy of a database built
// for the tests, and fixture SQL that goes straight to SQLite so that the data
// module's statement log holds only what the code under test issued.

#include "store/datamodule.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

// Copies `from` to `to` and makes the copy writable for its owner (the built
// databases may be read-only).
bool CopyWritable(const QString &from, const QString &to);

// Copies `sourceFile` into `folder` as "VlmMain.mdb" and returns a data module
// whose main connection is open on it; null with the reason in *error.
std::unique_ptr<TdtmMain> OpenFreshMainDatabase(const QString &sourceFile, const QString &folder,
                                                QString *error = nullptr);

struct FixtureSqlResult {
    bool ok = false;
    qint32 rowId = 0;    // the new rowid of an INSERT
    QVariant firstValue; // the first column of the first row of a SELECT
    QString error;       // the statement and the driver's message when !ok
};

// Runs one statement of SQLite text on the connection.
FixtureSqlResult RunFixtureSql(const QSqlDatabase &db, const QString &text);

// The first column of every row of a SELECT (SQLite text); empty on failure,
// with the reason in *error.
QStringList FixtureColumn(const QSqlDatabase &db, const QString &text, QString *error = nullptr);

// Qt's SQL driver needs an application object: made once per test program
// unless the test made its own.
void EnsureTestApplication();

// The statements the data module issued since the last call, each on one
// line, and forgets them.
QStringList TakeIssuedStatements(TdtmMain &dm);

// The first column of every row of a SELECT on a database file, read through
// a connection of its own (outside the program's connections); a failing
// statement gives one row "error: " + the driver's message. An Access file (the
// regulator's files) is read through a SQLite copy made by the export's staging
// loader.
QStringList FileColumn(const QString &file, const QString &select);

// Whether a file starts like an Access (Jet) database.
bool IsAccessFile(const QString &file);

// Runs one statement on an Access file: its tables read into SQLite, the
// statement run there, the result written back as an Access file. Empty when
// fine, else the error.
QString AccessFileExec(const QString &file, const QString &statement);
