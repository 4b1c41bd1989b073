#include "cli/clistation.h"

#include "base/currentselection.h"
#include "store/datamodule.h"
#include "store/jetconnectionstring.h"
#include "store/jetliterals.h"
#include "store/recordstatement.h"
#include "store/schema.h"

#include <QFileInfo>

QString OpenOwnerOfCall(TdtmMain &dm, const QString &db, const QString &call)
{
    if (!QFileInfo(db).isFile())
        return QStringLiteral("no database file '") + db + QLatin1Char('\'');
    dm.conMainDb->setConnectionString(JetConnectionString(
        QFileInfo(db).absoluteFilePath(), QString::fromLatin1(MainDatabasePassword)));
    if (!dm.conMainDb->open())
        return QStringLiteral("cannot open '") + db + QStringLiteral("': ") +
               dm.conMainDb->lastErrorText();
    const TOpStatus status = OpenStatement(
        dm.qryTemp1,
        {QStringLiteral("SELECT IdOwner, IdLanguage, OwnerCall, OwnerUserDir FROM tblOwner"),
         QStringLiteral("WHERE OwnerCall =") + JetText(call), QStringLiteral("ORDER BY IdOwner")});
    if (!status.ok())
        return status.error;
    const qint32 owner = FieldInt(dm.qryTemp1, Schema::IdOwner);
    if (owner == 0)
        return QStringLiteral("no owner with the call '") + call + QLatin1Char('\'');
    TCurrentSelection &cs = CurrentSelection();
    cs.clear();
    cs.ownerId = owner;
    cs.ownerCount = 1;
    cs.languageId = FieldInt(dm.qryTemp1, Schema::IdLanguage);
    cs.setCall(FieldText(dm.qryTemp1, Schema::OwnerCall));
    cs.setUserDirectory(FieldText(dm.qryTemp1, Schema::OwnerUserDir));
    return QString();
}
