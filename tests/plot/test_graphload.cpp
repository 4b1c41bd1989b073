#include "../evaluation/stationfixture.h"
#include "base/numberformat.h"
#include "exposure/engine/engine.h"
#include "exposure/evaluation.h"
#include "exposure/graphqueries.h"

#include <gtest/gtest.h>

namespace
{

// One owner with two sites. Site 1: a 2 m antenna and a 23 cm dish (5
// wavelengths) with three points behind glass, a brick wall and in free field;
// site 2 repeats the reference "Loc01-Ant01" by mistake. Another owner has the
// same reference too.
class GraphLoad : public StationDbTest
{
protected:
    void SetUp() override
    {
        StationDbTest::SetUp();
        owner = addOwner(QStringLiteral("ON4AAA"));
        const qint32 s1 = addSite(owner, QStringLiteral("Location_01"));
        site2 = addSite(owner, QStringLiteral("Location_02"));
        const qint32 dipole = addDipoleLikeAntenna();
        addPlacement(s1, QStringLiteral("Loc01-Ant01"), dipole, Band2m, 10, 0, 14.8);
        addPlacement(s1, QStringLiteral("Loc01-Ant02"), Dish1m2, Band23cm, 8, 5, 10);
        addPoint(s1, QStringLiteral("CTP_02"), 10, 2, BrickWall, QStringLiteral("Kitchen"));
        addPoint(s1, QStringLiteral("CTP_01"), 10, 2, WindowGlass, QStringLiteral("Bedroom"));
        addPoint(s1, QStringLiteral("CTP_03"), 25, -3, FreeField, QStringLiteral("Cellar"));
        sql(QStringLiteral("UPDATE tblStation SET IdMode = 5, IdTxTime = 3, StationTxPower = 100, "
                           "StationAttFeeder = 1.5, StationAttAdd = 0.25, AntennasEirp = 21.3"));

        const qint32 other = addOwner(QStringLiteral("ON4ZZZ"));
        const qint32 s9 = addSite(other, QStringLiteral("Location_01"));
        addPlacement(s9, QStringLiteral("Loc01-Ant01"), dipole, Band2m, 10, 0, 30);
        sql(QStringLiteral("UPDATE tblStation SET IdMode = 1, IdTxTime = 1 WHERE IdMode = 0"));
        CurrentSelection().ownerId = owner;
    }

    TGraphLoad load(const QString &ref)
    {
        const TOpResult<TGraphLoad> r =
            LoadGraph(*dm, owner, QStringLiteral("ON4AAA"), QStringLiteral("Location_01"), ref);
        EXPECT_TRUE(r.ok()) << r.error.toStdString();
        return r.value;
    }

