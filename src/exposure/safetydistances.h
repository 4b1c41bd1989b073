#pragma once

#include "store/recordresult.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class TdtmMain;
class TJetDataset;

// The safety distance of every antenna placement of an owner: how far from the
// antenna, in the direction of its largest gain, the field strength of the
// power at the antenna (no space attenuation) still reaches the limit.
struct TPlacementSafety {
    QString siteName;
    QString placementRef;
    double frequency = 0;           // MHz
    std::optional<double> limit;    // L1 in V/m; none below 10 MHz
    bool hasPower = true;           // false when the power chain was never saved
    std::optional<double> distance; // m; none below 10 MHz or without a power chain
};

// Reads the placements of the owner's sites, ordered by site name and
// placement reference, and computes their safety distances. The rows are read
// through dm.qryTemp3.
TOpResult<QVector<TPlacementSafety>> ListSafetyDistances(TdtmMain &dm, qint32 ownerId);

// The same for one placement, by its key; nothing when there is no such row.
TOpResult<std::optional<TPlacementSafety>> PlacementSafety(TdtmMain &dm, qint32 stationId);

// The placements of the owner whose power chain was never saved, in site and
// placement order: what documents made now would show without a value.
TOpResult<QStringList> PlacementsWithoutPowerChain(TdtmMain &dm, qint32 ownerId);

// A safety distance as a text: "4,36 m", or the reason there is none
// ("no limit applies below 10 MHz", "no power chain").
QString SafetyDistanceText(const TPlacementSafety &safety);
