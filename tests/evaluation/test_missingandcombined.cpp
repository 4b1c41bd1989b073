// What the evaluation says about placements without a power chain and below
// 10 MHz, and the combined exposure of the placements that transmit together.
#include "exposure/engine/combinedexposure.h"
#include "exposure/engine/limits.h"
#include "exposure/evaluation.h"
#include "freshdatabase.h"
#include "stationfixture.h"
#include "store/schemaupgrade.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace
{

// One site and one point, CTP_01 10 m from the mast at 2 m, in the open:
//  Loc01-Ant01  6 dBi antenna, 2 m, at 10 m, 14,8 dBW, transmits with the others
//  Loc01-Ant02  dish 1,2 m, 23 cm, at 8 m, 10 dBW, transmits with the others
//  Loc01-Ant03  6 dBi antenna, 2 m, at 10 m, 10 dBW, never at the same time
class TwoTogetherOneApart : public StationDbTest
{
protected:
    void SetUp() override
    {
        StationDbTest::SetUp();
        owner = addOwner(QStringLiteral("ON4SUM"));
        site = addSite(owner, QStringLiteral("Location_01"));
        dipole = addDipoleLikeAntenna();
        addPlacement(site, QStringLiteral("Loc01-Ant01"), dipole, Band2m, 10, 0, 14.8);
        addPlacement(site, QStringLiteral("Loc01-Ant02"), Dish1m2, Band23cm, 8, 0, 10);
        addPlacement(site, QStringLiteral("Loc01-Ant03"), dipole, Band2m, 10, 0, 10, 100, false);
        addPoint(site, QStringLiteral("CTP_01"), 10, 2, FreeField);
    }

    TEvaluationOutcome evaluate()
    {
        TOpResult<TEvaluationOutcome> r = EvaluatePoints(*dm, owner);
        EXPECT_TRUE(r.ok()) << r.error.toStdString();
        return r.value;
    }

    qint32 owner = 0, site = 0, dipole = 0;
};

// By hand. Loc01-Ant01: 38,66° below the beam, envelope entry 39 = -2,5 dBi,
// R = √164 = 12,8062 m: E = √(30 × 10^1,23) / 12,8062 = 1,76254 V/m against
// 13,7. Loc01-Ant02: x = 10 m beyond B = 3,5433 m, far field, 30,96° off the
// beam, entry 31 = 9,69 dBi, R = √136 = 11,6619 m: E = √(30 × 10^1,969) /
// 11,6619 = 4,53201 V/m against 0,686 × √1270 = 24,4470. Q = 0,0165514 +
// 0,0343661 = 0,0509176, 22,565 % of the limit.
TEST_F(TwoTogetherOneApart, AddsTheSharesOfThePlacementsThatTransmitTogether)
{
    const TEvaluationOutcome out = evaluate();
    const TEvaluation &ev = out.evaluation;
    ASSERT_EQ(ev.count(), 3);
    EXPECT_NEAR(ev.fieldStrength[0], 1.76254, 1e-4);
    EXPECT_NEAR(ev.fieldStrength[1], 4.53201, 1e-4);
    ASSERT_EQ(ev.points.size(), 1);
    const TPointExposure &point = ev.points[0];
    EXPECT_EQ(point.summed, 2);
    EXPECT_TRUE(point.complete);
    EXPECT_NEAR(point.quotient, 0.0509176, 1e-6);
    EXPECT_EQ(ev.lines[0][ColumnCombined], QStringLiteral("22,6 %"));
    EXPECT_EQ(ev.lines[1][ColumnCombined], QString());
    EXPECT_EQ(ev.lines[2][ColumnCombined], QString());

    // Together they take a larger share than the strongest one alone.
    ASSERT_TRUE(out.summary.has_value());
    EXPECT_EQ(out.summary->combinedPoint, 0);
    EXPECT_EQ(out.summary->combinedText,
              QStringLiteral("Together at CTP_01 (Location_01): 22,6 % of the limit"));
    EXPECT_EQ(out.summary->combinedColour, VerdictColour(VerdictBelowWarning));
    EXPECT_TRUE(out.summary->incompleteText.isEmpty());
}

TEST_F(TwoTogetherOneApart, ASingleSourceIsNotNamedAsCombined)
{
    sql(QStringLiteral(
        "UPDATE tblStation SET AntennasSimTx = 0 WHERE AntennasRef = 'Loc01-Ant01'"));
    const TEvaluationOutcome out = evaluate();
    EXPECT_EQ(out.evaluation.points[0].summed, 1);
    EXPECT_NEAR(out.evaluation.points[0].quotient, 0.0343661, 1e-6);
    EXPECT_EQ(out.summary->combinedPoint, -1);
    EXPECT_TRUE(out.summary->combinedText.isEmpty());
}

// A power chain that was never saved (transmitter power 0, or no power row at
// all) is no 1 W antenna: the entry has no value and no verdict, the point's
// sum is incomplete and the summary says so and names the placements.
TEST_F(TwoTogetherOneApart, APlacementWithoutPowerChainHasNoValue)
{
    sql(QStringLiteral(
        "UPDATE tblStation SET StationTxPower = 0 WHERE AntennasRef = 'Loc01-Ant02'"));
    sql(QStringLiteral("UPDATE tblStation SET AntennasAntPwr = NULL WHERE AntennasRef = "
                       "'Loc01-Ant03'"));
    CurrentSelection().terrainStudy = true;
    const TEvaluationOutcome out = evaluate();
    const TEvaluation &ev = out.evaluation;
    EXPECT_TRUE(ev.hasPower(0));
    for (const int i : {1, 2}) {
        EXPECT_FALSE(ev.hasPower(i));
        EXPECT_EQ(ev.verdict[i], VerdictNoPowerChain);
        EXPECT_TRUE(std::isnan(ev.fieldStrength[i]));
        EXPECT_EQ(ev.lines[i][ColumnField], QStringLiteral("no power chain"));
    }
    EXPECT_FALSE(ev.points[0].complete);
    EXPECT_EQ(ev.lines[0][ColumnCombined], QStringLiteral("no power chain"));

    const TEvaluationSummary &s = *out.summary;
    EXPECT_EQ(s.entry, 0);
    EXPECT_EQ(s.summaryClass, 1);
    EXPECT_EQ(s.missingPower,
              QStringList({QStringLiteral("Loc01-Ant02"), QStringLiteral("Loc01-Ant03")}));
    EXPECT_EQ(s.incompleteText,
              QStringLiteral(
                  "The evaluation is incomplete: no power chain for Loc01-Ant02, Loc01-Ant03."));
    EXPECT_EQ(s.combinedPoint, -1);
    EXPECT_FALSE(CurrentSelection().terrainStudy);
}

TEST_F(TwoTogetherOneApart, WithoutAnyPowerChainNothingSaysATechnicalFileSuffices)
{
    sql(QStringLiteral("UPDATE tblStation SET StationTxPower = 0"));
    CurrentSelection().terrainStudy = false;
    const TEvaluationSummary s = *evaluate().summary;
    EXPECT_EQ(s.entry, -1);
    EXPECT_EQ(s.summaryClass, 0);
    EXPECT_TRUE(s.valueText.isEmpty());
    EXPECT_EQ(s.missingPower.size(), 3);
    EXPECT_TRUE(CurrentSelection().terrainStudy);
}

// Below 10 MHz no limit applies: the value is shown with the note and takes no
// share of the combined limit.
TEST_F(TwoTogetherOneApart, BelowTenMegahertzTheValueCarriesTheNote)
{
    constexpr qint32 Band40m = 4; // 7,1 MHz
    sql(QStringLiteral("UPDATE tblStation SET IdBandFreqSt = %1 WHERE AntennasRef = 'Loc01-Ant01'")
            .arg(Band40m));
    const TEvaluation ev = evaluate().evaluation;
    EXPECT_EQ(ev.verdict[0], VerdictNone);
    EXPECT_EQ(FieldCellText(ev.fieldStrength[0], ev.verdict[0]),
              QString(FieldStrengthText(ev.fieldStrength[0]) +
                      QStringLiteral(" V/m, no limit applies below 10 MHz")));
    // The list line marks the value; the footnote under the list says why.
    EXPECT_EQ(ev.lines[0][ColumnField],
              QString(FieldStrengthText(ev.fieldStrength[0]) + QStringLiteral(" V/m *")));
    EXPECT_TRUE(HasEntryBelowTenMegahertz(ev));
    EXPECT_EQ(NoLimitFootnote(), QStringLiteral("* no limit applies below 10 MHz"));
    EXPECT_EQ(ev.points[0].summed, 1);
    EXPECT_NEAR(ev.points[0].quotient, 0.0343661, 1e-6);
}

TEST(CombinedExposure, SharesPercentagesAndColours)
{
    EXPECT_DOUBLE_EQ(*ExposureShare(13.7, 145), 1.0);
    EXPECT_DOUBLE_EQ(*ExposureShare(30.7 / 2, 10250), 0.25);
    EXPECT_FALSE(ExposureShare(100, 7.1).has_value());
    EXPECT_DOUBLE_EQ(QuotientPercent(0.25), 50.0);
    const struct {
        double q;
        int verdict;
    } rows[] = {
        {1.0, VerdictNearLimit},     {1.0001, VerdictAboveLimit},       {0.9, VerdictNearLimit},
        {0.79, VerdictBelowWarning}, {0.0503, VerdictBelowWarning},     {0.0502, VerdictBelowLow},
        {0.0, VerdictBelowLow},      {std::nan(""), VerdictAboveLimit},
    };
    for (const auto &row : rows)
        EXPECT_EQ(QuotientVerdict(row.q), row.verdict) << "Q = " << row.q;
}

// A database made before the column existed gains it, with Yes in every row,
// the first time it is opened; opening it again changes nothing.
TEST(SchemaUpgrade, AnOldDatabaseGainsTheSimultaneousColumn)
{
    EnsureTestApplication();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("VlmMain.mdb"));
    ASSERT_TRUE(CopyWritable(QStringLiteral(VLM_TEST_DB), file));
    {
        QSqlDatabase old =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        old.setDatabaseName(file);
        ASSERT_TRUE(old.open());
        // The table as an older version made it: every column but the new one.
        QSqlQuery q(old);
        ASSERT_TRUE(
            q.exec(QStringLiteral("SELECT group_concat(name) FROM pragma_table_info('tblStation') "
                                  "WHERE name <> 'AntennasSimTx'")) &&
            q.next());
        const QString columns = q.value(0).toString();
        ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE tblStationOld AS SELECT ") + columns +
                           QStringLiteral(" FROM tblStation")));
        ASSERT_TRUE(q.exec(QStringLiteral("DROP TABLE tblStation")));
        ASSERT_TRUE(q.exec(QStringLiteral("ALTER TABLE tblStationOld RENAME TO tblStation")));
        ASSERT_TRUE(q.exec(
            QStringLiteral("INSERT INTO tblStation (IdTower, AntennasRef) VALUES (1, 'Old')")));
        old.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));
    ASSERT_EQ(FileColumn(
                  file, QStringLiteral("SELECT count(*) FROM pragma_table_info('tblStation') WHERE "
                                       "name = 'AntennasSimTx'")),
              QStringList({QStringLiteral("0")}));

    QDir(dir.path()).mkpath(QStringLiteral("opened"));
    QString error;
    std::unique_ptr<TdtmMain> dm =
        OpenFreshMainDatabase(file, dir.filePath(QStringLiteral("opened")), &error);
    ASSERT_TRUE(dm) << error.toStdString();
    const QString count = QStringLiteral(
        "SELECT count(*) FROM pragma_table_info('tblStation') WHERE name = 'AntennasSimTx'");
    EXPECT_EQ(FixtureColumn(dm->conMainDb->database(), count), QStringList({QStringLiteral("1")}));
    EXPECT_EQ(FixtureColumn(
                  dm->conMainDb->database(),
                  QStringLiteral("SELECT AntennasSimTx FROM tblStation WHERE AntennasRef = 'Old'")),
              QStringList({QStringLiteral("1")}));
    dm->conMainDb->close();
    ASSERT_TRUE(dm->conMainDb->open());
    EXPECT_EQ(UpgradeMainSchema(*dm->conMainDb), QString());
    EXPECT_EQ(FixtureColumn(dm->conMainDb->database(), count), QStringList({QStringLiteral("1")}));
}

} // namespace