    qint32 owner = 0;
    qint32 site2 = 0;
};

TEST_F(GraphLoad, RunsTheOpeningQueriesAsWritten)
{
    issued();
    load(QStringLiteral("Loc01-Ant01"));
    const QStringList statements = issued();
    ASSERT_EQ(statements.size(), 2);
    EXPECT_TRUE(statements[0].startsWith(QStringLiteral("SELECT AntV00, AntV10")));
    EXPECT_TRUE(statements[0].contains(QStringLiteral("INNER JOIN tblMode ON tblStation.IdMode")));
    EXPECT_TRUE(statements[0].endsWith(
        QStringLiteral("WHERE (AntennasRef LIKE 'Loc01-Ant01')  AND (IdOwner =%1) ").arg(owner)));
    EXPECT_TRUE(statements[1].startsWith(QStringLiteral("SELECT CriticalPntRef, CriticalPntRem")));
    EXPECT_TRUE(statements[1].endsWith(
        QStringLiteral("WHERE (AntennasRef LIKE 'Loc01-Ant01')  AND IdOwner =%1 ORDER BY "
                       "CriticalPntRef ")
            .arg(owner)));
}

TEST_F(GraphLoad, OpensOnlyForExactlyOnePlacement)
{
    const struct {
        const char *reason;
        const char *reference;
        bool secondSite;
        int rows;
        bool found;
    } cases[] = {
        {"one placement of this owner", "Loc01-Ant01", false, 1, true},
        {"no such placement", "Loc09-Ant01", false, 0, false},
        {"the same reference at two sites", "Loc01-Ant01", true, 2, false},
    };
    for (const auto &c : cases) {
        if (c.secondSite) {
            addPlacement(site2, QStringLiteral("Loc01-Ant01"), Dish1m2, Band2m, 5, 0, 10);
            sql(QStringLiteral("UPDATE tblStation SET IdMode = 1, IdTxTime = 1 WHERE IdMode = 0"));
        }
        const TGraphLoad l = load(QString::fromLatin1(c.reference));
        EXPECT_EQ(l.placementRows, c.rows) << c.reason;
        EXPECT_EQ(l.found, c.found) << c.reason;
    }
}

TEST_F(GraphLoad, FillsTheRecordOfThePlacement)
{
    const TGraphLoad l = load(QStringLiteral("Loc01-Ant02"));
    ASSERT_TRUE(l.found);
    const TGraphInfo &info = l.data.info;
    EXPECT_EQ(info.callSign, QStringLiteral("ON4AAA"));
    EXPECT_EQ(info.siteName, QStringLiteral("Location_01"));
    EXPECT_EQ(info.placementRef, QStringLiteral("Loc01-Ant02"));
    EXPECT_EQ(info.antennaType, QStringLiteral("Parabolic dish 1,2 m"));
    EXPECT_EQ(info.apertureSize, 5);
    EXPECT_DOUBLE_EQ(info.antennaHeight, 8);
    EXPECT_DOUBLE_EQ(info.tilt, 5);
    EXPECT_DOUBLE_EQ(info.txPower, 100);
    EXPECT_DOUBLE_EQ(info.modeCorrection, 6.99);
    EXPECT_DOUBLE_EQ(info.timeCorrection, 3.01);
    EXPECT_DOUBLE_EQ(info.feederLoss, 1.5);
    EXPECT_DOUBLE_EQ(info.additionalLoss, 0.25);
    EXPECT_DOUBLE_EQ(info.antennaPower, 10);
    EXPECT_DOUBLE_EQ(info.eirp, 21.3);
    EXPECT_DOUBLE_EQ(info.frequency, 1270);
    EXPECT_DOUBLE_EQ(info.pattern[0], 21.8);
    EXPECT_NEAR(info.nearFieldLimit, (300.0 / 1270) * 25 / 4, 1e-12);
}

// The plot shows each point with the field strength of its line in the
// critical-points list: its own space attenuation, low below 1000 MHz and
// high from there on.
TEST_F(GraphLoad, PointsShowTheFieldStrengthsOfTheCriticalPointsList)
{
    const TEvaluation ev = EvaluatePoints(*dm, owner).value.evaluation;
    for (const QString &ref : {QStringLiteral("Loc01-Ant01"), QStringLiteral("Loc01-Ant02")}) {
        const TGraphLoad l = load(ref);
        ASSERT_TRUE(l.found);
        ASSERT_EQ(l.data.points.size(), 3);
        const QStringList order = {QStringLiteral("CTP_01"), QStringLiteral("CTP_02"),
                                   QStringLiteral("CTP_03")};
        for (int i = 0; i < 3; ++i) {
            const TGraphPoint &p = l.data.points[i];
            EXPECT_EQ(p.number, i + 1);
            int line = -1;
            for (int k = 0; k < ev.count(); ++k) {
                if (ev.reference[k] == order[i] && ev.antennaRef[k] == ref)
                    line = k;
            }
            ASSERT_GE(line, 0);
            EXPECT_DOUBLE_EQ(p.fieldStrength, RoundHalfEven(ev.fieldStrength[line], 2))
                << ref.toStdString() << " " << order[i].toStdString();
            EXPECT_EQ(p.colour, VerdictColour(ev.verdict[line]));
        }
        // Glass and brick attenuate differently at the same place.
        EXPECT_NE(l.data.points[0].fieldStrength, l.data.points[1].fieldStrength);
        EXPECT_EQ(l.data.points[2].description, QStringLiteral("Cellar"));
        EXPECT_EQ(l.data.range.minY, -3);
    }
}

// The plot takes the space attenuation by the same rule as the list: high from a
// band centred at 1000 MHz on (10 dB here), low below (0 dB). One dipole-like
// antenna with 10 dBW, a point 10 m away at its height: 3,46 or 1,09 V/m.
TEST_F(StationDbTest, PlotTakesTheHighSpaceAttenuationFromOneThousandMegahertz)
{
    const qint32 owner = addOwner(QStringLiteral("ON4ONE"));
    const qint32 site = addSite(owner, QStringLiteral("Location_01"));
    const qint32 antenna = addDipoleLikeAntenna();
    const qint32 wall = sql(QStringLiteral("INSERT INTO tblSpaceAtt (SpaceAttDescrE, "
                                           "SpaceAttLow, SpaceAttHigh) VALUES ('Test', 0, 10)"));
    addPoint(site, QStringLiteral("CTP_01"), 10, 10, wall);
    const struct {
        double centre; // MHz
        double e;      // V/m, as plotted
    } bands[] = {{999.9, 3.46}, {1000, 1.09}, {1000.1, 1.09}};
    for (const auto &band : bands) {
        const qint32 id = sql(QStringLiteral("INSERT INTO tblBandFreqSt (BandFreqDescr, "
                                             "BandFreqCenter) VALUES ('Test', %1)")
                                  .arg(band.centre));
        addPlacement(site, QStringLiteral("Loc01-Ant01"), antenna, id, 10, 0, 10);
        sql(QStringLiteral("UPDATE tblStation SET IdMode = 1, IdTxTime = 1"));
        const TOpResult<TGraphLoad> r =
            LoadGraph(*dm, owner, QStringLiteral("ON4ONE"), QStringLiteral("Location_01"),
                      QStringLiteral("Loc01-Ant01"));
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        ASSERT_TRUE(r.value.found) << band.centre << " MHz";
        ASSERT_EQ(r.value.data.points.size(), 1);
        EXPECT_DOUBLE_EQ(r.value.data.points[0].fieldStrength, band.e) << band.centre << " MHz";
        sql(QStringLiteral("DELETE FROM tblStation"));
    }
}

} // namespace
