#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The submission package: every entry of the owner's personal directory packed into
// call + "_Vlm.zip" inside that directory.

struct OwnerArchiveResult
{
    bool ok = false;
    QString baseFolder;  // the personal directory with a trailing separator
    QString archivePath; // where the archive was (or would have been) written
    QString error;       // what went wrong when ok is false
};

// "VLM Files for " + call + " (dd/MM/yyyy hh:mm)".
QString ArchiveComment(const QString &call, const QDateTime &moment);

// The archive's file name for a call: call + "_Vlm.zip". Path separators in the
// call (a portable suffix such as "/P") become "_" so that the archive stays in
// the personal directory.
QString ArchiveFileName(const QString &call);

// Packs the given entries (full paths, as listed from the personal directory; "."
// and ".." and the archive itself are skipped) into the owner's archive, with the
// comment dated by CurrentDateTime(). An empty personal directory name is refused:
// the archive would otherwise be built from the file system's root.
OwnerArchiveResult CreateOwnerArchive(const QString &userDirectory, const QString &call,
                                      const QStringList &entries);
