#include "exposure/engine/engine.h"
#include "exposure/evaluation.h"
#include "stationfixture.h"

#include <gtest/gtest.h>

namespace
{

const AntennaPattern DipoleLike = {6, 5, 3, 0, -3, -6, -10, -15, -20, -25};
const AntennaPattern Dish = {21.8, 15.4, 12.4, 8.0, 4.9, 2.9, 2.9, 2.9, 2.9, 2.9};

// Two sites, three placements: a 2 m antenna and a 23 cm dish on the first
// site, a tilted 2 m antenna on the second. CTP_01 exists at both sites with
// different space attenuations; CTP_02 lies far below the tilted beam, out of
// its pattern. A second owner's station must never show up.
class FixtureStation : public StationDbTest
{
protected:
    void SetUp() override
    {
        StationDbTest::SetUp();
        owner = addOwner(QStringLiteral("ON4AAA"));
        const qint32 s1 = addSite(owner, QStringLiteral("Location_01"));
        const qint32 s2 = addSite(owner, QStringLiteral("Location_02"));
        const qint32 dipole = addDipoleLikeAntenna();
        addPlacement(s1, QStringLiteral("Loc01-Ant02"), Dish1m2, Band23cm, 8, 0, 10);
        addPlacement(s1, QStringLiteral("Loc01-Ant01"), dipole, Band2m, 10, 0, 14.8);
        addPlacement(s2, QStringLiteral("Loc02-Ant01"), dipole, Band2m, 12, 10, 20);
        addPoint(s2, QStringLiteral("CTP_02"), 1, -90, FreeField, QStringLiteral("Cellar"));
        addPoint(s1, QStringLiteral("CTP_01"), 10, 2, WindowGlass, QStringLiteral("Garden"));
        addPoint(s2, QStringLiteral("CTP_01"), 5, 1.5, BrickWall, QStringLiteral("Garden"));

        const qint32 other = addOwner(QStringLiteral("ON4ZZZ"));
        const qint32 s9 = addSite(other, QStringLiteral("Location_01"));
        addPlacement(s9, QStringLiteral("Loc01-Ant01"), dipole, Band2m, 10, 0, 30);
        addPoint(s9, QStringLiteral("CTP_01"), 1, 10, FreeField);
    }

