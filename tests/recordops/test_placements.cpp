#include "recordopsfixture.h"
#include "store/recordops_antenna.h"
#include "store/recordops_placement.h"
#include "store/sitetree.h"

namespace
{

using PlacementOps = RecordOpsTest;

TEST_F(PlacementOps, NextPlacementRefCountsOnWithinTheSite)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    const qint32 loc07 = addSite(owner, QStringLiteral("Location_07"), true);
    const qint32 empty = addSite(owner, QStringLiteral("Location_08"), false);
    const qint32 broken = addSite(owner, QStringLiteral("Location_09"), false);
    addPlacement(loc07, QStringLiteral("Loc07-Ant02"));
    addPlacement(loc07, QStringLiteral("Loc07-Ant01"));
    addPlacement(broken, QStringLiteral("Loc09-Ant01"));
    addPlacement(broken, QStringLiteral("Loc09-AntX"));

    TOpResult<QString> ref = NextPlacementRef(*dm, loc07, QStringLiteral("Location_07"));
    ASSERT_TRUE(ref.ok());
    EXPECT_EQ(ref.value, QStringLiteral("Loc07-Ant03"));
    EXPECT_EQ(issued().last(),
              QStringLiteral("SELECT TOP 1 AntennasRef FROM tblStation WHERE IdTower =") +
                  QString::number(loc07) + QStringLiteral(" ORDER BY AntennasRef DESC"));

    ref = NextPlacementRef(*dm, empty, QStringLiteral("Location_08"));
    ASSERT_TRUE(ref.ok());
    EXPECT_EQ(ref.value, QStringLiteral("Loc08-Ant01"));

    ref = NextPlacementRef(*dm, broken, QStringLiteral("Location_09"));
    EXPECT_FALSE(ref.ok());
    EXPECT_TRUE(ref.error.contains(QStringLiteral("Loc09-AntX")));
}

TEST_F(PlacementOps, InsertUsesTheCatalogueAntennaAndConvertsTypedNumbers)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    const qint32 s = addSite(owner, QStringLiteral("Location_01"), true);
    TPlacementValues v;
    v.idBandFreqSt = 12;
    v.height = QStringLiteral("12,5");
    v.tilt = QStringLiteral("0");
    v.polarisation = QStringLiteral("H");
    v.remark = QStringLiteral("O'Brien's roof");

    // No catalogue open: refused before anything is written.
    TOpResult<qint32> id = InsertPlacement(*dm, s, QStringLiteral("Loc01-Ant01"), v);
    EXPECT_FALSE(id.ok());
    EXPECT_EQ(column(QStringLiteral("SELECT COUNT(*) FROM tblStation")),
              QStringList{QStringLiteral("0")});

    ASSERT_TRUE(OpenCatalogue(*dm, 4).ok());
    ASSERT_TRUE(dm->qryAntList->moveTo(1));
    const qint32 antenna = dm->qryAntList->fieldValue(QStringLiteral("IdListAnt")).toInt();
    issued();
    id = InsertPlacement(*dm, s, QStringLiteral("Loc01-Ant01"), v);
    ASSERT_TRUE(id.ok()) << id.error.toStdString();
    const QStringList statements = issued();
    EXPECT_EQ(statements.first(),
              QStringLiteral("INSERT INTO tblStation( IdTower, IdListAnt, IdBandFreqSt, "
                             "AntennasHeight, AntennasTilt, AntennasPol, AntennasRem, AntennasRef, "
                             "AntennasSimTx) VALUES ( %1, %2, 12, '12,5', '0', 'H', 'O''Brien''s "
                             "roof', 'Loc01-Ant01', 1)")
                  .arg(s)
                  .arg(antenna));
    EXPECT_EQ(statements.last(),
              QStringLiteral("SELECT TOP 1 IdStation FROM tblStation ORDER BY IdStation DESC"));
    const QString where =
        QStringLiteral(" FROM tblStation WHERE IdStation = ") + QString::number(id.value);
    EXPECT_EQ(column(QStringLiteral("SELECT IdListAnt") + where),
              QStringList{QString::number(antenna)});
    EXPECT_EQ(column(QStringLiteral("SELECT AntennasHeight * 2") + where),
              QStringList{QStringLiteral("25")});
    EXPECT_EQ(column(QStringLiteral("SELECT AntennasRem") + where),
              QStringList{QStringLiteral("O'Brien's roof")});

    EXPECT_EQ(column(QStringLiteral("SELECT AntennasSimTx") + where),
              QStringList{QStringLiteral("1")});

    v.height = QStringLiteral("7");
    v.tilt = QStringLiteral("-2,5");
    v.simultaneous = false;
    ASSERT_TRUE(UpdatePlacement(*dm, id.value, 3, v).ok());
    EXPECT_EQ(
        issued().last(),
        QStringLiteral("UPDATE tblStation SET IdListAnt =3, IdBandFreqSt =12, AntennasHeight ='7', "
                       "AntennasTilt ='-2,5', AntennasPol ='H', AntennasRem ='O''Brien''s roof', "
                       "AntennasSimTx =0 WHERE IdStation =") +
            QString::number(id.value));
    EXPECT_EQ(column(QStringLiteral("SELECT IdListAnt || '|' || AntennasHeight || '|' || "
                                    "AntennasTilt || '|' || AntennasSimTx") +
                     where),
              QStringList{QStringLiteral("3|7.0|-2.5|0")});
}

