#pragma once

#include "store/recordresult.h"

#include <QStringList>
#include <QVector>

class TdtmMain;

// Operations on antenna placements (tblStation): one catalogue antenna placed
// on one site with its band, height, tilt and power chain.

// The placement selector's two arrays, in the order the query returned them.
struct TPlacementList {
    QStringList refs;
    QVector<qint32> ids;
};

// What the antenna page saves. Height and tilt are the numbers as the user
// typed them ("12,5"); the store converts them.
struct TPlacementValues {
    qint32 idBandFreqSt = 0;
    QString height;
    QString tilt;
    QString polarisation; // short code of the antenna's polarisation
    QString remark;
    bool simultaneous = true; // AntennasSimTx: transmits at the same time as the others
};

TOpResult<int> CountPlacements(TdtmMain &dm, qint32 siteId);

// Lists the site's placements; the placement list position in CurrentSelection()
// becomes the index of the current placement (unchanged when it is not listed).
TOpResult<TPlacementList> ListPlacements(TdtmMain &dm, qint32 siteId);

// Opens qryAntSel on the site's placements joined with their antenna.
TOpResult<int> OpenPlacements(TdtmMain &dm, qint32 siteId);

// Opens qryStation on every placement of the owner with its power columns and
// positions it on the given placement (the first row when it is not there).
TOpResult<int> OpenPowerData(TdtmMain &dm, qint32 placementId, qint32 ownerId);

// Inserts a placement of the antenna that qryAntList stands on and returns its
// IdStation. Fails without writing when no catalogue antenna is current.
TOpResult<qint32> InsertPlacement(TdtmMain &dm, qint32 siteId, const QString &ref,
                                  const TPlacementValues &values);
TOpStatus UpdatePlacement(TdtmMain &dm, qint32 placementId, qint32 antennaId,
                          const TPlacementValues &values);

// Deletes one placement; the critical test points belong to the site and stay.
TOpStatus DeletePlacement(TdtmMain &dm, qint32 placementId);

// Proposed reference of the site's next placement (Loc03-Ant01, Loc03-Ant02...).
// Fails, without writing anything, when the greatest existing reference does
// not end in a number or the site already has placement number 99.
TOpResult<QString> NextPlacementRef(TdtmMain &dm, qint32 siteId, const QString &siteName);

// Centre of an operating band in MHz, rounded to one decimal (halves to even).
// Fails when the band does not exist.
TOpResult<double> GetBandCenter(TdtmMain &dm, qint32 idBandFreqSt);
