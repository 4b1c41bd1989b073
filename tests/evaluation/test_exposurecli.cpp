// vlmcli safety-distance and vlmcli exposure, in-process on a fixture station.
#include "cli/exposurecommand.h"
#include "cli/safetydistancecommand.h"
#include "clirun.h"
#include "stationfixture.h"

#include <gtest/gtest.h>
#include <sstream>

namespace
{

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// One site: the shipped half-wave dipole with 100 W on 2 m at 10 m, the shipped
// 1,2 m dish with 10 W on 23 cm at 8 m, the dipole again on 40 m; one point
// 10 m from the mast at 2 m.
class ExposureCli : public StationDbTest
{
protected:
    void SetUp() override
    {
        StationDbTest::SetUp();
        const qint32 owner = addOwner(QStringLiteral("ON4SAF"));
        const qint32 site = addSite(owner, QStringLiteral("Location_01"));
        addPlacement(site, QStringLiteral("Loc01-Ant01"), HalfWaveDipole, Band2m, 10, 0, 20);
        addPlacement(site, QStringLiteral("Loc01-Ant02"), Dish1m2, Band23cm, 8, 0, 10);
        addPlacement(site, QStringLiteral("Loc01-Ant03"), HalfWaveDipole, Band40m, 10, 0, 20);
        addPoint(site, QStringLiteral("CTP_01"), 10, 2, FreeField);
        db = databaseFile().toStdString();
    }
    static constexpr qint32 HalfWaveDipole = 1; // 2,15 dBi in every direction
    static constexpr qint32 Band40m = 4;        // 7,1 MHz
    std::string db;
};

// Safety distances by hand: the dipole √(30 × 100 × 10^0,215) / 13,7 =
// 5,12083 m; the dish in its far field √(30 × 10 × 10^2,18) / 24,4470 =
// 8,71635 m; none on 40 m.
TEST_F(ExposureCli, SafetyDistancesAsCsv)
{
    const CliRun r = RunCliCommand(SafetyDistanceCommand(), {db, "ON4SAF", "--csv"});
    ASSERT_EQ(r.code, ExitSuccess) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u) << r.out;
    EXPECT_EQ(lines[0], "Site,Placement,Frequency,Limit,SafetyDistance");
    EXPECT_EQ(lines[1].rfind("Location_01,Loc01-Ant01,145,13.7,5.1208", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("Location_01,Loc01-Ant02,1270,24.447022722613", 0), 0u) << lines[2];
    EXPECT_NE(lines[2].find(",8.7163"), std::string::npos) << lines[2];
    EXPECT_EQ(lines[3], "Location_01,Loc01-Ant03,7.1,,");
}

TEST_F(ExposureCli, SafetyDistancesForPeople)
{
    sql(QStringLiteral(
        "UPDATE tblStation SET StationTxPower = 0 WHERE AntennasRef = 'Loc01-Ant02'"));
    const CliRun r = RunCliCommand(SafetyDistanceCommand(), {db, "ON4SAF"});
    EXPECT_EQ(r.code, ExitFailure);
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u) << r.out;
    EXPECT_NE(lines[1].find("5,12 m"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find("no power chain"), std::string::npos) << lines[2];
    EXPECT_NE(lines[3].find("no limit applies below 10 MHz"), std::string::npos) << lines[3];
    EXPECT_NE(r.err.find("no power chain for Loc01-Ant02"), std::string::npos) << r.err;
}

// Q by hand: the dipole 5,47821 V/m against 13,7 (0,159896), the dish
// 4,53201 V/m against 24,4470 (0,034366); 40 m takes no share.
TEST_F(ExposureCli, CombinedQuotientPerPoint)
{
    const CliRun r = RunCliCommand(ExposureCommand(), {db, "ON4SAF", "--csv"});
    ASSERT_EQ(r.code, ExitSuccess) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u) << r.out;
    EXPECT_EQ(lines[0], "Reference,Site,Quotient,Placements");
    EXPECT_EQ(lines[1].rfind("CTP_01,Location_01,0.19426", 0), 0u) << lines[1];
    EXPECT_EQ(lines[1].substr(lines[1].size() - 2), ",2") << lines[1];
    // 17 significant digits: the quotient reads back to the same double.
    const std::size_t start = std::string("CTP_01,Location_01,").size();
    const std::string q = lines[1].substr(start, lines[1].rfind(',') - start);
    EXPECT_GE(q.size(), 18u) << q; // "0." and 17 digits, unless it ends in zeros
    EXPECT_NEAR(std::stod(q), 0.194262, 1e-6);

    sql(QStringLiteral(
        "UPDATE tblStation SET AntennasSimTx = 0 WHERE AntennasRef = 'Loc01-Ant01'"));
    const CliRun apart = RunCliCommand(ExposureCommand(), {db, "ON4SAF"});
    ASSERT_EQ(apart.code, ExitSuccess) << apart.err;
    EXPECT_NE(apart.out.find("18,5 %"), std::string::npos) << apart.out;
}

TEST_F(ExposureCli, AMissingPowerChainLeavesTheQuotientEmpty)
{
    sql(QStringLiteral(
        "UPDATE tblStation SET StationTxPower = 0 WHERE AntennasRef = 'Loc01-Ant02'"));
    const CliRun r = RunCliCommand(ExposureCommand(), {db, "ON4SAF", "--csv"});
    EXPECT_EQ(r.code, ExitFailure);
    EXPECT_EQ(Lines(r.out).at(1), "CTP_01,Location_01,,2");
    EXPECT_NE(r.err.find("no power chain for Loc01-Ant02"), std::string::npos) << r.err;
}

TEST_F(ExposureCli, WrongUsage)
{
    for (const auto &args : std::vector<std::vector<std::string>>{{db}, {db, "ON4SAF", "--xml"}}) {
        EXPECT_EQ(RunCliCommand(ExposureCommand(), args).code, ExitUsage);
        EXPECT_EQ(RunCliCommand(SafetyDistanceCommand(), args).code, ExitUsage);
    }
    EXPECT_EQ(RunCliCommand(ExposureCommand(), {db, "ON4NONE"}).code, ExitFailure);
}

} // namespace
