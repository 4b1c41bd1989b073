#include "archive/archivepackage.h"

#include "archive/archivewriter.h"
#include "base/clock.h"
#include "base/ownerfilename.h"
#include "base/safefile.h"

#include <QDir>

QString ArchiveComment(const QString &call, const QDateTime &moment)
{
    return QStringLiteral("VLM Files for ") + call + QStringLiteral(" (") +
           moment.toString(QStringLiteral("dd/MM/yyyy hh:mm")) + QStringLiteral(")");
}

QString ArchiveFileName(const QString &call)
{
    return OwnerFileName(call, QStringLiteral("_Vlm.zip"));
}

OwnerArchiveResult CreateOwnerArchive(const QString &userDirectory, const QString &call,
                                      const QStringList &entries)
{
    OwnerArchiveResult result;
    if (userDirectory.trimmed().isEmpty()) {
        result.error = QStringLiteral("no personal directory");
        return result;
    }
    result.baseFolder = QDir::fromNativeSeparators(userDirectory);
    if (!result.baseFolder.endsWith(QLatin1Char('/')))
        result.baseFolder += QLatin1Char('/');
    result.archivePath = result.baseFolder + ArchiveFileName(call);
    // What an interrupted earlier write left behind goes now; it would
    // otherwise wait in the folder for ever.
    RemoveTemporaryFiles(result.baseFolder);

    ArchiveWriter writer;
    writer.setBaseFolder(result.baseFolder);
    bool ok = writer.create(result.archivePath) &&
              writer.setComment(ArchiveComment(call, CurrentDateTime()));
    for (const QString &entry : entries) {
        if (!ok)
            break;
        ok = writer.addFile(entry);
    }
    ok = ok && writer.finish();
    result.ok = ok;
    if (!ok)
        result.error = writer.errorText();
    return result;
}
