#pragma once

#include "store/recordresult.h"

#include <QString>
#include <QStringList>
#include <QVector>

class TdtmMain;

// The data operations on critical test points (tblCriticalPnt). Every point
// belongs to a site; "the user's points" are those of the owner's sites.
// Numbers go into the statements with "." as decimal separator.

// One new point row, for one site.
struct TPointEntry {
    qint32 siteId = 0;
    qint32 spaceAttId = 0;
    double distance = 0; // m
    double height = 0;   // m
    QString description; // cut to 70 characters when written
    QString reference;   // cut to 7 characters when written
};

// The owner's sites that have at least one placement, by name.
struct TPointSiteList {
    QStringList names;
    QVector<qint32> ids;
};

// Runs the list query (the evaluation source) on qryCtpList for the owner:
// one row per point and placement of the point's site, ordered by reference,
// site name and placement reference. Returns the row count.
TOpResult<int> OpenPointList(TdtmMain &dm, qint32 ownerId);

// Opens qryCriticalPnt on one point for editing; pointId 0 opens it empty for
// a new row.
TOpResult<int> OpenPointForEdit(TdtmMain &dm, qint32 pointId);

// The owner's sites with antennas.
TOpResult<TPointSiteList> ListSitesWithAntennas(TdtmMain &dm, qint32 ownerId);

// The owner's next point reference (CTP_01 when there is none).
TOpResult<QString> NextPointRef(TdtmMain &dm, qint32 ownerId);

// Inserts one point and returns its key.
TOpResult<qint32> InsertPoint(TdtmMain &dm, const TPointEntry &entry);

// Deletes every row of the reference at the owner's sites.
TOpStatus DeletePointReference(TdtmMain &dm, qint32 ownerId, const QString &reference);

// Deletes every point of the owner.
TOpStatus DeleteOwnerPoints(TdtmMain &dm, qint32 ownerId);

// Sets space attenuation and description of every row of the reference at the
// owner's sites.
TOpStatus UpdateReferenceShared(TdtmMain &dm, qint32 ownerId, const QString &reference,
                                qint32 spaceAttId, const QString &description);

// Sets distance and height of one point.
TOpStatus UpdatePointGeometry(TdtmMain &dm, qint32 pointId, double distance, double height);

// The operations the critical-test-points page calls.

// Inserts one row per entry, all or none; the key and reference of the first
// new row become the current point of CurrentSelection(). Returns that key.
TOpResult<qint32> AddPoints(TdtmMain &dm, const QVector<TPointEntry> &entries);

// Writes the shared fields for the reference, then the geometry of the point,
// both or neither.
TOpStatus UpdatePoint(TdtmMain &dm, qint32 ownerId, qint32 pointId, const QString &reference,
                      qint32 spaceAttId, const QString &description, double distance,
                      double height);

TOpStatus DeleteReference(TdtmMain &dm, qint32 ownerId, const QString &reference);
TOpStatus DeleteAllPoints(TdtmMain &dm, qint32 ownerId);
