#pragma once

#include "store/recordresult.h"

class TdtmMain;

// The current-selection cascade: makes the first owner, its first site, that
// site's first placement and first critical test point current in
// CurrentSelection(). When a level finds no row, only its count becomes 0; the
// id and name of that level keep their previous values. A level below one
// without rows (no owner, no site) is not read and its count becomes 0.

// First owner in IdOwner order, then SelectFirstSite(openLists).
TOpStatus SelectFirstOwner(TdtmMain &dm, bool openLists);

// First site of the current owner in TowerName order; with openSites also
// opens qryTower on the owner's sites and resets the placement list position.
// Then SelectFirstPlacement(true).
TOpStatus SelectFirstSite(TdtmMain &dm, bool openSites);

// First placement of the current site in AntennasRef order; with openLists
// also opens qryAntSel and fills the placement list. Then SelectFirstCriticalPoint.
TOpStatus SelectFirstPlacement(TdtmMain &dm, bool openLists);

// First critical test point of the current site in CriticalPntRef order.
TOpStatus SelectFirstCriticalPoint(TdtmMain &dm);
