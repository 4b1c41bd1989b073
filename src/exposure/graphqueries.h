#pragma once

#include "exposure/graphinfo.h"
#include "store/recordresult.h"

#include <QString>

class TdtmMain;

// What opening the plot found: the prepared plot of exactly one placement, or
// nothing when the reference matches no placement or several of the user's.
struct TGraphLoad {
    bool found = false;
    int placementRows = 0; // rows the placement query returned
    TGraphData data;
};

// Runs the two opening queries on qryTemp3: the placement by reference and
// user, then, when exactly one row results, the critical test points of its
// site. Fills the plot's record, prepares the contours and adds every point
// with the field strength the critical-points list shows for it (its own
// space attenuation subtracted from the antenna power).
TOpResult<TGraphLoad> LoadGraph(TdtmMain &dm, qint32 ownerId, const QString &callSign,
                                const QString &siteName, const QString &placementRef);
