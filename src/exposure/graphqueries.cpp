#include "exposure/graphqueries.h"

#include "exposure/engine/engine.h"
#include "exposure/graphprep.h"
#include "base/numberformat.h"
#include "store/datamodule.h"
#include "store/jetdataset.h"
#include "store/jetliterals.h"
#include "store/recordstatement.h"

#include <cmath>
#include <utility>

namespace
{

double Number(const TJetDataset *rows, const char *field)
{
    const QVariant value = rows->fieldValue(QString::fromLatin1(field));
    if (value.typeId() == QMetaType::QString)
        return NumberOrZero(value.toString());
    bool ok = false;
    const double n = value.toDouble(&ok);
    return ok && std::isfinite(n) ? n : 0.0;
}

QString Text(const TJetDataset *rows, const char *field)
{
    return FieldText(rows, QString::fromLatin1(field));
}

QStringList PlacementStatement(qint32 ownerId, const QString &placementRef)
{
    return {QStringLiteral("SELECT AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, "
                           "AntV70, AntV80, AntV90, AntV100, AntennasEirp, AntennasRef, "
                           "AntennasHeight, StationTxPower, AntType, TxTimeAtt, ModeAtt, "
                           "AntennasAntPwr, AntennasAvgPwr, StationAttFeeder, StationAttAdd, "
                           "AntMakeDescr, AntExtra, BandFreqCenter, AntennasTilt"),
            QStringLiteral("FROM (((((tblStation INNER JOIN tblBandFreqSt ON "
                           "tblStation.IdBandFreqSt = tblBandFreqSt.IdBandFreqSt)"),
            QStringLiteral("INNER JOIN tblTower ON tblStation.IdTower = tblTower.IdTower)"),
            QStringLiteral("INNER JOIN tblTxTime ON tblStation.IdTxTime = tblTxTime.IdTxTime)"),
            QStringLiteral("INNER JOIN tblMode ON tblStation.IdMode = tblMode.IdMode)"),
            QStringLiteral("INNER JOIN tblListAnt ON tblStation.IdListAnt = tblListAnt.IDListAnt)"),
            QStringLiteral("WHERE (AntennasRef LIKE ") + JetText(placementRef) +
                QStringLiteral(") "),
            QStringLiteral("AND (IdOwner =%1) ").arg(ownerId)};
}

QStringList PointStatement(qint32 ownerId, const QString &placementRef)
{
    return {QStringLiteral("SELECT CriticalPntRef, CriticalPntRem, CriticalPntDist, "
                           "CriticalPntHeight, SpaceAttDescrE, SpaceAttLow, SpaceAttHigh"),
            QStringLiteral("FROM ((tblStation INNER JOIN tblTower ON tblStation.IdTower = "
                           "tblTower.IdTower)"),
            QStringLiteral("INNER JOIN tblCriticalPnt ON tblTower.IdTower = "
                           "tblCriticalPnt.IdTower)"),
            QStringLiteral("INNER JOIN tblSpaceAtt ON tblCriticalPnt.IdSpaceAtt = "
                           "tblSpaceAtt.IdSpaceAtt"),
            QStringLiteral("WHERE (AntennasRef LIKE ") + JetText(placementRef) +
                QStringLiteral(") "),
            QStringLiteral("AND IdOwner =%1").arg(ownerId),
            QStringLiteral("ORDER BY CriticalPntRef ")};
}

void ReadPlacement(const TJetDataset *row, TGraphInfo &info)
{
    static const char *const patternNames[] = {"AntV00", "AntV10", "AntV20", "AntV30", "AntV40",
                                               "AntV50", "AntV60", "AntV70", "AntV80", "AntV90"};
    for (int k = 0; k < 10; ++k)
        info.pattern[k] = Number(row, patternNames[k]);
    info.placementRef = Text(row, "AntennasRef");
    info.antennaType = Text(row, "AntType");
    info.antennaDescription = Text(row, "AntMakeDescr");
    info.antennaHeight = Number(row, "AntennasHeight");
    info.txPower = Number(row, "StationTxPower");
    info.modeCorrection = Number(row, "ModeAtt");
    info.timeCorrection = Number(row, "TxTimeAtt");
    info.feederLoss = Number(row, "StationAttFeeder");
    info.additionalLoss = Number(row, "StationAttAdd");
    info.antennaPower = Number(row, "AntennasAntPwr");
    info.eirp = Number(row, "AntennasEirp");
    info.frequency = Number(row, "BandFreqCenter");
    info.tilt = Number(row, "AntennasTilt");
    info.apertureSize = ApertureSizeFromText(Text(row, "AntExtra").toStdString());
}

} // namespace

TOpResult<TGraphLoad> LoadGraph(TdtmMain &dm, qint32 ownerId, const QString &callSign,
                                const QString &siteName, const QString &placementRef)
{
    TJetDataset *rows = dm.qryTemp3;
    TOpStatus status = OpenStatement(rows, PlacementStatement(ownerId, placementRef));
    if (!status.ok())
        return TOpResult<TGraphLoad>::failure(status);

    TGraphLoad load;
    load.placementRows = rows->recordCount();
    if (load.placementRows != 1)
        return TOpResult<TGraphLoad>::success(std::move(load));

    TGraphData &g = load.data;
    g.info.callSign = callSign;
    g.info.siteName = siteName;
    ReadPlacement(rows, g.info);
    PrepGraph(g);

    status = OpenStatement(rows, PointStatement(ownerId, placementRef));
    if (!status.ok())
        return TOpResult<TGraphLoad>::failure(status);
    const TGraphInfo &info = g.info;
    for (rows->first(); !rows->eof(); rows->next()) {
        const double s = info.frequency >= 1000 ? Number(rows, "SpaceAttHigh")
                                                : Number(rows, "SpaceAttLow");
        const double d = Number(rows, "CriticalPntDist");
        const double h = Number(rows, "CriticalPntHeight");
        const double e = FieldStrength(info.pattern, info.apertureSize, info.frequency, info.tilt,
                                       d, h, info.antennaPower - s, info.antennaHeight);
        PrepPoint(g, d, h, e, Text(rows, "CriticalPntRem"));
    }
    load.found = true;
    return TOpResult<TGraphLoad>::success(std::move(load));
}
