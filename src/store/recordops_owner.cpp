#include "store/recordops_owner.h"

#include "base/currentselection.h"
#include "store/datamodule.h"
#include "store/jetliterals.h"
#include "store/recordstatement.h"

#include <utility>

namespace
{

// Every column of tblOwner, in the order the user data page's dataset lists them.
const char *const OwnerColumns =
    "IdOwner, IdZipCity1, IdZipCity2, IdLanguage, IdTxTime, IdMode, IdBandFreqQrp, "
    "OwnerSpecCase, OwnerQrpDistA, OwnerQrpDistB, OwnerQrpPower, OwnerQrpGain, "
    "OwnerQrpCoaxLoss, OwnerFname, OwnerName, OwnerCall, OwnerOtherOps, OwnerAddress1, "
    "OwnerAddress2, OwnerPhHome, OwnerPhOff, OwnerPhMob, OwnerPhFax, OwnerEmail, OwnerRem, "
    "OwnerUserDir, OwnerNote, OwnerFileNote, OwnerSiteAddr1, OwnerSiteAddr2, OwnerSiteRem, "
    "OwnerSiteBiptRef, OwnerSiteClubCall, OwnerSiteSharedBy, OwnerSiteShared, "
    "OwnerSiteClubStn, OwnerSiteAlreadyAnt, OwnerSiteNote";

} // namespace

TOpResult<int> CountOwners(TdtmMain &dm)
{
    return CountRows(dm.qryTemp1,
                     {QStringLiteral("SELECT IdOwner"), QStringLiteral("FROM tblOwner")});
}

TOpResult<TOwnerList> ListOwners(TdtmMain &dm)
{
    const TOpStatus status =
        OpenStatement(dm.qryTemp1, {QStringLiteral("SELECT IdOwner, OwnerCall"),
                                    QStringLiteral("FROM tblOwner")});
    if (!status.ok())
        return TOpResult<TOwnerList>::failure(status);
    TOwnerList list;
    for (dm.qryTemp1->first(); !dm.qryTemp1->eof(); dm.qryTemp1->next()) {
        list.calls.append(FieldText(dm.qryTemp1, QStringLiteral("OwnerCall")));
        list.ids.append(FieldInt(dm.qryTemp1, QStringLiteral("IdOwner")));
    }
    return TOpResult<TOwnerList>::success(std::move(list));
}

TOpResult<QString> GetOwnerUserDir(TdtmMain &dm, qint32 ownerId)
{
    const TOpStatus status = OpenStatement(
        dm.qryTemp1, {QStringLiteral("SELECT OwnerUserDir"), QStringLiteral("FROM tblOwner"),
                      QStringLiteral("WHERE IdOwner =%1").arg(ownerId)});
    if (!status.ok())
        return TOpResult<QString>::failure(status);
    return TOpResult<QString>::success(FieldText(dm.qryTemp1, QStringLiteral("OwnerUserDir")));
}

TOpStatus OpenOwnerRecord(TdtmMain &dm, qint32 ownerId, bool newRecord)
{
    const QString columns = QString::fromLatin1(OwnerColumns);
    QStringList lines;
    if (newRecord) {
        lines << QStringLiteral("SELECT ") + columns << QStringLiteral("FROM tblOwner");
    } else if (ownerId != 0) {
        lines << QStringLiteral("SELECT ") + columns << QStringLiteral("FROM tblOwner")
              << QStringLiteral("WHERE IdOwner =%1").arg(ownerId);
    } else {
        lines << QStringLiteral("SELECT TOP 1 ") + columns << QStringLiteral("FROM tblOwner")
              << QStringLiteral("ORDER BY IdOwner ASC");
    }
    const TOpStatus status = OpenStatement(dm.qryUserData, lines);
    if (!status.ok())
        return status;
    CurrentSelection().languageId = FieldInt(dm.qryUserData, QStringLiteral("IdLanguage"));
    return TOpStatus{};
}

TOpResult<qint32> InsertOwner(TdtmMain &dm, const TOwnerValues &v, QStringList note)
{
    const QString noteText = MemoText(std::move(note));
    const QStringList lines = {
        QStringLiteral("INSERT INTO tblOwner( IdZipCity1, IdLanguage, OwnerSpecCase, OwnerFname, "
                       "OwnerName, OwnerCall, OwnerOtherOps, OwnerAddress1, OwnerAddress2, "
                       "OwnerPhHome, OwnerPhOff, OwnerPhMob, OwnerPhFax, OwnerEmail, OwnerNote, "
                       "OwnerUserDir, OwnerRem)"),
        QStringLiteral("VALUES ( %1, %2, %3, ")
                .arg(v.idZipCity1)
                .arg(v.idLanguage)
                .arg(v.specialCase) +
            QStringList{JetText(v.firstName), JetText(v.name), JetText(v.call), JetText(v.otherOps),
                        JetText(v.address1), JetText(v.address2), JetText(v.phoneHome),
                        JetText(v.phoneOffice), JetText(v.phoneMobile), JetText(v.fax),
                        JetText(v.email), JetText(noteText), JetText(v.userDir), JetText(v.remark)}
                .join(QStringLiteral(", ")) +
            QStringLiteral(")")};
    const TOpStatus status = ExecStatement(dm.qryTemp1, lines);
    if (!status.ok())
        return TOpResult<qint32>::failure(status);
    CurrentSelection().languageId = v.idLanguage;
    return ReadNewKey(dm.qryTemp1, QStringLiteral("tblOwner"), QStringLiteral("IdOwner"));
}

