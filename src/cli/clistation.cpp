#include "cli/clistation.h"

#include "base/currentselection.h"
#include "store/datamodule.h"
#include "store/jetconnectionstring.h"
#include "store/jetliterals.h"
#include "store/recordstatement.h"

#include <QCoreApplication>
#include <QFileInfo>

std::unique_ptr<QCoreApplication> EnsureCoreApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    static int argc = 1;
    static char name[] = "vlmcli";
    static char *argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

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
    const qint32 owner = FieldInt(dm.qryTemp1, QStringLiteral("IdOwner"));
    if (owner == 0)
        return QStringLiteral("no owner with the call '") + call + QLatin1Char('\'');
    TCurrentSelection &cs = CurrentSelection();
    cs.clear();
    cs.ownerId = owner;
    cs.ownerCount = 1;
    cs.languageId = FieldInt(dm.qryTemp1, QStringLiteral("IdLanguage"));
    cs.setCall(FieldText(dm.qryTemp1, QStringLiteral("OwnerCall")));
    cs.setUserDirectory(FieldText(dm.qryTemp1, QStringLiteral("OwnerUserDir")));
    return QString();
}
