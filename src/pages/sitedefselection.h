#pragma once

#include "store/recordresult.h"

class TdtmMain;

// Makes the first placement and critical test point of the current site
// current (with the placement list opened). Where the site has none, the
// placement or point of the previous site is forgotten rather than kept: it
// belongs to another site, or to one that was just deleted.
TOpStatus SelectFirstPlacementOfSite(TdtmMain &dm);

// Forgets the current placement and critical test point.
void ClearPlacementSelection();
