#include "../evaluation/stationfixture.h"
#include "exposure/criticalpointops.h"

#include <gtest/gtest.h>

namespace
{

// Owner ON4AAA with three sites, two of them with antennas; owner ON4ZZZ has
// a point with the same reference, which no operation of ON4AAA may touch.
class PointOps : public StationDbTest
{
protected:
    void SetUp() override
    {
        StationDbTest::SetUp();
        owner = addOwner(QStringLiteral("ON4AAA"));
        s2 = addSite(owner, QStringLiteral("Location_02"));
        s1 = addSite(owner, QStringLiteral("Location_01"));
        addSite(owner, QStringLiteral("Location_03")); // no antenna
        const qint32 antenna = addDipoleLikeAntenna();
        addPlacement(s1, QStringLiteral("Loc01-Ant01"), antenna, Band2m, 10, 0, 10);
        addPlacement(s1, QStringLiteral("Loc01-Ant02"), antenna, Band2m, 10, 0, 10);
        addPlacement(s2, QStringLiteral("Loc02-Ant01"), antenna, Band2m, 10, 0, 10);
        other = addOwner(QStringLiteral("ON4ZZZ"));
        const qint32 s9 = addSite(other, QStringLiteral("Location_01"));
        addPoint(s9, QStringLiteral("CTP_01"), 1, 1, FreeField, QStringLiteral("Other"));
        issued();
    }

    QVector<TPointEntry> twoSites(const QString &ref)
    {
        return {{s1, WindowGlass, 12.5, 1.5, QStringLiteral("Neighbour's terrace"), ref},
                {s2, WindowGlass, 30, -2, QStringLiteral("Neighbour's terrace"), ref}};
    }

    QStringList ownerRows()
    {
        return column(QStringLiteral(
            "SELECT TowerName || ' ' || CriticalPntRef || ' ' || IdSpaceAtt || ' ' || "
            "CriticalPntDist || ' ' || CriticalPntHeight || ' ' || CriticalPntRem FROM "
            "tblCriticalPnt JOIN tblTower USING (IdTower) ORDER BY TowerName, CriticalPntRef"));
    }

    qint32 owner = 0, other = 0, s1 = 0, s2 = 0;
};

TEST_F(PointOps, SitesWithAntennasByName)
{
    const TOpResult<TPointSiteList> r = ListSitesWithAntennas(*dm, owner);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.value.names,
              QStringList({QStringLiteral("Location_01"), QStringLiteral("Location_02")}));
    EXPECT_EQ(r.value.ids, QVector<qint32>({s1, s2}));
}

TEST_F(PointOps, AddPointsWritesOneRowPerSiteAndSelectsTheFirst)
{
    const TOpResult<qint32> r = AddPoints(*dm, twoSites(QStringLiteral("CTP_01")));
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(CurrentSelection().pointId, r.value);
    EXPECT_EQ(CurrentSelection().pointRef, QStringLiteral("CTP_01"));
    EXPECT_EQ(ownerRows(),
              QStringList({QStringLiteral("Location_01 CTP_01 1 1.0 1.0 Other"),
                           QStringLiteral("Location_01 CTP_01 2 12.5 1.5 Neighbour's terrace"),
                           QStringLiteral("Location_02 CTP_01 2 30.0 -2.0 Neighbour's terrace")}));
    const QStringList lines = issued();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0],
              QStringLiteral("INSERT INTO tblCriticalPnt(IdTower, IdSpaceAtt, CriticalPntDist, "
                             "CriticalPntHeight, CriticalPntRef, CriticalPntRem) VALUES ( ") +
                  QString::number(s1) +
                  QStringLiteral(", 2, 12.5, 1.5, 'CTP_01', 'Neighbour''s terrace')"));
    EXPECT_EQ(lines[1], QStringLiteral(
                            "SELECT TOP 1 IdCriticalPnt FROM tblCriticalPnt ORDER BY IdCriticalPnt "
                            "DESC"));
}

