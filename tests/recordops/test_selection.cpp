#include "recordopsfixture.h"
#include "store/recordops_placement.h"
#include "store/recordops_selection.h"

namespace
{

using SelectionCascade = RecordOpsTest;

TEST_F(SelectionCascade, MakesTheFirstOfEveryLevelCurrent)
{
    const qint32 first = addOwner(QStringLiteral("ON4ABCDEFGHIJ")); // call longer than 10
    addOwner(QStringLiteral("ON9ZZ"));
    const qint32 site2 = addSite(first, QStringLiteral("Location_02"), false);
    const qint32 site1 = addSite(first, QStringLiteral("Location_01"), true);
    addPlacement(site1, QStringLiteral("Loc01-Ant02"));
    const qint32 placement1 = addPlacement(site1, QStringLiteral("Loc01-Ant01"));
    addPlacement(site2, QStringLiteral("Loc02-Ant01"));
    addPoint(site1, QStringLiteral("CTP_02"));
    const qint32 point1 = addPoint(site1, QStringLiteral("CTP_01"));

    ASSERT_TRUE(SelectFirstOwner(*dm, true).ok());

    const TCurrentSelection &cs = CurrentSelection();
    EXPECT_EQ(cs.ownerCount, 2);
    EXPECT_EQ(cs.ownerId, first);
    EXPECT_EQ(cs.call, QStringLiteral("ON4ABCDEFG"));
    EXPECT_EQ(cs.siteCount, 2);
    EXPECT_EQ(cs.siteId, site1);
    EXPECT_EQ(cs.siteName, QStringLiteral("Location_01"));
    EXPECT_EQ(cs.placementCount, 2);
    EXPECT_EQ(cs.placementId, placement1);
    EXPECT_EQ(cs.placementRef, QStringLiteral("Loc01-Ant01"));
    EXPECT_EQ(cs.pointCount, 2);
    EXPECT_EQ(cs.pointId, point1);
    EXPECT_EQ(cs.pointRef, QStringLiteral("CTP_01"));
    // Lists: the site dataset, the placement dataset and the placement list.
    EXPECT_EQ(dm->qryTower->recordCount(), 2);
    EXPECT_EQ(dm->qryAntSel->recordCount(), 2);
    EXPECT_EQ(cs.placementPosition, 1); // Loc01-Ant01 is the second row of the list

    const QString o = QString::number(first);
    const QString t = QString::number(site1);
    const QStringList statements = issued();
    ASSERT_EQ(statements.size(), 7);
    EXPECT_EQ(statements[0],
              QStringLiteral("SELECT IdOwner, OwnerCall FROM tblOwner ORDER BY IdOwner"));
    EXPECT_EQ(statements[1],
              QStringLiteral("SELECT IdTower, TowerName FROM tblTower WHERE IdOwner =") + o +
                  QStringLiteral(" ORDER BY TowerName"));
    EXPECT_TRUE(statements[2].startsWith(QStringLiteral("SELECT IdTower, IdOwner, TowerName,")));
    EXPECT_EQ(statements[3],
              QStringLiteral("SELECT IdStation, AntennasRef FROM tblStation WHERE IdTower =") + t +
                  QStringLiteral(" ORDER BY AntennasRef"));
    EXPECT_TRUE(statements[4].startsWith(
        QStringLiteral("SELECT IdStation, IdTower, tblStation.IdBandFreqSt,")));
    EXPECT_EQ(statements[5],
              QStringLiteral("SELECT IdStation, AntennasRef FROM tblStation WHERE IdTower =") + t);
    EXPECT_EQ(statements[6],
              QStringLiteral("SELECT IdCriticalPnt, CriticalPntRef FROM tblCriticalPnt WHERE "
                             "IdTower =") +
                  t + QStringLiteral(" ORDER BY CriticalPntRef"));
}

TEST_F(SelectionCascade, WithoutListsOpensNoDataset)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    addSite(owner, QStringLiteral("Location_01"), true);
    ASSERT_TRUE(SelectFirstOwner(*dm, false).ok());
    EXPECT_FALSE(dm->qryTower->isActive());
    // The placement level always loads its lists.
    EXPECT_TRUE(dm->qryAntSel->isActive());
}

