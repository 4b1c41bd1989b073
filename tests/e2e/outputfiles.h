#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Reads back what the program left on disk, without the program's own code: folders,
// SQLite files on a connection of their own, ZIP archives through libzip.

// Names of the files (not folders) in a folder, sorted.
QStringList FolderFiles(const QString &folder);

// Every row of every table of an SQLite file, by table name; each row is its values
// in column order joined by " | ", rows in key order.
QMap<QString, QStringList> DatabaseRows(const QString &file);

// The first column of every row a SELECT returns on an SQLite file; one entry
// "error: ..." when the statement fails.
QStringList DatabaseColumn(const QString &file, const QString &select);

// Runs one changing statement on an SQLite file; empty on success, else the error.
QString DatabaseExec(const QString &file, const QString &statement);

struct ZipContent {
    bool ok = false;
    QString error;
    QString comment;
    QMap<QString, QByteArray> entries; // stored name -> data
};
ZipContent ReadZip(const QString &archive);

// The content of a file on disk.
QByteArray FileBytes(const QString &path);
