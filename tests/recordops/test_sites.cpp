#include "recordopsfixture.h"
#include "store/recordops_site.h"

namespace
{

using SiteOps = RecordOpsTest;

TSiteValues site(const QString &name)
{
    TSiteValues v;
    v.name = name;
    return v;
}

struct MainRuleCase {
    const char *why;
    QStringList existing; // names; the first one is main
    QString edited;       // empty: insert a new site "New"
    bool askMain;
    QStringList expectedMain;
};

TEST_F(SiteOps, MainSiteRuleOfInsertAndUpdate)
{
    const MainRuleCase cases[] = {
        {"first site becomes main although not asked",
         {},
         QStringLiteral(""),
         false,
         {QStringLiteral("New")}},
        {"first site asked main", {}, QStringLiteral(""), true, {QStringLiteral("New")}},
        {"new main site takes the flag",
         {QStringLiteral("A")},
         QStringLiteral(""),
         true,
         {QStringLiteral("New")}},
        {"new ordinary site leaves the main one",
         {QStringLiteral("A")},
         QStringLiteral(""),
         false,
         {QStringLiteral("A")}},
        {"only main site cleared stays main",
         {QStringLiteral("A")},
         QStringLiteral("A"),
         false,
         {QStringLiteral("A")}},
        {"other site asked main takes the flag",
         {QStringLiteral("A"), QStringLiteral("B")},
         QStringLiteral("B"),
         true,
         {QStringLiteral("B")}},
        {"main site asked main stays the only one",
         {QStringLiteral("A"), QStringLiteral("B")},
         QStringLiteral("A"),
         true,
         {QStringLiteral("A")}},
        {"main site cleared while no other is main stays",
         {QStringLiteral("A"), QStringLiteral("B")},
         QStringLiteral("A"),
         false,
         {QStringLiteral("A")}},
        {"ordinary site left ordinary",
         {QStringLiteral("A"), QStringLiteral("B")},
         QStringLiteral("B"),
         false,
         {QStringLiteral("A")}},
    };
    for (const MainRuleCase &c : cases) {
        const qint32 owner = addOwner(QStringLiteral("ON4RULE"));
        const qint32 other = addOwner(QStringLiteral("ON4OTHER"));
        addSite(other, QStringLiteral("Elsewhere"), true);
        qint32 editedId = 0;
        for (int i = 0; i < c.existing.size(); ++i) {
            const qint32 id = addSite(owner, c.existing[i], i == 0);
            if (c.existing[i] == c.edited)
                editedId = id;
        }
        if (c.edited.isEmpty()) {
            const TOpResult<qint32> r =
                InsertSite(*dm, owner, c.askMain, site(QStringLiteral("New")));
            ASSERT_TRUE(r.ok()) << c.why;
            EXPECT_EQ(column(QStringLiteral("SELECT MAX(IdTower) FROM tblTower")),
                      QStringList{QString::number(r.value)})
                << c.why;
        } else {
            ASSERT_TRUE(UpdateSite(*dm, owner, editedId, c.askMain, site(c.edited)).ok()) << c.why;
        }
        EXPECT_EQ(mainSites(owner), c.expectedMain) << c.why;
        EXPECT_EQ(mainSites(other), QStringList{QStringLiteral("Elsewhere")}) << c.why;
    }
}

TEST_F(SiteOps, InsertAndUpdateStatementsAsWritten)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    addSite(owner, QStringLiteral("Location_01"), true);
    TSiteValues v;
    v.name = QStringLiteral("O'Brien's mast");
    v.remark = QStringLiteral("roof 'north'");
    v.lambertX = 150000;
    v.lambertY = 170000;
    v.eastDegrees = 4;
    v.eastMinutes = 21;
    v.eastSeconds = 7;
    v.northDegrees = 50;
    v.northMinutes = 50;
    v.northSeconds = 3;
    issued();
    const TOpResult<qint32> id = InsertSite(*dm, owner, true, v);
    ASSERT_TRUE(id.ok()) << id.error.toStdString();
    const QString o = QString::number(owner);
    EXPECT_EQ(
        issued(),
        QStringList(
            {QStringLiteral("SELECT IdTower FROM tblTower WHERE IdOwner =") + o,
             QStringLiteral("UPDATE tblTower SET TowerMain =0 WHERE IdOwner =") + o +
                 QStringLiteral(" AND TowerMain =True"),
             QStringLiteral("INSERT INTO tblTower( IdOwner, TowerCoordLamX, TowerCoordLamY, "
                            "TowerCoordWgsEd, TowerCoordWgsEm, TowerCoordWgsEs, TowerCoordWgsNd, "
                            "TowerCoordWgsNm, TowerCoordWgsNs, TowerName, TowerRem, TowerMain) "
                            "VALUES ( ") +
                 o +
                 QStringLiteral(", 150000, 170000, 4, 21, 7, 50, 50, 3, "
                                "'O''Brien''s mast', 'roof ''north''', 1)"),
             QStringLiteral("SELECT TOP 1 IdTower FROM tblTower ORDER BY IdTower DESC")}));
    EXPECT_EQ(column(QStringLiteral(
                         "SELECT TowerName || '|' || TowerRem FROM tblTower WHERE IdTower = ") +
                     QString::number(id.value)),
              QStringList{QStringLiteral("O'Brien's mast|roof 'north'")});