TOpStatus UpdateOwner(TdtmMain &dm, qint32 ownerId, const TOwnerValues &v, QStringList note)
{
    const QString noteText = MemoText(std::move(note));
    const QStringList lines = {
        QStringLiteral("UPDATE tblOwner"),
        QStringLiteral("SET IdZipCity1 =%1, IdLanguage =%2, OwnerSpecCase =%3,")
            .arg(v.idZipCity1)
            .arg(v.idLanguage)
            .arg(v.specialCase),
        QStringLiteral("OwnerFname =") + JetText(v.firstName) + QStringLiteral(", OwnerName =") +
            JetText(v.name) + QStringLiteral(", OwnerCall =") + JetText(v.call) +
            QStringLiteral(", OwnerOtherOps =") + JetText(v.otherOps) +
            QStringLiteral(", OwnerAddress1 =") + JetText(v.address1) +
            QStringLiteral(", OwnerAddress2 =") + JetText(v.address2) + QStringLiteral(","),
        QStringLiteral("OwnerPhHome =") + JetText(v.phoneHome) + QStringLiteral(", OwnerPhOff =") +
            JetText(v.phoneOffice) + QStringLiteral(", OwnerPhMob =") + JetText(v.phoneMobile) +
            QStringLiteral(", OwnerPhFax =") + JetText(v.fax) + QStringLiteral(", OwnerEmail =") +
            JetText(v.email) + QStringLiteral(","),
        QStringLiteral("OwnerNote =") + JetText(noteText) + QStringLiteral(", OwnerUserDir =") +
            JetText(v.userDir) + QStringLiteral(", OwnerRem =") + JetText(v.remark),
        QStringLiteral("WHERE IdOwner =%1").arg(ownerId)};
    const TOpStatus status = ExecStatement(dm.qryTemp1, lines);
    if (status.ok())
        CurrentSelection().languageId = v.idLanguage;
    return status;
}

TOpStatus UpdateOwnerLowPower(TdtmMain &dm, qint32 ownerId, const TOwnerLowPowerValues &v)
{
    const QStringList lines = {QStringLiteral("UPDATE tblOwner"),
                               QStringLiteral("SET IdTxTime =%1, IdMode =%2, IdBandFreqQrp =%3,")
                                   .arg(v.idTxTime)
                                   .arg(v.idMode)
                                   .arg(v.idBandFreqQrp),
                               QStringLiteral("OwnerQrpDistA =") + JetText(v.distA) +
                                   QStringLiteral(", OwnerQrpDistB =") + JetText(v.distB) +
                                   QStringLiteral(", OwnerQrpPower =") + JetText(v.power) +
                                   QStringLiteral(", OwnerQrpGain =") + JetText(v.gain) +
                                   QStringLiteral(", OwnerQrpCoaxLoss =") + JetText(v.coaxLoss),
                               QStringLiteral("WHERE IdOwner =%1").arg(ownerId)};
    return ExecStatement(dm.qryTemp1, lines);
}

TOpStatus UpdateOwnerSiteInfo(TdtmMain &dm, qint32 ownerId, const TOwnerSiteInfo &v,
                              QStringList siteNote)
{
    const QString noteText = MemoText(std::move(siteNote));
    const QStringList lines = {
        QStringLiteral("UPDATE tblOwner"), QStringLiteral("SET IdZipCity2 =%1,").arg(v.idZipCity2),
        QStringLiteral("OwnerSiteAddr1 =") + JetText(v.address1) +
            QStringLiteral(", OwnerSiteAddr2 =") + JetText(v.address2) +
            QStringLiteral(", OwnerSiteRem = ") + JetText(v.remark) +
            QStringLiteral(", OwnerSiteBiptRef = ") + JetText(v.biptRef) +
            QStringLiteral(", OwnerSiteClubCall = ") + JetText(v.clubCall) +
            QStringLiteral(", OwnerSiteSharedBy = ") + JetText(v.sharedBy) + QStringLiteral(","),
        QStringLiteral("OwnerSiteShared = ") + JetYesNo(v.shared) +
            QStringLiteral(", OwnerSiteClubStn = ") + JetYesNo(v.clubStation) +
            QStringLiteral(", OwnerSiteAlreadyAnt = ") + JetYesNo(v.antennasExist) +
            QStringLiteral(", OwnerSiteNote =") + JetText(noteText),
        QStringLiteral("WHERE IdOwner =%1").arg(ownerId)};
    return ExecStatement(dm.qryTemp1, lines);
}
