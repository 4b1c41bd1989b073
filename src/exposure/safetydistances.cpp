#include "exposure/safetydistances.h"

#include "base/numberformat.h"
#include "exposure/engine/aperturesize.h"
#include "exposure/engine/fieldreach.h"
#include "exposure/engine/limits.h"
#include "exposure/evaluation.h"
#include "store/datamodule.h"
#include "store/jetdataset.h"
#include "store/recordstatement.h"

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

    static const char *const patternNames[] = {"AntV00", "AntV10", "AntV20", "AntV30", "AntV40",
                                               "AntV50", "AntV60", "AntV70", "AntV80", "AntV90"};
    TJetDataset *rows = dm.qryTemp3;
    QVector<TPlacementSafety> list;
    for (rows->first(); !rows->eof(); rows->next()) {
        const auto value = [rows](const char *name) {
            return rows->fieldValue(QString::fromLatin1(name));
        };
        TPlacementSafety s;
        s.siteName = value("TowerName").toString();
        s.placementRef = value("AntennasRef").toString();
        s.frequency = NumberOf(value("BandFreqCenter"));
        if (const std::optional<LimitLevels> levels = VerdictLevels(s.frequency))
            s.limit = levels->limit;
        // The same rule as the evaluation: a power chain never saved has no power.
        const QVariant power = value("AntennasAntPwr");
        s.hasPower = !power.isNull() && NumberOf(value("StationTxPower")) > 0;
        AntennaPattern pattern{};
        for (int k = 0; k < 10; ++k)
            pattern[k] = NumberOf(value(patternNames[k]));
        const int n = ApertureSizeFromText(value("AntExtra").toString().toStdString());
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