    v.name = QStringLiteral("Location_02");
    ASSERT_TRUE(UpdateSite(*dm, owner, id.value, false, v).ok());
    const QString t = QString::number(id.value);
    EXPECT_EQ(
        issued(),
        QStringList(
            {QStringLiteral("SELECT TowerMain FROM tblTower WHERE IdOwner =") + o +
                 QStringLiteral(" AND IdTower <>") + t + QStringLiteral(" AND TowerMain =True"),
             QStringLiteral("UPDATE tblTower SET TowerCoordLamX =150000, TowerCoordLamY =170000, "
                            "TowerCoordWgsEd =4, TowerCoordWgsEm =21, TowerCoordWgsEs =7, "
                            "TowerCoordWgsNd =50, TowerCoordWgsNm =50, TowerCoordWgsNs =3, "
                            "TowerName = 'Location_02', TowerRem = 'roof ''north''', TowerMain = 1 "
                            "WHERE IdTower =") +
                 t}));
}

TEST_F(SiteOps, FailedInsertKeepsTheOldMainSite)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    addSite(owner, QStringLiteral("Location_01"), true);
    sql(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE INSERT ON tblTower WHEN NEW.TowerName = 'Refused' "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    const TOpResult<qint32> r = InsertSite(*dm, owner, true, site(QStringLiteral("Refused")));
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(mainSites(owner), QStringList{QStringLiteral("Location_01")});
}

TEST_F(SiteOps, SitesDatasetShowsDegreesAsText)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    sql(QStringLiteral(
            "INSERT INTO tblTower (IdOwner, TowerName, TowerCoordWgsEd, TowerCoordWgsEm, "
            "TowerCoordWgsEs, TowerCoordWgsNd, TowerCoordWgsNm, TowerCoordWgsNs, TowerMain) VALUES "
            "(") +
        QString::number(owner) + QStringLiteral(", 'Location_02', 4, 21, 7, 50, 50, 3, 1)"));
    addSite(owner, QStringLiteral("Location_01"), false);

    ASSERT_TRUE(OpenSites(*dm, owner, false).ok());
    ASSERT_EQ(dm->qryTower->recordCount(), 2);
    EXPECT_EQ(dm->qryTower->value(0, QStringLiteral("TowerName")).toString(),
              QStringLiteral("Location_01"));
    EXPECT_EQ(dm->qryTower->value(1, QStringLiteral("'DegE'")).toString(),
              QString::fromUtf8("4° 21' 7\""));
    EXPECT_EQ(dm->qryTower->value(1, QStringLiteral("'DegN'")).toString(),
              QString::fromUtf8("50° 50' 3\""));

    ASSERT_TRUE(OpenSites(*dm, owner, true).ok());
    EXPECT_TRUE(dm->qryTower->isActive());
    EXPECT_EQ(dm->qryTower->recordCount(), 0);
}

TEST_F(SiteOps, DeleteSiteTakesItsPointsAndPlacementsOnly)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    const qint32 gone = addSite(owner, QStringLiteral("Location_01"), true);
    const qint32 kept = addSite(owner, QStringLiteral("Location_02"), false);
    addPlacement(gone, QStringLiteral("Loc01-Ant01"));
    addPoint(gone, QStringLiteral("CTP_01"));
    addPlacement(kept, QStringLiteral("Loc02-Ant01"));
    addPoint(kept, QStringLiteral("CTP_01"));
    issued();

    ASSERT_TRUE(DeleteSite(*dm, gone).ok());

    const QString t = QString::number(gone);
    EXPECT_EQ(
        issued(),
        QStringList(
            {QStringLiteral("DELETE tblCriticalPnt.* FROM tblTower INNER JOIN "
                            "tblCriticalPnt ON tblTower.IdTower = tblCriticalPnt.IdTower "
                            "WHERE tblTower.IdTower =") +
                 t,
             QStringLiteral("DELETE tblStation.* FROM tblTower INNER JOIN tblStation ON "
                            "tblTower.IdTower = tblStation.IdTower WHERE "
                            "tblTower.IdTower =") +
                 t,
             QStringLiteral("DELETE tblTower.* FROM tblTower WHERE tblTower.IdTower =") + t}));
    EXPECT_EQ(column(QStringLiteral("SELECT IdTower FROM tblTower")),
              QStringList{QString::number(kept)});
    EXPECT_EQ(column(QStringLiteral("SELECT IdTower FROM tblStation")),
              QStringList{QString::number(kept)});
    EXPECT_EQ(column(QStringLiteral("SELECT IdTower FROM tblCriticalPnt")),
              QStringList{QString::number(kept)});
}

