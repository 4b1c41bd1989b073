#include "exposure/criticalpointops.h"

#include "base/currentselection.h"
#include "exposure/pointrules.h"
#include "store/datamodule.h"
#include "store/jetliterals.h"
#include "store/recordstatement.h"
#include "store/schema.h"

#include <utility>

namespace
{

// A number as written into a statement: "." as decimal separator.
QString sqlNumber(double value)
{
    return QString::number(value, 'g', 15);
}

// The condition that keeps a statement to the owner's points.
QString ownerSitesCondition(qint32 ownerId)
{
    return QStringLiteral("AND IdTower IN (SELECT IdTower FROM tblTower WHERE IdOwner =%1)")
        .arg(ownerId);
}

} // namespace

TOpResult<int> OpenPointList(TdtmMain &dm, qint32 ownerId)
{
    return CountRows(
        dm.qryCtpList,
        {QStringLiteral("SELECT tblCriticalPnt.IdCriticalPnt AS CtpId, CriticalPntRef, TowerName, "
                        "AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, "
                        "AntV90, AntV100, AntennasEirp, AntennasAntPwr, AntennasAvgPwr, "
                        "AntennasRef, AntennasHeight, AntExtra, CriticalPntDist, "
                        "CriticalPntHeight, SpaceAttDescrE, SpaceAttLow, SpaceAttHigh, "
                        "BandFreqCenter, CriticalPntRem, AntennasTilt, StationTxPower, "
                        "AntennasSimTx"),
         QStringLiteral("FROM ((((tblTower INNER JOIN tblStation ON tblTower.IdTower = "
                        "tblStation.IdTower)"),
         QStringLiteral("INNER JOIN tblBandFreqSt ON tblStation.IdBandFreqSt = "
                        "tblBandFreqSt.IdBandFreqSt)"),
         QStringLiteral("INNER JOIN tblListAnt ON tblStation.IdListAnt = tblListAnt.IDListAnt)"),
         QStringLiteral("INNER JOIN tblCriticalPnt ON tblTower.IdTower = "
                        "tblCriticalPnt.IdTower)"),
         QStringLiteral("INNER JOIN tblSpaceAtt ON tblCriticalPnt.IdSpaceAtt = "
                        "tblSpaceAtt.IdSpaceAtt"),
         QStringLiteral("WHERE (tblTower.IdOwner =%1) ").arg(ownerId),
         QStringLiteral("ORDER BY CriticalPntRef, TowerName, AntennasRef ")});
}

TOpResult<int> OpenPointForEdit(TdtmMain &dm, qint32 pointId)
{
    QStringList lines;
    if (pointId != 0) {
        lines << QStringLiteral("SELECT IdCriticalPnt, IdTower, IDSpaceAtt, CriticalPntDist, "
                                "CriticalPntHeight, CriticalPntRem, CriticalPntRef")
              << QStringLiteral("FROM tblCriticalPnt")
              << QStringLiteral("WHERE IdCriticalPnt =%1").arg(pointId);
    } else {
        lines << QStringLiteral("SELECT IdTower, IDSpaceAtt, CriticalPntDist, "
                                "CriticalPntHeight, CriticalPntRem, CriticalPntRef")
              << QStringLiteral("FROM tblCriticalPnt") << QStringLiteral("WHERE 1 = 0");
    }
    return CountRows(dm.qryCriticalPnt, lines);
}

TOpResult<TPointSiteList> ListSitesWithAntennas(TdtmMain &dm, qint32 ownerId)
{
    const TOpStatus status = OpenStatement(
        dm.qryTemp2,
        {QStringLiteral("SELECT DISTINCT tblTower.IdTower, TowerName"),
         QStringLiteral("FROM tblTower INNER JOIN tblStation ON tblStation.IdTower = "
                        "tblTower.IdTower"),
         QStringLiteral("WHERE IdOwner =%1").arg(ownerId), QStringLiteral("ORDER BY TowerName ")});
    if (!status.ok())
        return TOpResult<TPointSiteList>::failure(status);
    TPointSiteList list;
    for (dm.qryTemp2->first(); !dm.qryTemp2->eof(); dm.qryTemp2->next()) {
        list.names << FieldText(dm.qryTemp2, Schema::TowerName);
        list.ids << FieldInt(dm.qryTemp2, Schema::IdTower);
    }
    return TOpResult<TPointSiteList>::success(std::move(list));
}

TOpResult<QString> NextPointRef(TdtmMain &dm, qint32 ownerId)
{
    const TOpStatus status = OpenStatement(
        dm.qryTemp2,
        {QStringLiteral("SELECT CriticalPntRef"), QStringLiteral("FROM tblCriticalPnt"),
         QStringLiteral("WHERE IdTower IN (SELECT IdTower FROM tblTower WHERE "
                        "IdOwner =%1)")
             .arg(ownerId)});
    if (!status.ok())
        return TOpResult<QString>::failure(status);
    QStringList refs;
    for (dm.qryTemp2->first(); !dm.qryTemp2->eof(); dm.qryTemp2->next())
        refs << FieldText(dm.qryTemp2, Schema::CriticalPntRef);
    return NextPointReference(refs);
}

