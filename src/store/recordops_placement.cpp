#include "store/recordops_placement.h"

#include "base/currentselection.h"
#include "store/datamodule.h"
#include "store/jetliterals.h"
#include "store/nameproposals.h"
#include "store/recordstatement.h"

#include <QCoreApplication>
#include <utility>

TOpResult<int> CountPlacements(TdtmMain &dm, qint32 siteId)
{
    return CountRows(dm.qryTemp3,
                     {QStringLiteral("SELECT IdStation"), QStringLiteral("FROM tblStation"),
                      QStringLiteral("WHERE IdTower =%1").arg(siteId)});
}

TOpResult<TPlacementList> ListPlacements(TdtmMain &dm, qint32 siteId)
{
    const TOpStatus status =
        OpenStatement(dm.qryTemp3, {QStringLiteral("SELECT IdStation, AntennasRef"),
                                    QStringLiteral("FROM tblStation"),
                                    QStringLiteral("WHERE IdTower =%1").arg(siteId)});
    if (!status.ok())
        return TOpResult<TPlacementList>::failure(status);
    TPlacementList list;
    for (dm.qryTemp3->first(); !dm.qryTemp3->eof(); dm.qryTemp3->next()) {
        list.refs.append(FieldText(dm.qryTemp3, QStringLiteral("AntennasRef")));
        list.ids.append(FieldInt(dm.qryTemp3, QStringLiteral("IdStation")));
    }
    TCurrentSelection &cs = CurrentSelection();
    const int position = list.ids.indexOf(cs.placementId);
    if (position >= 0)
        cs.placementPosition = position;
    return TOpResult<TPlacementList>::success(std::move(list));
}

TOpResult<int> OpenPlacements(TdtmMain &dm, qint32 siteId)
{
    return CountRows(
        dm.qryAntSel,
        {QStringLiteral("SELECT IdStation, IdTower, tblStation.IdBandFreqSt, tblListAnt.IdListAnt, "
                        "AntennasHeight, AntennasTilt, AntennasPol, AntennasRem, AntType, "
                        "AntMakeDescr, AntennasRef, AntennasSimTx, BandFreqDescr"),
         QStringLiteral("FROM (tblStation INNER JOIN tblListAnt ON tblListAnt.IdListAnt = "
                        "tblStation.IdListAnt)"),
         // A placement without a band still shows, with an empty band.
         QStringLiteral("LEFT JOIN tblBandFreqSt ON tblBandFreqSt.IdBandFreqSt = "
                        "tblStation.IdBandFreqSt"),
         QStringLiteral("WHERE IdTower =%1").arg(siteId), QStringLiteral("ORDER BY IdStation")});
}

TOpResult<int> OpenPowerData(TdtmMain &dm, qint32 placementId, qint32 ownerId)
{
    const TOpStatus status = OpenStatement(
        dm.qryStation,
        {QStringLiteral("SELECT IdStation, tblTower.IdTower, IdListAnt, IdMode, IdTxTime, "
                        "IDBandFreqSt, IdCableLoss1, IdCableLoss2, IdCableLoss3, IdCableLoss4, "
                        "StationCableLength1, StationCableLength2, StationCableLength3, "
                        "StationCableLength4, StationTxPower, StationAttSwr, StationAttLpf, "
                        "StationAttAtu, StationAttConn, StationNoConn, AntennasTilt, AntennasRem, "
                        "AntennasAntPwr, AntennasAvgPwr, StationAttAdd, StationAttFeeder, "
                        "StationCalcAdd, StationCalcFeeder, AntennasEirp, AntennasRef"),
         QStringLiteral("FROM tblStation INNER JOIN tblTower ON tblTower.IdTower = "
                        "tblStation.IdTower"),
         QStringLiteral("WHERE IdOwner =%1").arg(ownerId), QStringLiteral("ORDER BY AntennasRef")});
    if (!status.ok())
        return TOpResult<int>::failure(status);
    // Stays on the first row when the placement is not among the owner's.
    dm.qryStation->locate(QStringLiteral("IdStation"), placementId);
    return TOpResult<int>::success(dm.qryStation->recordCount());
}

