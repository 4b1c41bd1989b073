#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The submission package: every entry of the owner's personal directory packed into
// call + "_Vlm.zip" inside that directory.

struct OwnerArchiveResult {
    bool ok = false;
    QString baseFolder;  // the personal directory with a trailing separator
    QString archivePath; // where the archive was (or would have been) written
    QString error;       // what went wrong when ok is false
};

// "VLM Files for " + call + " (dd/MM/yyyy hh:mm)".
QString ArchiveComment(const QString &call, const QDateTime &moment);

// The archive's file name for a call: OwnerFileName(call, "_Vlm.zip").
QString ArchiveFileName(const QString &call);

// Packs the given entries (full paths, as listed from the personal directory; "."
// and "..", the archive itself and temporary files are skipped) into the owner's
// archive, with the comment dated by CurrentDateTime(). Temporary files that
// interrupted writes left in the personal directory are removed first. An empty
// personal directory name is refused: the archive would otherwise be built from
// the file system's root.
OwnerArchiveResult CreateOwnerArchive(const QString &userDirectory, const QString &call,
                                      const QStringList &entries);
