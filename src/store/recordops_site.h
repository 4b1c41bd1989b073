#pragma once

#include "store/nameproposals.h"
#include "store/recordresult.h"

#include <QStringList>
#include <QVector>

class TdtmMain;

// Operations on sites (tblTower), with the main-site rules: every owner who
// has at least one site has exactly one main site.

// The site selector's two arrays, in the order the query returned them.
struct TSiteList {
    QStringList names;
    QVector<qint32> ids;
};

// What the site page saves. The coordinates are whole numbers (metres,
// degrees, minutes, seconds) and go into the statement as digits.
struct TSiteValues {
    QString name;
    QString remark;
    qint32 lambertX = 0;
    qint32 lambertY = 0;
    qint32 eastDegrees = 0;
    qint32 eastMinutes = 0;
    qint32 eastSeconds = 0;
    qint32 northDegrees = 0;
    qint32 northMinutes = 0;
    qint32 northSeconds = 0;
};

TOpResult<int> CountSites(TdtmMain &dm, qint32 ownerId);
TOpResult<TSiteList> ListSites(TdtmMain &dm, qint32 ownerId);

// Opens qryTower on the owner's sites in TowerName order, with the display
// columns 'DegE' and 'DegN'; newRecord opens it empty (owner 0) for a new site.
TOpStatus OpenSites(TdtmMain &dm, qint32 ownerId, bool newRecord);

// Inserts a site and returns its IdTower. The owner's first site is main
// whatever the caller asked; a new main site takes the flag from the old one.
TOpResult<qint32> InsertSite(TdtmMain &dm, qint32 ownerId, bool main, const TSiteValues &values);

// Updates a site. Asking for main moves the flag to this site; clearing it on
// the owner's only main site keeps the site main.
TOpStatus UpdateSite(TdtmMain &dm, qint32 ownerId, qint32 siteId, bool main,
                     const TSiteValues &values);

// After a site was deleted while the owner keeps sites: makes the first
// remaining site main when none is, and clears the current site, its name and
// the current placement reference.
TOpStatus EnsureMainSite(TdtmMain &dm, qint32 ownerId);

// Proposed name of the owner's next site ("Location_01", "Location_02", ...).
// Fails, without writing anything, when the greatest existing name does not
// end in a number or the owner already has site number 99.
TOpResult<QString> NextSiteName(TdtmMain &dm, qint32 ownerId);

// Deletes a site with its critical test points and placements.
TOpStatus DeleteSite(TdtmMain &dm, qint32 siteId);