    qint32 owner = 0;
};

TEST_F(FixtureStation, ListsEveryPointAgainstEveryPlacementOfItsSite)
{
    const TOpResult<TEvaluationOutcome> r = EvaluatePoints(*dm, owner);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    const TEvaluation &ev = r.value.evaluation;
    ASSERT_EQ(ev.count(), 4);
    const QStringList expected[] = {
        {QStringLiteral("CTP_01"), QStringLiteral("Location_01"), QStringLiteral("Loc01-Ant01"),
         QStringLiteral("10"), QStringLiteral("2"), QStringLiteral("Behind window glass"),
         QStringLiteral("Garden")},
        {QStringLiteral("CTP_01"), QStringLiteral("Location_01"), QStringLiteral("Loc01-Ant02"),
         QStringLiteral("10"), QStringLiteral("2"), QStringLiteral("Behind window glass"),
         QStringLiteral("Garden")},
        {QStringLiteral("CTP_01"), QStringLiteral("Location_02"), QStringLiteral("Loc02-Ant01"),
         QStringLiteral("5"), QStringLiteral("1,5"), QStringLiteral("Behind a brick wall"),
         QStringLiteral("Garden")},
        {QStringLiteral("CTP_02"), QStringLiteral("Location_02"), QStringLiteral("Loc02-Ant01"),
         QStringLiteral("1"), QStringLiteral("-90"),
         QStringLiteral("Free field (outdoors, no obstacle)"), QStringLiteral("Cellar")},
    };
    for (int i = 0; i < 4; ++i) {
        for (int c = 0; c < ColumnField; ++c)
            EXPECT_EQ(ev.lines[i][c], expected[i][c]) << "row " << i << " column " << c;
        EXPECT_EQ(ev.reference[i], expected[i][0]);
        EXPECT_EQ(ev.antennaRef[i], expected[i][2]);
    }
    EXPECT_EQ(CurrentSelection().pointCount, 4);
}

TEST_F(FixtureStation, FieldStrengthsAndVerdictsComeFromTheEngine)
{
    const TEvaluation ev = EvaluatePoints(*dm, owner).value.evaluation;
    ASSERT_EQ(ev.count(), 4);
    struct Expected {
        const char *reason;
        double e;
        double f;
    } expected[] = {
        {"2 m, glass: low-band attenuation 1 dB",
         FieldStrength(DipoleLike, 0, 145, 0, 10, 2, 14.8 - 1, 10), 145},
        {"23 cm dish (aperture 5), glass: high-band attenuation 2 dB",
         FieldStrength(Dish, 5, 1270, 0, 10, 2, 10 - 2, 8), 1270},
        {"tilted 2 m, brick: 4 dB", FieldStrength(DipoleLike, 0, 145, 10, 5, 1.5, 20 - 4, 12), 145},
        {"below the tilted beam", OutOfPatternValue, 145},
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(ev.fieldStrength[i], expected[i].e) << expected[i].reason;
        EXPECT_EQ(ev.frequency[i], expected[i].f) << expected[i].reason;
        EXPECT_EQ(ev.verdict[i], LimitVerdict(expected[i].e, expected[i].f)) << expected[i].reason;
        EXPECT_EQ(ev.lines[i][ColumnField],
                  FieldStrengthText(expected[i].e) + QStringLiteral(" V/m"));
    }
    EXPECT_EQ(ev.verdict[3], VerdictAboveLimit);
    EXPECT_EQ(ev.lines[3][ColumnField], QStringLiteral("1,000E+05 V/m"));
}

TEST_F(FixtureStation, SummaryNamesTheOutOfPatternPointAndAsksForTheTerrainStudy)
{
    const TOpResult<TEvaluationOutcome> r = EvaluatePoints(*dm, owner);
    ASSERT_TRUE(r.value.summary.has_value());
    const TEvaluationSummary &s = *r.value.summary;
    EXPECT_EQ(s.entry, 3);
    EXPECT_EQ(s.summaryClass, 4);
    EXPECT_EQ(s.valueText, QStringLiteral("1,000E+05 V/m"));
    EXPECT_EQ(s.locationText, QStringLiteral("at CTP_02 by Loc02-Ant01:"));
    EXPECT_EQ(s.resultText, QStringLiteral("value above the exposure limit !"));
    EXPECT_EQ(s.colour, 255);
    EXPECT_TRUE(CurrentSelection().terrainStudy);
}

TEST_F(FixtureStation, LowFieldClearsTheTerrainStudyFlag)
{
    sql(QStringLiteral("DELETE FROM tblCriticalPnt WHERE CriticalPntRef = 'CTP_02'"));
    sql(QStringLiteral("UPDATE tblStation SET AntennasAntPwr = -20"));
    CurrentSelection().terrainStudy = true;
    const TOpResult<TEvaluationOutcome> r = EvaluatePoints(*dm, owner);
    ASSERT_TRUE(r.value.summary.has_value());
    EXPECT_EQ(r.value.summary->summaryClass, 1);
    EXPECT_EQ(r.value.summary->resultText, QStringLiteral("Technical Antenna File"));
    EXPECT_FALSE(CurrentSelection().terrainStudy);
}

// One dipole-like antenna on 2 m at 10 m and one point 10 m away at the same
// height in free field: the antenna's 6 dBi at 0° and the power at the antenna
// alone set the field strength, √(30 × 10^((P + 6)/10)) / 10 m.
class OnePointStation : public StationDbTest
{
protected:
    void SetUp() override
    {
        StationDbTest::SetUp();
        owner = addOwner(QStringLiteral("ON4ONE"));
        site = addSite(owner, QStringLiteral("Location_01"));
        antenna = addDipoleLikeAntenna();
    }
    qint32 owner = 0, site = 0, antenna = 0;
};

// Every summary class but 1 asks for the terrain study, whatever the flag was;
// the 2 m limits are 3,07, 12,26 and 13,7 V/m.
TEST_F(OnePointStation, TerrainStudyFlagFollowsTheSummaryClass)
{
    addPlacement(site, QStringLiteral("Loc01-Ant01"), antenna, Band2m, 10, 0, 0);
    addPoint(site, QStringLiteral("CTP_01"), 10, 10, FreeField);
    const struct {
        double power; // dBW at the antenna
        double e;     // V/m
        int summaryClass;
        bool terrainStudy;
    } cases[] = {
        {5, 1.943393, 1, false},
        {15, 6.145548, 2, true},
        {21.5, 12.988549, 3, true},
        {30, 34.558957, 4, true},
    };
    for (const auto &c : cases) {
        sql(QStringLiteral("UPDATE tblStation SET AntennasAntPwr = %1").arg(c.power));
        CurrentSelection().terrainStudy = !c.terrainStudy;
        const TOpResult<TEvaluationOutcome> r = EvaluatePoints(*dm, owner);
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        ASSERT_TRUE(r.value.summary.has_value());
        EXPECT_NEAR(r.value.evaluation.fieldStrength[0], c.e, 1e-6) << c.power << " dBW";
        EXPECT_EQ(r.value.summary->summaryClass, c.summaryClass) << c.power << " dBW";
        EXPECT_EQ(CurrentSelection().terrainStudy, c.terrainStudy) << c.power << " dBW";
    }
}

// A band centred at 1000 MHz takes the point's high space attenuation (10 dB
// here), one just below takes the low one (0 dB): 10 dBW at the antenna gives
// 3,4559 V/m without attenuation and 1,0929 V/m with it.
TEST_F(OnePointStation, HighSpaceAttenuationFromOneThousandMegahertz)
{
    const qint32 wall = sql(QStringLiteral("INSERT INTO tblSpaceAtt (SpaceAttDescrE, "
                                           "SpaceAttLow, SpaceAttHigh) VALUES ('Test', 0, 10)"));
    addPoint(site, QStringLiteral("CTP_01"), 10, 10, wall);
    const struct {
        double centre; // MHz
        double e;      // V/m
    } bands[] = {{999.9, 3.455896}, {1000, 1.092850}, {1000.1, 1.092850}};
    for (const auto &band : bands) {
        const qint32 id = sql(QStringLiteral("INSERT INTO tblBandFreqSt (BandFreqDescr, "
                                             "BandFreqCenter) VALUES ('Test', %1)")
                                  .arg(band.centre));
        addPlacement(site, QStringLiteral("Loc01-Ant01"), antenna, id, 10, 0, 10);
        const TEvaluation ev = EvaluatePoints(*dm, owner).value.evaluation;
        ASSERT_EQ(ev.count(), 1);
        EXPECT_EQ(ev.frequency[0], band.centre);
        EXPECT_NEAR(ev.fieldStrength[0], band.e, 1e-6) << band.centre << " MHz";
        sql(QStringLiteral("DELETE FROM tblStation"));
    }
}

TEST_F(FixtureStation, ReferencesAreListedInTextOrder)
{
    const qint32 s = column(QStringLiteral("SELECT IdTower FROM tblTower WHERE IdOwner = %1 "
                                           "ORDER BY TowerName")
                                .arg(owner))
                         .first()
                         .toInt();
    addPoint(s, QStringLiteral("CTP_100"), 3, 1, FreeField);
    addPoint(s, QStringLiteral("CTP_11"), 3, 1, FreeField);
    const TEvaluation ev = EvaluatePoints(*dm, owner).value.evaluation;
    QStringList refs = ev.reference;
    refs.removeDuplicates();
    EXPECT_EQ(refs, QStringList({QStringLiteral("CTP_01"), QStringLiteral("CTP_02"),
                                 QStringLiteral("CTP_100"), QStringLiteral("CTP_11")}));
}

TEST_F(StationDbTest, SitesWithoutAntennasGiveAnEmptyListAndKeepTheFlag)
{
    const qint32 owner = addOwner(QStringLiteral("ON4EMP"));
    const qint32 site = addSite(owner, QStringLiteral("Location_01"));
    addPoint(site, QStringLiteral("CTP_01"), 5, 1, FreeField);
    CurrentSelection().terrainStudy = true;
    CurrentSelection().pointCount = 7;
    const TOpResult<TEvaluationOutcome> r = EvaluatePoints(*dm, owner);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.value.evaluation.count(), 0);
    EXPECT_FALSE(r.value.summary.has_value());
    EXPECT_EQ(CurrentSelection().pointCount, 0);
    EXPECT_TRUE(CurrentSelection().terrainStudy);
}

TEST_F(StationDbTest, ListQueryIsWrittenAsTheJetStatement)
{
    issued();
    EvaluatePoints(*dm, 42);
    const QStringList lines = issued();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("SELECT tblCriticalPnt.IdCriticalPnt AS CtpId, "
                                                   "CriticalPntRef, TowerName, AntV00,")));
    EXPECT_TRUE(
        lines[0].endsWith(QStringLiteral("WHERE (tblTower.IdOwner =42)  ORDER BY CriticalPntRef, "
                                         "TowerName, AntennasRef ")));
}

} // namespace
