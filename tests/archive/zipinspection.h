#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>

// Reads a ZIP archive back with tools that are independent of the writer:
// Python's zipfile module for the content and `unzip -t` for the integrity test.

struct InspectedEntry {
    QByteArray sha256; // hex digest of the stored data (empty for folders)
    bool folder = false;
    quint32 unixMode = 0;  // upper half of the external attributes
    QDateTime modified;    // the entry's DOS time, as local time
    int compressType = -1; // 8 = deflate, 0 = stored
};

struct InspectedArchive {
    bool readable = false;
    QString error;
    QString comment;
    QMap<QString, InspectedEntry> entries; // by stored name
};

InspectedArchive InspectArchive(const QString &archivePath);

// Runs `unzip -t -q`; returns true when it reports no error. Output goes to *output.
bool UnzipTestPasses(const QString &archivePath, QString *output);

// Hex SHA-256 of a file on disk.
QByteArray FileSha256(const QString &path);