TOpResult<qint32> InsertPoint(TdtmMain &dm, const TPointEntry &e)
{
    const TOpStatus status = ExecStatement(
        dm.qryTemp1,
        {QStringLiteral("INSERT INTO tblCriticalPnt(IdTower, IdSpaceAtt, CriticalPntDist, "
                        "CriticalPntHeight, CriticalPntRef, CriticalPntRem)"),
         QStringLiteral("VALUES ( %1, %2, %3, %4, ")
                 .arg(e.siteId)
                 .arg(e.spaceAttId)
                 .arg(sqlNumber(e.distance), sqlNumber(e.height)) +
             JetText(e.reference.left(PointReferenceLength)) + QStringLiteral(", ") +
             JetText(e.description.left(PointDescriptionLength)) + QStringLiteral(")")});
    if (!status.ok())
        return TOpResult<qint32>::failure(status);
    return ReadNewKey(dm.qryTemp1, Schema::tblCriticalPnt, Schema::IdCriticalPnt);
}

TOpStatus DeletePointReference(TdtmMain &dm, qint32 ownerId, const QString &reference)
{
    return ExecStatement(dm.qryTemp1,
                         {QStringLiteral("DELETE FROM tblCriticalPnt WHERE CriticalPntRef LIKE ") +
                              JetText(reference),
                          ownerSitesCondition(ownerId)});
}

TOpStatus DeleteOwnerPoints(TdtmMain &dm, qint32 ownerId)
{
    return ExecStatement(dm.qryTemp1, {QStringLiteral("DELETE tblCriticalPnt.* FROM tblTower "),
                                       QStringLiteral("INNER JOIN tblCriticalPnt "),
                                       QStringLiteral(" ON tblTower.IdTower "),
                                       QStringLiteral("  = tblCriticalPnt.IdTower "),
                                       QStringLiteral("WHERE tblTower.IdOwner =%1").arg(ownerId)});
}

TOpStatus UpdateReferenceShared(TdtmMain &dm, qint32 ownerId, const QString &reference,
                                qint32 spaceAttId, const QString &description)
{
    return ExecStatement(
        dm.qryTemp1,
        {QStringLiteral("UPDATE tblCriticalPnt "), QStringLiteral("SET "),
         QStringLiteral(" IDSpaceAtt =%1, ").arg(spaceAttId),
         QStringLiteral(" CriticalPntRem =") + JetText(description.left(PointDescriptionLength)),
         QStringLiteral("WHERE CriticalPntRef LIKE ") + JetText(reference),
         ownerSitesCondition(ownerId)});
}

TOpStatus UpdatePointGeometry(TdtmMain &dm, qint32 pointId, double distance, double height)
{
    return ExecStatement(dm.qryTemp1,
                         {QStringLiteral("UPDATE tblCriticalPnt "), QStringLiteral("SET "),
                          QStringLiteral(" CriticalPntDist =%1, ").arg(sqlNumber(distance)),
                          QStringLiteral(" CriticalPntHeight =%1").arg(sqlNumber(height)),
                          QStringLiteral("WHERE IdCriticalPnt =%1").arg(pointId)});
}

TOpResult<qint32> AddPoints(TdtmMain &dm, const QVector<TPointEntry> &entries)
{
    qint32 firstKey = 0;
    const TOpStatus status = InTransaction(dm.conMainDb, [&]() {
        for (int i = 0; i < entries.size(); ++i) {
            const TOpResult<qint32> key = InsertPoint(dm, entries[i]);
            if (!key.ok())
                return TOpStatus{key.error};
            if (i == 0)
                firstKey = key.value;
        }
        return TOpStatus{};
    });
    if (!status.ok())
        return TOpResult<qint32>::failure(status);
    if (!entries.isEmpty()) {
        TCurrentSelection &cs = CurrentSelection();
        cs.pointId = firstKey;
        cs.setPointRef(entries.first().reference);
    }
    return TOpResult<qint32>::success(firstKey);
}

TOpStatus UpdatePoint(TdtmMain &dm, qint32 ownerId, qint32 pointId, const QString &reference,
                      qint32 spaceAttId, const QString &description, double distance, double height)
{
    return InTransaction(dm.conMainDb, [&]() {
        const TOpStatus shared =
            UpdateReferenceShared(dm, ownerId, reference, spaceAttId, description);
        if (!shared.ok())
            return shared;
        return UpdatePointGeometry(dm, pointId, distance, height);
    });
}

TOpStatus DeleteReference(TdtmMain &dm, qint32 ownerId, const QString &reference)
{
    return DeletePointReference(dm, ownerId, reference);
}

TOpStatus DeleteAllPoints(TdtmMain &dm, qint32 ownerId)
{
    return DeleteOwnerPoints(dm, ownerId);
}
