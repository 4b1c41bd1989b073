#include "reports/submissionnote.h"

#include "store/datamodule.h"
#include "store/jetliterals.h"
#include "store/recordstatement.h"
#include "store/schema.h"

TOpResult<QString> ReadOwnerFileNote(TdtmMain &dm, qint32 ownerId)
{
    const TOpStatus status =
        OpenStatement(dm.qryTemp1, {QStringLiteral("SELECT OwnerFileNote FROM tblOwner"),
                                    QStringLiteral("WHERE IdOwner =%1").arg(ownerId)});
    if (!status.ok())
        return TOpResult<QString>::failure(status);
    QString note = FieldText(dm.qryTemp1, Schema::OwnerFileNote);
    if (note.endsWith(QLatin1String("\r\n")))
        note.chop(2);
    else if (note.endsWith(QLatin1Char('\n')))
        note.chop(1);
    return TOpResult<QString>::success(note);
}

TOpStatus SaveOwnerFileNote(TdtmMain &dm, qint32 ownerId, QStringList lines)
{
    return ExecStatement(dm.qryTemp1, {QStringLiteral("UPDATE tblOwner SET OwnerFileNote =") +
                                           JetText(MemoText(std::move(lines))),
                                       QStringLiteral("WHERE IdOwner =%1").arg(ownerId)});
}
