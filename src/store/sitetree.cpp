#include "store/sitetree.h"

#include "store/datamodule.h"
#include "store/recordstatement.h"
#include "store/schema.h"

#include <utility>

TOpResult<TSiteTree> FillSiteTree(TdtmMain &dm, qint32 ownerId, const QString &rootText)
{
    TSiteTree tree;
    tree.rootText = rootText;
    TOpStatus status = OpenStatement(dm.qryTemp1, {QStringLiteral("SELECT IdTower, TowerName"),
                                                   QStringLiteral("FROM tblTower"),
                                                   QStringLiteral("WHERE IdOwner =%1").arg(ownerId),
                                                   QStringLiteral("ORDER BY TowerName")});
    if (!status.ok())
        return TOpResult<TSiteTree>::failure(status);
    for (dm.qryTemp1->first(); !dm.qryTemp1->eof(); dm.qryTemp1->next()) {
        TSiteTreeSite site;
        site.id = FieldInt(dm.qryTemp1, Schema::IdTower);
        site.name = FieldText(dm.qryTemp1, Schema::TowerName);
        tree.sites.append(site);
    }
    for (TSiteTreeSite &site : tree.sites) {
        status = OpenStatement(dm.qryTemp2, {QStringLiteral("SELECT IdStation, AntennasRef"),
                                             QStringLiteral("FROM tblStation"),
                                             QStringLiteral("WHERE IDTower =%1").arg(site.id),
                                             QStringLiteral("ORDER BY AntennasRef")});
        if (!status.ok())
            return TOpResult<TSiteTree>::failure(status);
        for (dm.qryTemp2->first(); !dm.qryTemp2->eof(); dm.qryTemp2->next())
            site.placements.append({FieldInt(dm.qryTemp2, Schema::IdStation),
                                    FieldText(dm.qryTemp2, Schema::AntennasRef)});
    }
    if (!tree.sites.isEmpty()) {
        tree.selectedSite = 0;
        tree.selectedPlacement = tree.sites.first().placements.isEmpty() ? -1 : 0;
    }
    return TOpResult<TSiteTree>::success(std::move(tree));
}