TEST_F(SelectionCascade, NoRowKeepsThePreviousIdAndName)
{
    const qint32 owner = addOwner(QStringLiteral("ON4NEW"));
    TCurrentSelection &cs = CurrentSelection();
    cs.siteId = 77;
    cs.setSiteName(QStringLiteral("Old site"));
    cs.placementId = 88;
    cs.setPlacementRef(QStringLiteral("Old-Ant01"));
    cs.placementCount = 5;
    cs.pointId = 99;
    cs.pointCount = 3;

    ASSERT_TRUE(SelectFirstOwner(*dm, true).ok());

    EXPECT_EQ(cs.ownerId, owner);
    EXPECT_EQ(cs.siteCount, 0);
    EXPECT_EQ(cs.siteId, 77);
    EXPECT_EQ(cs.siteName, QStringLiteral("Old site"));
    // The levels below a level without rows are not read: no stale counts remain.
    EXPECT_EQ(cs.placementCount, 0);
    EXPECT_EQ(cs.placementId, 88);
    EXPECT_EQ(cs.placementRef, QStringLiteral("Old-Ant01"));
    EXPECT_EQ(cs.pointCount, 0);
    EXPECT_EQ(cs.pointId, 99);
}

TEST_F(SelectionCascade, SiteWithoutPlacementsStillSelectsItsPoints)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    const qint32 site = addSite(owner, QStringLiteral("Location_01"), true);
    const qint32 point = addPoint(site, QStringLiteral("CTP_01"));
    CurrentSelection().placementId = 5;

    ASSERT_TRUE(SelectFirstOwner(*dm, true).ok());

    EXPECT_EQ(CurrentSelection().placementCount, 0);
    EXPECT_EQ(CurrentSelection().placementId, 5);
    EXPECT_EQ(CurrentSelection().pointCount, 1);
    EXPECT_EQ(CurrentSelection().pointId, point);
}

TEST_F(SelectionCascade, NoOwnerAtAll)
{
    ASSERT_TRUE(SelectFirstOwner(*dm, true).ok());
    const TCurrentSelection &cs = CurrentSelection();
    EXPECT_EQ(cs.ownerCount, 0);
    EXPECT_EQ(cs.ownerId, 0);
    EXPECT_EQ(cs.siteCount, 0);
    EXPECT_EQ(issued().size(), 1); // nothing below the owners is read
}

TEST_F(SelectionCascade, StoreErrorComesBackAsValue)
{
    sql(QStringLiteral("DROP TABLE tblCriticalPnt"));
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    addSite(owner, QStringLiteral("Location_01"), true);
    const TOpStatus status = SelectFirstOwner(*dm, false);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.error.isEmpty());
}

TEST_F(SelectionCascade, PlacementListPositionFollowsTheCurrentPlacement)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    const qint32 site = addSite(owner, QStringLiteral("Location_01"), true);
    addPlacement(site, QStringLiteral("Loc01-Ant01"));
    const qint32 second = addPlacement(site, QStringLiteral("Loc01-Ant02"));
    TCurrentSelection &cs = CurrentSelection();

    cs.placementId = second;
    cs.placementPosition = 0;
    TOpResult<TPlacementList> list = ListPlacements(*dm, site);
    ASSERT_TRUE(list.ok());
    EXPECT_EQ(list.value.refs,
              QStringList({QStringLiteral("Loc01-Ant01"), QStringLiteral("Loc01-Ant02")}));
    EXPECT_EQ(list.value.ids.size(), 2);
    EXPECT_EQ(cs.placementPosition, 1);

    cs.placementId = 12345; // not listed: the position stays
    list = ListPlacements(*dm, site);
    EXPECT_EQ(cs.placementPosition, 1);
}

} // namespace
