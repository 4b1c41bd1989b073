#include "store/tableupdate.h"

#include "base/installlayout.h"
#include "base/programfolder.h"
#include "store/datamodule.h"
#include "store/tableupdateguard.h"
#include "store/tableupdateparser.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>

namespace
{
TTableUpdateResult finish(const QString &file, TTableUpdateResult result)
{
    QFile::remove(file);
    return result;
}

TTableUpdateResult runBlocks(TdtmMain &dm, const TTableUpdateScript &script,
                             const TableUpdateProgress &progress)
{
    TTableUpdateResult result;
    QSqlDatabase db = dm.conMainDb->database();
    if (!dm.conMainDb->isConnected()) {
        result.outcome = TTableUpdateResult::Failed;
        result.failedBlock = script.blocks.isEmpty() ? 0 : script.blocks.first().number;
        result.error = QCoreApplication::translate("TableUpdate", "The database is not connected.");
        return result;
    }
    // The guard is in place before the transaction and leaves after it.
    TTableUpdateGuard guard(db);
    if (!guard.active() || !db.transaction()) {
        result.outcome = TTableUpdateResult::Failed;
        result.failedBlock = script.blocks.isEmpty() ? 0 : script.blocks.first().number;
        result.error = QCoreApplication::translate("TableUpdate",
                                                   "The update could not start a transaction: %1")
                           .arg(guard.active() ? db.lastError().text() : guard.setupError());
        return result;
    }
    guard.arm();
    for (const TTableUpdateBlock &block : script.blocks) {
        if (progress)
            progress(QCoreApplication::translate("TableUpdate", "Applying Update (%1)...")
                         .arg(block.number));
        if (!block.closed || block.statement.trimmed().isEmpty())
            continue;
        if (!dm.conMainDb->exec(block.statement, TJetWildcards::UpdateFile)) {
            guard.disarm();
            result.failedBlock = block.number;
            if (!guard.refusal().isEmpty()) {
                result.outcome = TTableUpdateResult::Forbidden;
                result.error =
                    QCoreApplication::translate(
                        "TableUpdate", "Block %1 asks for %2, which a table update may not do.")
                        .arg(block.number)
                        .arg(guard.refusal());
            } else {
                result.outcome = TTableUpdateResult::Failed;
                result.error = dm.conMainDb->lastErrorText();
            }
            db.rollback();
            return result;
        }
        ++result.blocksRun;
    }
    guard.disarm();
    if (!db.commit()) {
        result.outcome = TTableUpdateResult::Failed;
        result.error = db.lastError().text();
        db.rollback();
        return result;
    }
    result.outcome = TTableUpdateResult::Applied;
    return result;
}
} // namespace

QString LocalTableUpdateFile()
{
    return ScratchFile(QStringLiteral("VlmTblUpdate.txt"));
}

QString TableUpdateFileName(const QString &databaseVersion)
{
    bool isNumber = false;
    qint64 version = databaseVersion.trimmed().toLongLong(&isNumber);
    if (!isNumber || version < 0 || version > 2147483646)
        version = 0;
    return QStringLiteral("VlmTblUpdate%1.txt").arg(version + 1);
}

QString TableUpdateServerPath(const QString &databaseVersion)
{
    return QStringLiteral("/vlmupdates/") + TableUpdateFileName(databaseVersion);
}

TTableUpdateResult ApplyTableUpdateFile(TdtmMain &dm, const QString &file,
                                        const TableUpdateProgress &progress)
{
    TTableUpdateResult result;
    const QFileInfo info(file);
    if (!info.isFile())
        return result;
    if (info.size() > MaxTableUpdateFileSize) {
        result.outcome = TTableUpdateResult::Refused;
        result.error = QCoreApplication::translate(
            "TableUpdate", "The update file is larger than 10 MB and was not applied.");
        return finish(file, result);
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        result.outcome = TTableUpdateResult::Refused;
        result.error = in.errorString();
        return finish(file, result);
    }
    const TTableUpdateScript script =
        ParseTableUpdate(SplitUpdateLines(DecodeUpdateFile(in.readAll())));
    in.close();
    if (!script.recognised) {
        result.outcome = TTableUpdateResult::Ignored;
        return finish(file, result);
    }
    if (progress)
        progress(QCoreApplication::translate("TableUpdate", "Applying Updates..."));
    result = runBlocks(dm, script, progress);
    if (result.outcome == TTableUpdateResult::Applied && progress)
        progress(QCoreApplication::translate("TableUpdate", "Updates were successfull..."));
    return finish(file, result);
}

TTableUpdateResult ApplyTableUpdates(TdtmMain &dm, const TableUpdateProgress &progress)
{
    return ApplyTableUpdateFile(dm, LocalTableUpdateFile(), progress);
}