TOpResult<qint32> InsertPlacement(TdtmMain &dm, qint32 siteId, const QString &ref,
                                  const TPlacementValues &v)
{
    // The antenna is the row the catalogue stands on; without one (catalogue
    // closed, empty or moved past its end) nothing is written.
    const QVariant current = dm.qryAntList->fieldValue(QStringLiteral("IdListAnt"));
    if (!dm.qryAntList->isActive() || current.isNull())
        return TOpResult<qint32>::failure(QCoreApplication::translate(
            "RecordOps", "No antenna of the catalogue is selected for the placement."));
    const qint32 antennaId = current.toInt();
    const TOpStatus status = ExecStatement(
        dm.qryTemp1,
        {QStringLiteral("INSERT INTO tblStation( IdTower, IdListAnt, IdBandFreqSt, AntennasHeight, "
                        "AntennasTilt, AntennasPol, AntennasRem, AntennasRef, AntennasSimTx)"),
         QStringLiteral("VALUES ( %1, %2, %3, ").arg(siteId).arg(antennaId).arg(v.idBandFreqSt) +
             JetText(v.height) + QStringLiteral(", ") + JetText(v.tilt) + QStringLiteral(", ") +
             JetText(v.polarisation) + QStringLiteral(", ") + JetText(v.remark) +
             QStringLiteral(", ") + JetText(ref) +
             QStringLiteral(", %1)").arg(v.simultaneous ? 1 : 0)});
    if (!status.ok())
        return TOpResult<qint32>::failure(status);
    return ReadNewKey(dm.qryTemp1, QStringLiteral("tblStation"), QStringLiteral("IdStation"));
}

TOpStatus UpdatePlacement(TdtmMain &dm, qint32 placementId, qint32 antennaId,
                          const TPlacementValues &v)
{
    return ExecStatement(dm.qryTemp1,
                         {QStringLiteral("UPDATE tblStation"),
                          QStringLiteral("SET IdListAnt =%1, IdBandFreqSt =%2, ")
                                  .arg(antennaId)
                                  .arg(v.idBandFreqSt) +
                              QStringLiteral("AntennasHeight =") + JetText(v.height) +
                              QStringLiteral(", AntennasTilt =") + JetText(v.tilt) +
                              QStringLiteral(", AntennasPol =") + JetText(v.polarisation) +
                              QStringLiteral(", AntennasRem =") + JetText(v.remark) +
                              QStringLiteral(", AntennasSimTx =%1").arg(v.simultaneous ? 1 : 0),
                          QStringLiteral("WHERE IdStation =%1").arg(placementId)});
}

TOpStatus DeletePlacement(TdtmMain &dm, qint32 placementId)
{
    return ExecStatement(dm.qryTemp2, {QStringLiteral("DELETE FROM tblStation"),
                                       QStringLiteral("WHERE IDStation =%1").arg(placementId)});
}

TOpResult<QString> NextPlacementRef(TdtmMain &dm, qint32 siteId, const QString &siteName)
{
    const TOpStatus status = OpenStatement(
        dm.qryTemp2, {QStringLiteral("SELECT TOP 1 AntennasRef"), QStringLiteral("FROM tblStation"),
                      QStringLiteral("WHERE IdTower =%1").arg(siteId),
                      QStringLiteral("ORDER BY AntennasRef DESC")});
    if (!status.ok())
        return TOpResult<QString>::failure(status);
    std::optional<QString> greatest;
    if (!dm.qryTemp2->isEmpty())
        greatest = FieldText(dm.qryTemp2, QStringLiteral("AntennasRef"));
    const TNameProposal proposal = ProposePlacementRef(siteName, greatest);
    if (!proposal.ok())
        return TOpResult<QString>::failure(proposal.error);
    return TOpResult<QString>::success(proposal.name);
}

TOpResult<double> GetBandCenter(TdtmMain &dm, qint32 idBandFreqSt)
{
    const TOpStatus status = OpenStatement(
        dm.qryTemp1, {QStringLiteral("SELECT BandFreqCenter"), QStringLiteral("FROM tblBandFreqSt"),
                      QStringLiteral("WHERE IDBandFreqSt =%1").arg(idBandFreqSt)});
    if (!status.ok())
        return TOpResult<double>::failure(status);
    if (dm.qryTemp1->isEmpty())
        return TOpResult<double>::failure(
            QCoreApplication::translate("RecordOps", "The operating band %1 does not exist.")
                .arg(idBandFreqSt));
    return TOpResult<double>::success(
        RoundBandCenter(dm.qryTemp1->fieldValue(QStringLiteral("BandFreqCenter")).toDouble()));
}