TEST_F(PlacementOps, DeleteKeepsTheSitesCriticalPoints)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    const qint32 s = addSite(owner, QStringLiteral("Location_01"), true);
    const qint32 gone = addPlacement(s, QStringLiteral("Loc01-Ant01"));
    const qint32 kept = addPlacement(s, QStringLiteral("Loc01-Ant02"));
    addPoint(s, QStringLiteral("CTP_01"));
    ASSERT_TRUE(DeletePlacement(*dm, gone).ok());
    EXPECT_EQ(issued().last(),
              QStringLiteral("DELETE FROM tblStation WHERE IDStation =") + QString::number(gone));
    EXPECT_EQ(column(QStringLiteral("SELECT IdStation FROM tblStation")),
              QStringList{QString::number(kept)});
    EXPECT_EQ(column(QStringLiteral("SELECT COUNT(*) FROM tblCriticalPnt")),
              QStringList{QStringLiteral("1")});
    EXPECT_EQ(CountPlacements(*dm, s).value, 1);
}

TEST_F(PlacementOps, PlacementWithoutCatalogueAntennaIsNotListed)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    const qint32 s = addSite(owner, QStringLiteral("Location_01"), true);
    addPlacement(s, QStringLiteral("Loc01-Ant01"), 1);
    addPlacement(s, QStringLiteral("Loc01-Ant02"), 999999); // antenna gone
    EXPECT_EQ(CountPlacements(*dm, s).value, 2);
    const TOpResult<int> rows = OpenPlacements(*dm, s);
    ASSERT_TRUE(rows.ok()) << rows.error.toStdString();
    EXPECT_EQ(rows.value, 1);
    EXPECT_EQ(dm->qryAntSel->fieldValue(QStringLiteral("AntennasRef")).toString(),
              QStringLiteral("Loc01-Ant01"));
}

TEST_F(PlacementOps, PowerDataStandsOnTheGivenPlacement)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    const qint32 other = addOwner(QStringLiteral("ON4BB"));
    const qint32 s1 = addSite(owner, QStringLiteral("Location_01"), true);
    const qint32 s2 = addSite(owner, QStringLiteral("Location_02"), false);
    const qint32 foreign = addPlacement(addSite(other, QStringLiteral("Location_01"), true),
                                        QStringLiteral("Loc01-Ant01"));
    addPlacement(s2, QStringLiteral("Loc02-Ant01"));
    const qint32 wanted = addPlacement(s1, QStringLiteral("Loc01-Ant02"));
    addPlacement(s1, QStringLiteral("Loc01-Ant01"));

    TOpResult<int> rows = OpenPowerData(*dm, wanted, owner);
    ASSERT_TRUE(rows.ok()) << rows.error.toStdString();
    EXPECT_EQ(rows.value, 3);
    EXPECT_EQ(dm->qryStation->fieldValue(QStringLiteral("IdStation")).toInt(), wanted);
    EXPECT_EQ(dm->qryStation->recNo(), 1); // ordered by AntennasRef

    rows = OpenPowerData(*dm, foreign, owner);
    EXPECT_EQ(dm->qryStation->recNo(), 0);
    EXPECT_EQ(dm->qryStation->fieldValue(QStringLiteral("AntennasRef")).toString(),
              QStringLiteral("Loc01-Ant01"));
}

