#pragma once

#include "exposure/engine/patterntable.h"
#include "store/recordresult.h"

#include <QString>
#include <QVector>

class TdtmMain;

// What the regulator export reads from the main database: the owner with the
// main site's coordinates, and every antenna placement of every site of the owner.

struct TExportOwnerRow {
    QString firstName;
    QString name;
    QString call;
    QString otherOps;
    QString address1;
    QString address2;
    QString zip1;
    QString city1;
    QString zip2;
    QString city2;
    QString phoneHome;
    QString phoneOffice;
    QString phoneMobile;
    QString email;
    QString note;
    QString siteAddress1;
    QString siteAddress2;
    QString siteBiptRef;
    QString siteNote;
    QString siteSharedBy;
    QString clubCall;
    bool siteShared = false;
    bool siteHasAntennas = false; // OwnerSiteAlreadyAnt
    bool clubStation = false;
    double lambertX = 0.0; // of the main site
    double lambertY = 0.0;
};

struct TExportAntennaRow {
    QString family; // in the language of the export letter
    QString type;
    QString makeDescription;
    QString polarization;
    QString reference; // AntennasRef
    double tilt = 0.0;
    double height = 0.0;
    double eirp = 0.0;         // dBW
    double frequency = 0.0;    // band centre, MHz
    double antennaPower = 0.0; // AntennasAntPwr, dBW
    AntennaPattern pattern{};  // AntV00 ... AntV90, dBi
};

// Number of antenna placements of the owner (every site).
TOpResult<int> CountExportAntennas(TdtmMain &dm, qint32 ownerId);

// The owner with the main site's coordinates. An owner without a main site (or
// without a matching postcode row) gives no row: the result is then the empty
// row, with empty texts and 0 coordinates. Reads through qryTemp1.
TOpResult<TExportOwnerRow> ReadExportOwner(TdtmMain &dm, qint32 ownerId, const QString &letter);

// Every placement of every site of the owner, ordered by placement key; the n-th
// row (n from 1) is antenna number n of the export. Missing values read as 0.
TOpResult<QVector<TExportAntennaRow>> ReadExportAntennas(TdtmMain &dm, qint32 ownerId,
                                                         const QString &letter);