TEST_F(SiteOps, FailedDeleteKeepsPointsAndPlacements)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    const qint32 s = addSite(owner, QStringLiteral("Location_01"), true);
    addPlacement(s, QStringLiteral("Loc01-Ant01"));
    addPoint(s, QStringLiteral("CTP_01"));
    sql(QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON tblTower BEGIN SELECT RAISE(ABORT, "
                       "'locked'); END"));

    EXPECT_FALSE(DeleteSite(*dm, s).ok());
    EXPECT_EQ(column(QStringLiteral("SELECT COUNT(*) FROM tblStation")),
              QStringList{QStringLiteral("1")});
    EXPECT_EQ(column(QStringLiteral("SELECT COUNT(*) FROM tblCriticalPnt")),
              QStringList{QStringLiteral("1")});
}

TEST_F(SiteOps, EnsureMainSiteAfterDeletingTheMainSite)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    const qint32 main = addSite(owner, QStringLiteral("Location_01"), true);
    addSite(owner, QStringLiteral("Location_03"), false); // first remaining in the order returned
    addSite(owner, QStringLiteral("Location_02"), false);
    TCurrentSelection &cs = CurrentSelection();
    cs.siteId = main;
    cs.setSiteName(QStringLiteral("Location_01"));
    cs.setPlacementRef(QStringLiteral("Loc01-Ant01"));

    ASSERT_TRUE(DeleteSite(*dm, main).ok());
    ASSERT_TRUE(EnsureMainSite(*dm, owner).ok());

    EXPECT_EQ(mainSites(owner), QStringList{QStringLiteral("Location_03")});
    EXPECT_EQ(cs.siteId, 0);
    EXPECT_TRUE(cs.siteName.isEmpty());
    EXPECT_TRUE(cs.placementRef.isEmpty());

    // A main site exists: nothing changes.
    ASSERT_TRUE(EnsureMainSite(*dm, owner).ok());
    EXPECT_EQ(mainSites(owner), QStringList{QStringLiteral("Location_03")});
}

TEST_F(SiteOps, NextSiteNameCountsOn)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    const qint32 other = addOwner(QStringLiteral("ON4BB"));
    addSite(other, QStringLiteral("Location_20"), true);

    TOpResult<QString> name = NextSiteName(*dm, owner);
    ASSERT_TRUE(name.ok());
    EXPECT_EQ(name.value, QStringLiteral("Location_01"));
    EXPECT_EQ(issued().last(),
              QStringLiteral("SELECT TOP 1 TowerName FROM tblTower WHERE IdOwner =") +
                  QString::number(owner) + QStringLiteral(" ORDER BY TowerName DESC"));

    // Ten sites, each named by the proposal.
    for (int i = 1; i <= 10; ++i) {
        name = NextSiteName(*dm, owner);
        ASSERT_TRUE(name.ok());
        ASSERT_TRUE(InsertSite(*dm, owner, false, site(name.value)).ok());
    }
    EXPECT_EQ(column(QStringLiteral("SELECT TowerName FROM tblTower WHERE IdOwner = ") +
                     QString::number(owner) + QStringLiteral(" ORDER BY IdTower DESC LIMIT 2")),
              QStringList({QStringLiteral("Location_10"), QStringLiteral("Location_09")}));
    EXPECT_EQ(NextSiteName(*dm, owner).value, QStringLiteral("Location_11"));
}

TEST_F(SiteOps, NextSiteNameRefusesANameWithoutNumber)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    addSite(owner, QStringLiteral("Location_01"), true);
    addSite(owner, QStringLiteral("Tower"), false); // sorts last
    const TOpResult<QString> name = NextSiteName(*dm, owner);
    EXPECT_FALSE(name.ok());
    EXPECT_TRUE(name.error.contains(QStringLiteral("Tower")));
    EXPECT_EQ(column(QStringLiteral("SELECT COUNT(*) FROM tblTower")),
              QStringList{QStringLiteral("2")});
}

TEST_F(SiteOps, CountAndListInTheOrderReturned)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    const qint32 b = addSite(owner, QStringLiteral("Location_02"), true);
    const qint32 a = addSite(owner, QStringLiteral("Location_01"), false);
    EXPECT_EQ(CountSites(*dm, owner).value, 2);
    const TOpResult<TSiteList> list = ListSites(*dm, owner);
    ASSERT_TRUE(list.ok());
    EXPECT_EQ(list.value.names,
              QStringList({QStringLiteral("Location_02"), QStringLiteral("Location_01")}));
    EXPECT_EQ(list.value.ids, QVector<qint32>({b, a}));
}

} // namespace