TEST_F(PlacementOps, BandCentreRoundedToOneDecimal)
{
    const struct {
        qint32 band;
        double expected; // 0: the band does not exist
    } cases[] = {{2, 3.6}, {6, 14.2}, {12, 145.0}, {1, 1.9}, {16, 0.0}, {999, 0.0}};
    for (const auto &c : cases) {
        const TOpResult<double> centre = GetBandCenter(*dm, c.band);
        if (c.expected == 0.0) {
            EXPECT_FALSE(centre.ok()) << c.band;
            continue;
        }
        ASSERT_TRUE(centre.ok()) << c.band;
        EXPECT_NEAR(centre.value, c.expected, 1e-9) << c.band;
    }
    EXPECT_EQ(issued().first(),
              QStringLiteral("SELECT BandFreqCenter FROM tblBandFreqSt WHERE IDBandFreqSt =2"));
}

TEST_F(PlacementOps, SiteTreeListsSitesAndPlacementsInNameOrder)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    const qint32 s2 = addSite(owner, QStringLiteral("Location_02"), false);
    const qint32 s1 = addSite(owner, QStringLiteral("Location_01"), true);
    addPlacement(s1, QStringLiteral("Loc01-Ant02"));
    const qint32 first = addPlacement(s1, QStringLiteral("Loc01-Ant01"));
    addPlacement(s2, QStringLiteral("Loc02-Ant01"));

    const TOpResult<TSiteTree> tree = FillSiteTree(*dm, owner, QStringLiteral("ON4AA"));
    ASSERT_TRUE(tree.ok()) << tree.error.toStdString();
    EXPECT_EQ(tree.value.rootText, QStringLiteral("ON4AA"));
    ASSERT_EQ(tree.value.sites.size(), 2);
    EXPECT_EQ(tree.value.sites[0].id, s1);
    EXPECT_EQ(tree.value.sites[0].name, QStringLiteral("Location_01"));
    ASSERT_EQ(tree.value.sites[0].placements.size(), 2);
    EXPECT_EQ(tree.value.sites[0].placements[0].ref, QStringLiteral("Loc01-Ant01"));
    EXPECT_EQ(tree.value.sites[0].placements[0].id, first);
    EXPECT_EQ(tree.value.sites[1].placements.size(), 1);
    EXPECT_EQ(tree.value.selectedSite, 0);
    EXPECT_EQ(tree.value.selectedPlacement, 0);
    const QStringList statements = issued();
    ASSERT_EQ(statements.size(), 3);
    EXPECT_EQ(statements[0],
              QStringLiteral("SELECT IdTower, TowerName FROM tblTower WHERE IdOwner =") +
                  QString::number(owner) + QStringLiteral(" ORDER BY TowerName"));
    EXPECT_EQ(statements[1],
              QStringLiteral("SELECT IdStation, AntennasRef FROM tblStation WHERE IDTower =") +
                  QString::number(s1) + QStringLiteral(" ORDER BY AntennasRef"));
}

TEST_F(PlacementOps, SiteTreeWithNothingToSelect)
{
    const qint32 none = addOwner(QStringLiteral("ON4NONE"));
    TOpResult<TSiteTree> tree = FillSiteTree(*dm, none, QStringLiteral("ON4NONE"));
    ASSERT_TRUE(tree.ok());
    EXPECT_TRUE(tree.value.sites.isEmpty());
    EXPECT_EQ(tree.value.selectedSite, -1);
    EXPECT_EQ(tree.value.selectedPlacement, -1);

    const qint32 bare = addOwner(QStringLiteral("ON4BARE"));
    addSite(bare, QStringLiteral("Location_01"), true);
    tree = FillSiteTree(*dm, bare, QStringLiteral("ON4BARE"));
    ASSERT_TRUE(tree.ok());
    EXPECT_EQ(tree.value.selectedSite, 0);
    EXPECT_EQ(tree.value.selectedPlacement, -1);
}

} // namespace
