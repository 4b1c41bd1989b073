#include "cli/evaluatecommand.h"
#include "clirun.h"
#include "stationfixture.h"

#include <gtest/gtest.h>
#include <sstream>

namespace
{

CliRun RunEvaluate(const std::vector<std::string> &args)
{
    return RunCliCommand(EvaluateCommand(), args);
}

// One site, two placements, one point with a comma in its description.
class EvaluateCli : public StationDbTest
{
protected:
    void SetUp() override
    {
        StationDbTest::SetUp();
        const qint32 owner = addOwner(QStringLiteral("ON4CLI"));
        const qint32 site = addSite(owner, QStringLiteral("Location_01"));
        const qint32 antenna = addDipoleLikeAntenna();
        addPlacement(site, QStringLiteral("Loc01-Ant01"), antenna, Band2m, 10, 0, 14.8);
        addPlacement(site, QStringLiteral("Loc01-Ant02"), antenna, Band2m, 6, 0, 3);
        addPoint(site, QStringLiteral("CTP_01"), 12.5, 2, FreeField,
                 QStringLiteral("Garden, east"));
        db = databaseFile().toStdString();
    }
    std::string db;
};

TEST_F(EvaluateCli, PrintsTheListAndTheSummary)
{
    const CliRun r = RunEvaluate({db, "ON4CLI"});
    ASSERT_EQ(r.code, ExitSuccess) << r.err;
    std::istringstream lines(r.out);
    std::string heading, first, second, blank, summary;
    std::getline(lines, heading);
    std::getline(lines, first);
    std::getline(lines, second);
    std::getline(lines, blank);
    std::getline(lines, summary);
    EXPECT_EQ(heading.rfind("Reference  Site", 0), 0u) << heading;
    EXPECT_EQ(first.rfind("CTP_01     Location_01  Loc01-Ant01", 0), 0u) << first;
    EXPECT_NE(first.find("12,5"), std::string::npos) << first;
    EXPECT_NE(first.find("Garden, east"), std::string::npos) << first;
    EXPECT_NE(second.find("Loc01-Ant02"), std::string::npos) << second;
    EXPECT_EQ(blank, "");
    EXPECT_EQ(summary.rfind("Maximum Field Strength: ", 0), 0u) << summary;
    EXPECT_NE(summary.find("at CTP_01 by Loc01-Ant01: requires a"), std::string::npos) << summary;
}

TEST_F(EvaluateCli, CsvForMachines)
{
    const CliRun r = RunEvaluate({db, "ON4CLI", "--csv"});
    ASSERT_EQ(r.code, ExitSuccess) << r.err;
    std::istringstream lines(r.out);
    std::string heading, first;
    std::getline(lines, heading);
    std::getline(lines, first);
    EXPECT_EQ(heading, "Reference,Site,Placement,Distance,Height,Attenuation,Description,Field,"
                       "Verdict,Frequency");
    EXPECT_EQ(first.rfind("CTP_01,Location_01,Loc01-Ant01,12.5,2,Free field (outdoors, no "
                          "obstacle)",
                          0),
              std::string::npos)
        << "a comma inside a field must be quoted: " << first;
    EXPECT_EQ(first.rfind("CTP_01,Location_01,Loc01-Ant01,12.5,2,\"Free field (outdoors, no "
                          "obstacle)\",\"Garden, east\",",
                          0),
              0u)
        << first;
    EXPECT_EQ(first.substr(first.size() - 6), ",4,145") << first;
}

// A placement whose power chain was never saved is printed as such, without a
// value or a verdict; the summary says the evaluation is incomplete and the
// exit code tells a script so. Below 10 MHz the line carries its note.
TEST_F(EvaluateCli, APlacementWithoutPowerChainMakesTheEvaluationIncomplete)
{
    sql(QStringLiteral(
        "UPDATE tblStation SET StationTxPower = 0 WHERE AntennasRef = 'Loc01-Ant02'"));
    sql(QStringLiteral("UPDATE tblStation SET IdBandFreqSt = 4 WHERE AntennasRef = 'Loc01-Ant01'"));
    const CliRun r = RunEvaluate({db, "ON4CLI"});
    EXPECT_EQ(r.code, ExitFailure);
    std::istringstream lines(r.out);
    std::string heading, first, second;
    std::getline(lines, heading);
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_NE(first.find("V/m, no limit applies below 10 MHz  0"), std::string::npos) << first;
    EXPECT_NE(second.find("Loc01-Ant02"), std::string::npos) << second;
    EXPECT_NE(second.find("no power chain  -"), std::string::npos) << second;
    EXPECT_NE(r.out.find("Maximum Field Strength: "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("The evaluation is incomplete: no power chain for Loc01-Ant02.\n"),
              std::string::npos)
        << r.out;

    const CliRun csv = RunEvaluate({db, "ON4CLI", "--csv"});
    EXPECT_EQ(csv.code, ExitFailure);
    EXPECT_NE(csv.out.find(",\"Garden, east\",,,145\n"), std::string::npos) << csv.out;
    EXPECT_NE(csv.err.find("no power chain for Loc01-Ant02"), std::string::npos) << csv.err;
}

TEST_F(EvaluateCli, WithoutAnyPowerChainThereIsNoMaximum)
{
    sql(QStringLiteral("UPDATE tblStation SET StationTxPower = 0"));
    const CliRun r = RunEvaluate({db, "ON4CLI"});
    EXPECT_EQ(r.code, ExitFailure);
    EXPECT_NE(r.out.find("Maximum Field Strength: none, no placement has a power chain\n"),
              std::string::npos)
        << r.out;
}

struct FailureCase {
    const char *reason;
    std::vector<std::string> args; // "DB" stands for the fixture's file
    int code;
    const char *message;
};

class EvaluateCliFailures : public EvaluateCli, public testing::WithParamInterface<FailureCase>
{
};

TEST_P(EvaluateCliFailures, ReportAndExitCode)
{
    std::vector<std::string> args = GetParam().args;
    for (std::string &a : args) {
        if (a == "DB")
            a = db;
    }
    const CliRun r = RunEvaluate(args);
    EXPECT_EQ(r.code, GetParam().code) << GetParam().reason;
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << GetParam().reason;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EvaluateCliFailures,
    testing::Values(
        FailureCase{"no call", {"DB"}, ExitUsage, "expected DB and CALL"},
        FailureCase{
            "unknown option", {"DB", "ON4CLI", "--xml"}, ExitUsage, "unknown option '--xml'"},
        FailureCase{"missing file",
                    {"/nonexistent/VlmMain.mdb", "ON4CLI"},
                    ExitFailure,
                    "no database file"},
        FailureCase{
            "unknown owner", {"DB", "ON4NONE"}, ExitFailure, "no owner with the call 'ON4NONE'"},
        FailureCase{"a quote in the call is only text",
                    {"DB", "ON4' OR '1'='1"},
                    ExitFailure,
                    "no owner with the call"}));

TEST_F(StationDbTest, EvaluateOwnerWithoutAntennasSaysSo)
{
    addOwner(QStringLiteral("ON4EMP"));
    const CliRun r = RunEvaluate({databaseFile().toStdString(), "ON4EMP"});
    EXPECT_EQ(r.code, ExitSuccess);
    EXPECT_NE(r.out.find("No critical test point"), std::string::npos) << r.out;
}

} // namespace
