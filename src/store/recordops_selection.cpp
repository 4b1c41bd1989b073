#include "store/recordops_selection.h"

#include "base/currentselection.h"
#include "store/datamodule.h"
#include "store/recordops_placement.h"
#include "store/recordops_site.h"
#include "store/recordstatement.h"

TOpStatus SelectFirstOwner(TdtmMain &dm, bool openLists)
{
    TCurrentSelection &cs = CurrentSelection();
    const TOpStatus status = OpenStatement(
        dm.qryTemp1, {QStringLiteral("SELECT IdOwner, OwnerCall"), QStringLiteral("FROM tblOwner"),
                      QStringLiteral("ORDER BY IdOwner")});
    if (!status.ok())
        return status;
    cs.ownerCount = dm.qryTemp1->recordCount();
    if (!dm.qryTemp1->isEmpty()) {
        cs.ownerId = FieldInt(dm.qryTemp1, QStringLiteral("IdOwner"));
        cs.setCall(FieldText(dm.qryTemp1, QStringLiteral("OwnerCall")));
    }
    return SelectFirstSite(dm, openLists);
}

TOpStatus SelectFirstSite(TdtmMain &dm, bool openSites)
{
    TCurrentSelection &cs = CurrentSelection();
    if (cs.ownerCount > 0) {
        const TOpStatus status =
            OpenStatement(dm.qryTemp1, {QStringLiteral("SELECT IdTower, TowerName"),
                                        QStringLiteral("FROM tblTower"),
                                        QStringLiteral("WHERE IdOwner =%1").arg(cs.ownerId),
                                        QStringLiteral("ORDER BY TowerName")});
        if (!status.ok())
            return status;
        cs.siteCount = dm.qryTemp1->recordCount();
        if (!dm.qryTemp1->isEmpty()) {
            cs.siteId = FieldInt(dm.qryTemp1, QStringLiteral("IdTower"));
            cs.setSiteName(FieldText(dm.qryTemp1, QStringLiteral("TowerName")));
        }
        if (openSites) {
            const TOpStatus opened = OpenSites(dm, cs.ownerId, false);
            if (!opened.ok())
                return opened;
            cs.placementPosition = 0;
        }
    } else {
        cs.siteCount = 0;
    }
    return SelectFirstPlacement(dm, true);
}

TOpStatus SelectFirstPlacement(TdtmMain &dm, bool openLists)
{
    TCurrentSelection &cs = CurrentSelection();
    if (cs.siteCount > 0) {
        const TOpStatus status =
            OpenStatement(dm.qryTemp1, {QStringLiteral("SELECT IdStation, AntennasRef"),
                                        QStringLiteral("FROM tblStation"),
                                        QStringLiteral("WHERE IdTower =%1").arg(cs.siteId),
                                        QStringLiteral("ORDER BY AntennasRef")});
        if (!status.ok())
            return status;
        cs.placementCount = dm.qryTemp1->recordCount();
        if (!dm.qryTemp1->isEmpty()) {
            cs.placementId = FieldInt(dm.qryTemp1, QStringLiteral("IdStation"));
            cs.setPlacementRef(FieldText(dm.qryTemp1, QStringLiteral("AntennasRef")));
        }
        if (openLists) {
            const TOpResult<int> opened = OpenPlacements(dm, cs.siteId);
            if (!opened.ok())
                return TOpStatus{opened.error};
            const TOpResult<TPlacementList> listed = ListPlacements(dm, cs.siteId);
            if (!listed.ok())
                return TOpStatus{listed.error};
        }
    } else {
        cs.placementCount = 0;
    }
    return SelectFirstCriticalPoint(dm);
}

TOpStatus SelectFirstCriticalPoint(TdtmMain &dm)
{
    TCurrentSelection &cs = CurrentSelection();
    if (cs.siteCount <= 0) {
        cs.pointCount = 0;
        return TOpStatus{};
    }
    const TOpStatus status =
        OpenStatement(dm.qryTemp1, {QStringLiteral("SELECT IdCriticalPnt, CriticalPntRef"),
                                    QStringLiteral("FROM tblCriticalPnt"),
                                    QStringLiteral("WHERE IdTower =%1").arg(cs.siteId),
                                    QStringLiteral("ORDER BY CriticalPntRef")});
    if (!status.ok())
        return status;
    cs.pointCount = dm.qryTemp1->recordCount();
    if (!dm.qryTemp1->isEmpty()) {
        cs.pointId = FieldInt(dm.qryTemp1, QStringLiteral("IdCriticalPnt"));
        cs.setPointRef(FieldText(dm.qryTemp1, QStringLiteral("CriticalPntRef")));
    }
    return TOpStatus{};
}
