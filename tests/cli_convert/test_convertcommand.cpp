// vlmcli convert, run in-process against the staged coordinate library.
#include "base/meridoxbinding.h"
#include "base/programfolder.h"
#include "cli/clidispatcher.h"
#include "cli/commands.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

namespace
{

class ConvertCommandTest : public testing::Test
{
protected:
    void SetUp() override
    {
        SetProgramFolder(QStringLiteral(VLM_PROGRAM_DIR));
        RegisterCommands(m_dispatcher);
    }
    void TearDown() override
    {
        ResetConversionLibrary();
        SetProgramFolder(QString());
    }

    int Run(const std::vector<std::string> &args)
    {
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        CliStreams streams{in, out, err};
        std::vector<std::string> all{"convert"};
        all.insert(all.end(), args.begin(), args.end());
        const int code = m_dispatcher.run(all, streams);
        m_out = out.str();
        m_err = err.str();
        return code;
    }

    CliDispatcher m_dispatcher;
    std::string m_out;
    std::string m_err;
};

TEST_F(ConvertCommandTest, ConvertsBothWays)
{
    const struct {
        std::vector<std::string> args;
        const char *out;
    } rows[] = {
        {{"to-wgs84", "150000", "170000"},
         "50\xC2\xB0"
         "50'25\" N, 4\xC2\xB0"
         "22'08\" E\n"},
        {{"to-wgs84", "150000.0", "170000", "--decimal"}, "50.840278, 4.368889\n"},
        {{"to-lambert", "50:50:25", "4:22:08"}, "150010, 169985\n"},
        {{"to-lambert",
          "50\xC2\xB0"
          "50'25\" N",
          "4\xC2\xB0"
          "22'08\" E"},
         "150010, 169985\n"},
        {{"to-lambert", "50.840278", "4.368889"}, "150010, 169985\n"},
        {{"to-lambert", "N50 50 25", "E4 22 8"}, "150010, 169985\n"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(Run(row.args), 0) << row.args[0] << ' ' << row.args[1] << ": " << m_err;
        EXPECT_EQ(m_out, row.out) << row.args[0] << ' ' << row.args[1];
    }
}

TEST_F(ConvertCommandTest, WhatGoesOutComesBackIn)
{
    ASSERT_EQ(Run({"to-wgs84", "244000", "153000"}), 0) << m_err;
    const std::string point = m_out.substr(0, m_out.size() - 1);
    const auto comma = point.find(", ");
    ASSERT_NE(comma, std::string::npos);
    ASSERT_EQ(Run({"to-lambert", point.substr(0, comma), point.substr(comma + 2)}), 0) << m_err;
    // Whole seconds are about 31 m of latitude and 20 m of longitude.
    int x = 0;
    int y = 0;
    ASSERT_EQ(std::sscanf(m_out.c_str(), "%d, %d", &x, &y), 2) << m_out;
    EXPECT_NEAR(x, 244000, 25);
    EXPECT_NEAR(y, 153000, 35);
}

TEST_F(ConvertCommandTest, WrongUsageChangesNothing)
{
    const std::vector<std::string> rows[] = {
        {},
        {"to-wgs84", "150000"},
        {"to-wgs84", "150000", "170000", "1"},
        {"sideways", "1", "2"},
        {"to-wgs84", "150000", "abc"},
        {"to-wgs84", "150000", "1e12"},
        {"to-wgs84", "150000", "170000", "--dms"},
        {"to-wgs84", "150000", "170000", "-x"},
        {"to-lambert", "50:50:25", "4:22:08", "--decimal"},
        {"to-lambert", "50:61:00", "4:22:08"},
        {"to-lambert", "50:50:25", "4:22:08 N"},
    };
    for (const auto &args : rows) {
        EXPECT_EQ(Run(args), 2) << (args.empty() ? std::string("(none)") : args.back());
        EXPECT_TRUE(m_out.empty());
        EXPECT_NE(m_err.find("Usage: vlmcli convert"), std::string::npos);
    }
}

TEST_F(ConvertCommandTest, HelpNamesBothDirections)
{
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(m_out.find("to-wgs84 X Y"), std::string::npos);
    EXPECT_NE(m_out.find("to-lambert LAT LON"), std::string::npos);
}

TEST_F(ConvertCommandTest, MissingLibraryIsAFailure)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    ResetConversionLibrary();
    SetProgramFolder(empty.path());
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"to-wgs84", "150000", "170000"},
          std::vector<std::string>{"to-lambert", "50:50:25", "4:22:08"}}) {
        EXPECT_EQ(Run(args), 1) << args[0];
        EXPECT_TRUE(m_out.empty());
        EXPECT_NE(m_err.find("coordinate library is not available"), std::string::npos) << m_err;
    }
}

} // namespace
