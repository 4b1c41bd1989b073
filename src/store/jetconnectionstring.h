#pragma once

#include <QString>

// The Jet OLE DB connection strings of the two connections. Their keys mean
// nothing to SQLite, but they are the program's contract with the database
// and are built here word for word; the connection then opens the SQLite file
// named by Data Source.

// The main database's password, as written into the string.
inline constexpr const char *MainDatabasePassword = "Rb4xLqT9w";

// conMainDb: Data Source is the database folder (with its trailing separator)
// followed by "VlmMain.mdb".
QString MainConnectionString(const QString &databaseFolder);

// conExport: Data Source is the export file's full path; empty password.
QString ExportConnectionString(const QString &exportFile);

// The full string for a Data Source and a password (written without quotes;
// an empty password is written as an empty quoted value).
QString JetConnectionString(const QString &dataSource, const QString &password);

// The value of a key of a connection string (case-insensitive key), with the
// quotes of a quoted value removed; empty when the key is absent.
QString ConnectionStringValue(const QString &connectionString, const QString &key);