TEST_F(PointOps, LongTextsAreCutToTheirColumns)
{
    const QString longText(90, QLatin1Char('x'));
    ASSERT_TRUE(AddPoints(*dm, {{s1, FreeField, 1, 1, longText, QStringLiteral("CTP_1234")}}).ok());
    EXPECT_EQ(column(QStringLiteral("SELECT CriticalPntRem FROM tblCriticalPnt WHERE IdTower = ") +
                     QString::number(s1)),
              QStringList({QString(70, QLatin1Char('x'))}));
    EXPECT_EQ(CurrentSelection().pointRef, QStringLiteral("CTP_123"));
}

TEST_F(PointOps, NextReferenceCountsOnlyTheOwnersPoints)
{
    EXPECT_EQ(NextPointRef(*dm, owner).value, QStringLiteral("CTP_01"));
    addPoint(s1, QStringLiteral("CTP_09"), 1, 1, FreeField);
    EXPECT_EQ(NextPointRef(*dm, owner).value, QStringLiteral("CTP_10"));
    addPoint(s2, QStringLiteral("CTP_99"), 1, 1, FreeField);
    EXPECT_EQ(NextPointRef(*dm, owner).value, QStringLiteral("CTP_100"));
    addPoint(s2, QStringLiteral("CTP_bad"), 1, 1, FreeField);
    EXPECT_FALSE(NextPointRef(*dm, owner).ok());
}

TEST_F(PointOps, UpdatePointSharesAttenuationAndTextButNotGeometry)
{
    const qint32 first = AddPoints(*dm, twoSites(QStringLiteral("CTP_01"))).value;
    ASSERT_TRUE(UpdatePoint(*dm, owner, first, QStringLiteral("CTP_01"), BrickWall,
                            QStringLiteral("Attic"), 7, 4.25)
                    .ok());
    EXPECT_EQ(ownerRows(), QStringList({QStringLiteral("Location_01 CTP_01 1 1.0 1.0 Other"),
                                        QStringLiteral("Location_01 CTP_01 4 7.0 4.25 Attic"),
                                        QStringLiteral("Location_02 CTP_01 4 30.0 -2.0 Attic")}));
}

TEST_F(PointOps, DeleteReferenceRemovesItAtEverySiteOfTheOwnerOnly)
{
    AddPoints(*dm, twoSites(QStringLiteral("CTP_01")));
    AddPoints(*dm, twoSites(QStringLiteral("CTP_02")));
    ASSERT_TRUE(DeleteReference(*dm, owner, QStringLiteral("CTP_01")).ok());
    EXPECT_EQ(ownerRows(),
              QStringList({QStringLiteral("Location_01 CTP_01 1 1.0 1.0 Other"),
                           QStringLiteral("Location_01 CTP_02 2 12.5 1.5 Neighbour's terrace"),
                           QStringLiteral("Location_02 CTP_02 2 30.0 -2.0 Neighbour's terrace")}));
}

TEST_F(PointOps, DeleteAllRemovesOnlyTheOwnersPoints)
{
    AddPoints(*dm, twoSites(QStringLiteral("CTP_01")));
    issued();
    ASSERT_TRUE(DeleteAllPoints(*dm, owner).ok());
    EXPECT_EQ(ownerRows(), QStringList({QStringLiteral("Location_01 CTP_01 1 1.0 1.0 Other")}));
    EXPECT_EQ(issued(),
              QStringList({QStringLiteral("DELETE tblCriticalPnt.* FROM tblTower  INNER JOIN "
                                          "tblCriticalPnt   ON tblTower.IdTower    = "
                                          "tblCriticalPnt.IdTower  WHERE tblTower.IdOwner =") +
                           QString::number(owner)}));
}

TEST_F(PointOps, OpenPointForEditingReadsOneRow)
{
    const qint32 first = AddPoints(*dm, twoSites(QStringLiteral("CTP_01"))).value;
    ASSERT_EQ(OpenPointForEdit(*dm, first).value, 1);
    EXPECT_EQ(dm->qryCriticalPnt->fieldValue(QStringLiteral("CriticalPntRem")).toString(),
              QStringLiteral("Neighbour's terrace"));
    EXPECT_EQ(OpenPointForEdit(*dm, 0).value, 0);
    EXPECT_GE(dm->qryCriticalPnt->fieldIndex(QStringLiteral("CriticalPntRef")), 0);
}

} // namespace
