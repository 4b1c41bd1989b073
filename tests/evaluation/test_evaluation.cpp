#include "exposure/engine/engine.h"
#include "exposure/evaluation.h"
#include "stationfixture.h"

#include <QSet>
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

// Every summary class but 1 (a technical antenna file) asks for the terrain study:
// the power of every placement is stepped from far below to far above the
// limits, so that each class is the summary at least once.
TEST_F(FixtureStation, EverySummaryClassButTheFirstAsksForTheTerrainStudy)
{
    sql(QStringLiteral("DELETE FROM tblCriticalPnt WHERE CriticalPntRef = 'CTP_02'"));
    const bool expectedFlag[] = {false, false, true, true, true}; // by class 0..4
    QSet<int> classesSeen;
    for (int dbw = -40; dbw <= 40; ++dbw) {
        sql(QStringLiteral("UPDATE tblStation SET AntennasAntPwr = %1").arg(dbw));
        for (const bool before : {false, true}) { // the flag is set, whatever it was
            CurrentSelection().terrainStudy = before;
            const TOpResult<TEvaluationOutcome> r = EvaluatePoints(*dm, owner);
            ASSERT_TRUE(r.value.summary.has_value()) << dbw << " dBW";
            const int summaryClass = r.value.summary->summaryClass;
            ASSERT_GE(summaryClass, 1);
            ASSERT_LE(summaryClass, 4);
            classesSeen.insert(summaryClass);
            EXPECT_EQ(CurrentSelection().terrainStudy, expectedFlag[summaryClass])
                << "class " << summaryClass << " at " << dbw << " dBW";
        }
    }
    EXPECT_EQ(classesSeen, (QSet<int>{1, 2, 3, 4}));
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

// Bands centred at 1000 MHz and above take the point's high space attenuation,
// lower bands its low one: behind a brick wall (4 dB / 8 dB) the field of a wire
// antenna at 1000 MHz is 4 dB below the one at 999,99 MHz, frequency playing
// no other part in its far field.
TEST_F(StationDbTest, TheHighSpaceAttenuationStartsAtOneThousandMegahertz)
{
    sql(QStringLiteral("INSERT INTO tblBandFreqSt (IdBandFreqSt, BandFreqDescr, BandFreqCenter) "
                       "VALUES (901, 'Below', 999.99), (902, 'At', 1000)"));
    const qint32 owner = addOwner(QStringLiteral("ON4KHZ"));
    const qint32 site = addSite(owner, QStringLiteral("Location_01"));
    const qint32 antenna = addDipoleLikeAntenna();
    addPlacement(site, QStringLiteral("Below"), antenna, 901, 10, 0, 10);
    addPlacement(site, QStringLiteral("At"), antenna, 902, 10, 0, 10);
    addPoint(site, QStringLiteral("CTP_01"), 10, 2, BrickWall);
    const TEvaluation ev = EvaluatePoints(*dm, owner).value.evaluation;
    ASSERT_EQ(ev.count(), 2);
    const int at = ev.antennaRef[0] == QStringLiteral("At") ? 0 : 1;
    EXPECT_EQ(ev.frequency[at], 1000.0);
    EXPECT_NEAR(ev.fieldStrength[at] / ev.fieldStrength[1 - at], 0.6309573444801932, 1e-12);
}
