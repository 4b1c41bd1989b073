#pragma once

#include "base/ownerfilename.h" // the names of the owner's files

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

class QFileInfo;

// The files of the owner's personal directory as the submission page shows and
// packs them. QtCore only: the page adds icons.

// One row of the file list. Folders (and the parent row) have the marker "D",
// files "F".
struct TFileListRow {
    QString name;
    QString size; // bytes with "." between thousands; empty for folders
    QString type;
    QString created; // local time, short date + " hh:mm:ss:zzz"
    QString modified;
    QString accessed;
    QString attributes; // R, H, S, A, N in that order, or "."
    QString path;       // full path
    QString marker;     // "F" or "D"
    qint64 bytes = 0;
    bool parentRow = false;

    bool isFolder() const { return marker == QLatin1String("D"); }
};

// Every entry of the folder (files and subfolders, hidden ones too) as full paths,
// sorted by name, without the navigation entries "." and ".." and without
// temporary files of interrupted writes (IsTemporaryFileName). Empty when the
// folder name is empty or the folder does not exist.
QStringList DirectoryEntryList(const QString &folder);

// The rows of the file list for the folder: a parent row "[name of the parent]"
// first (none at the root), then one row per entry. Empty when the folder name is
// empty or the folder cannot be read (*readable then false).
QVector<TFileListRow> FileListRows(const QString &folder, bool *readable = nullptr);

// One row for an entry of the folder.
TFileListRow FileListRow(const QFileInfo &info);

// 1234567 -> "1.234.567".
QString GroupedByteCount(qint64 bytes);

// The type name of an entry: the name of its content type when the system knows
// one; otherwise "File Folder" for folders and, for files, the extension in upper
// case followed by " File" (empty for a file without extension).
QString FileTypeName(const QFileInfo &info);

// A time in local time: the system's short date format followed by " hh:mm:ss:zzz".
QString FileTimeText(const QDateTime &moment);
