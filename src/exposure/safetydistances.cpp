#include "exposure/safetydistances.h"

#include "base/numberformat.h"
#include "exposure/engine/aperturesize.h"
#include "exposure/engine/fieldreach.h"
#include "exposure/engine/limits.h"
#include "exposure/evaluation.h"
#include "store/datamodule.h"
#include "store/jetdataset.h"
#include "store/recordstatement.h"
#include "store/schema.h"

#include <cmath>

namespace
{

double NumberOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString)
        return NumberOrZero(value.toString());
    bool ok = false;
    const double n = value.toDouble(&ok);
    return ok && std::isfinite(n) ? n : 0.0;
}

TOpResult<QVector<TPlacementSafety>> ReadPlacements(TdtmMain &dm, const QString &condition)
{
    const TOpStatus status = OpenStatement(
        dm.qryTemp3,
        {QStringLiteral("SELECT TowerName, AntennasRef, BandFreqCenter, AntV00, AntV10, AntV20, "
                        "AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntExtra, "
                        "AntennasAntPwr, StationTxPower"),
         QStringLiteral("FROM ((tblTower INNER JOIN tblStation ON tblTower.IdTower = "
                        "tblStation.IdTower)"),
         QStringLiteral("INNER JOIN tblBandFreqSt ON tblStation.IdBandFreqSt = "
                        "tblBandFreqSt.IdBandFreqSt)"),
         QStringLiteral("INNER JOIN tblListAnt ON tblStation.IdListAnt = tblListAnt.IDListAnt"),
         condition, QStringLiteral("ORDER BY TowerName, AntennasRef ")});
    if (!status.ok())
        return TOpResult<QVector<TPlacementSafety>>::failure(status);

    TJetDataset *rows = dm.qryTemp3;
    QVector<TPlacementSafety> list;
    for (rows->first(); !rows->eof(); rows->next()) {
        const auto value = [rows](QLatin1String name) { return rows->fieldValue(name); };
        TPlacementSafety s;
        s.siteName = value(Schema::TowerName).toString();
        s.placementRef = value(Schema::AntennasRef).toString();
        s.frequency = NumberOf(value(Schema::BandFreqCenter));
        if (const std::optional<LimitLevels> levels = VerdictLevels(s.frequency))
            s.limit = levels->limit;
        const QVariant power = value(Schema::AntennasAntPwr);
        s.hasPower = PowerChainSaved(power, NumberOf(value(Schema::StationTxPower)));
        AntennaPattern pattern{};
        for (int k = 0; k < 10; ++k)
            pattern[k] = NumberOf(value(Schema::PatternColumns[k]));
        const int n = ApertureSizeFromText(value(Schema::AntExtra).toString().toStdString());
        if (s.hasPower)
            s.distance = SafetyDistance(pattern, n, s.frequency, NumberOf(power));
        list << s;
    }
    return TOpResult<QVector<TPlacementSafety>>::success(list);
}

} // namespace

TOpResult<QVector<TPlacementSafety>> ListSafetyDistances(TdtmMain &dm, qint32 ownerId)
{
    return ReadPlacements(dm, QStringLiteral("WHERE (tblTower.IdOwner =%1) ").arg(ownerId));
}

TOpResult<std::optional<TPlacementSafety>> PlacementSafety(TdtmMain &dm, qint32 stationId)
{
    const TOpResult<QVector<TPlacementSafety>> rows =
        ReadPlacements(dm, QStringLiteral("WHERE (tblStation.IdStation =%1) ").arg(stationId));
    if (!rows.ok())
        return TOpResult<std::optional<TPlacementSafety>>::failure(rows.error);
    if (rows.value.isEmpty())
        return TOpResult<std::optional<TPlacementSafety>>::success(std::nullopt);
    return TOpResult<std::optional<TPlacementSafety>>::success(rows.value.first());
}

TOpResult<QStringList> PlacementsWithoutPowerChain(TdtmMain &dm, qint32 ownerId)
{
    const TOpResult<QVector<TPlacementSafety>> list = ListSafetyDistances(dm, ownerId);
    if (!list.ok())
        return TOpResult<QStringList>::failure(list.error);
    QStringList missing;
    for (const TPlacementSafety &p : list.value) {
        if (!p.hasPower)
            missing << p.placementRef;
    }
    return TOpResult<QStringList>::success(missing);
}

QString SafetyDistanceText(const TPlacementSafety &safety)
{
    if (!safety.limit)
        return NoLimitNote();
    if (!safety.hasPower || !safety.distance)
        return NoPowerChainText();
    return FormatRounded(*safety.distance, 2) + QStringLiteral(" m");
}
