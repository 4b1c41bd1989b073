#include "pages/sitedefselection.h"

#include "base/currentselection.h"
#include "store/recordops_selection.h"

void ClearPlacementSelection()
{
    TCurrentSelection &cs = CurrentSelection();
    cs.placementId = 0;
    cs.placementCount = 0;
    cs.placementPosition = 0;
    cs.setPlacementRef(QString());
    cs.pointId = 0;
    cs.pointCount = 0;
    cs.setPointRef(QString());
}

TOpStatus SelectFirstPlacementOfSite(TdtmMain &dm)
{
    const TOpStatus status = SelectFirstPlacement(dm, true);
    if (!status.ok())
        return status;
    TCurrentSelection &cs = CurrentSelection();
    if (cs.placementCount == 0) {
        cs.placementId = 0;
        cs.placementPosition = 0;
        cs.setPlacementRef(QString());
    }
    if (cs.pointCount == 0) {
        cs.pointId = 0;
        cs.setPointRef(QString());
    }
    return status;
}
