#include "exposure/graphqueries.h"

#include "base/numberformat.h"
#include "exposure/engine/engine.h"
#include "exposure/graphprep.h"
#include "store/datamodule.h"
#include "store/jetdataset.h"
#include "store/jetliterals.h"
#include "store/recordstatement.h"
#include "store/schema.h"

#include <cmath>
#include <utility>

namespace
{

double Number(const TJetDataset *rows, QLatin1String field)
{
    const QVariant value = rows->fieldValue(field);
    if (value.typeId() == QMetaType::QString)
        return NumberOrZero(value.toString());
    bool ok = false;
    const double n = value.toDouble(&ok);
    return ok && std::isfinite(n) ? n : 0.0;
}

QString Text(const TJetDataset *rows, QLatin1String field)
{
    return FieldText(rows, field);
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
    for (int k = 0; k < 10; ++k)
        info.pattern[k] = Number(row, Schema::PatternColumns[k]);
    info.placementRef = Text(row, Schema::AntennasRef);
    info.antennaType = Text(row, Schema::AntType);
    info.antennaDescription = Text(row, Schema::AntMakeDescr);
    info.antennaHeight = Number(row, Schema::AntennasHeight);
    info.txPower = Number(row, Schema::StationTxPower);
    info.modeCorrection = Number(row, Schema::ModeAtt);
    info.timeCorrection = Number(row, Schema::TxTimeAtt);
    info.feederLoss = Number(row, Schema::StationAttFeeder);
    info.additionalLoss = Number(row, Schema::StationAttAdd);
    info.antennaPower = Number(row, Schema::AntennasAntPwr);
    info.eirp = Number(row, Schema::AntennasEirp);
    info.frequency = Number(row, Schema::BandFreqCenter);
    info.tilt = Number(row, Schema::AntennasTilt);
    info.apertureSize = ApertureSizeFromText(Text(row, Schema::AntExtra).toStdString());
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
        const double s = SpaceAttenuation(info.frequency, Number(rows, Schema::SpaceAttLow),
                                          Number(rows, Schema::SpaceAttHigh));
        const double d = Number(rows, Schema::CriticalPntDist);
        const double h = Number(rows, Schema::CriticalPntHeight);
        const double e = FieldStrength(info.pattern, info.apertureSize, info.frequency, info.tilt,
                                       d, h, info.antennaPower - s, info.antennaHeight);
        PrepPoint(g, d, h, e, Text(rows, Schema::CriticalPntRem));
    }
    load.found = true;
    return TOpResult<TGraphLoad>::success(std::move(load));
}
