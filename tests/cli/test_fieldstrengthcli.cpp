#include "cli/clidispatcher.h"
#include "cli/commands.h"
#include "exposure/engine/engine.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace
{

struct RunResult {
    int code;
    std::string out;
    std::string err;
};

RunResult RunCli(const std::vector<std::string> &args, const std::string &input = {})
{
    CliDispatcher dispatcher;
    RegisterCommands(dispatcher);
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CliStreams streams{in, out, err};
    const int code = dispatcher.run(args, streams);
    return {code, out.str(), err.str()};
}

const std::vector<std::string> FarFieldArgs = {"field-strength",
                                               "--pattern",
                                               "8,6,2,-3,-10,-20,-25,-25,-30,-30",
                                               "--freq",
                                               "145",
                                               "--tilt",
                                               "0",
                                               "--distance",
                                               "8",
                                               "--point-height",
                                               "1.5",
                                               "--power",
                                               "20",
                                               "--antenna-height",
                                               "10"};

std::vector<std::string> FarFieldWith(std::vector<std::string> extra)
{
    std::vector<std::string> args = FarFieldArgs;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

std::vector<std::string> FarFieldWithout(const std::string &option)
{
    std::vector<std::string> args;
    for (std::size_t i = 0; i < FarFieldArgs.size(); ++i) {
        if (FarFieldArgs[i] == option)
            ++i; // skip its value too
        else
            args.push_back(FarFieldArgs[i]);
    }
    return args;
}

std::vector<std::string> FarFieldReplacing(const std::string &option, const std::string &value)
{
    std::vector<std::string> args = FarFieldArgs;
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == option)
            args[i + 1] = value;
    }
    return args;
}

struct CommandLineCase {
    const char *reason;
    std::vector<std::string> args;
    int code;
    const char *expectedOut; // a piece of standard output, or "" for none
    const char *expectedErr; // a piece of standard error, or "" for none
};

TEST(FieldStrengthCli, CommandLines)
{
    const CommandLineCase rows[] = {
        {"no arguments", {}, 2, "", "Usage: vlmcli"},
        {"general help", {"--help"}, 0, "field-strength", ""},
        {"general help, short", {"-h"}, 0, "field-strength", ""},
        {"help for a command", {"help", "field-strength"}, 0, "--batch", ""},
        {"help for an unknown command", {"help", "frob"}, 2, "", "unknown command 'frob'"},
        {"unknown command", {"frob"}, 2, "", "unknown command 'frob'"},
        {"unknown option", {"--frob"}, 2, "", "unknown option '--frob'"},
        {"command help", {"field-strength", "--help"}, 0, "--point-height", ""},
        {"help wins over other options", FarFieldWith({"-h"}), 0, "--antenna-height", ""},
        {"far-field example", FarFieldArgs, 0,
         "E = 0.679818 V/m, verdict 4 (below the low level), summary class 1", ""},
        {"--name=value form",
         [] {
             std::vector<std::string> args = FarFieldWithout("--freq");
             args.push_back("--freq=145");
             return args;
         }(),
         0, "0.679818 V/m", ""},
        {"near-field example",
         {"field-strength", "--pattern=8,6,2,-3,-10,-20,-25,-25,-30,-30", "--aperture=10",
          "--freq=1296", "--tilt=0", "--distance=3", "--point-height=5", "--power=10",
          "--antenna-height=5"},
         0,
         "E = 42.3382 V/m, verdict 1 (above the limit), summary class 4",
         ""},
        {"out of pattern", FarFieldReplacing("--tilt", "60"), 0, "99999.9 V/m (out of pattern", ""},
        {"below 10 MHz no verdict", FarFieldReplacing("--freq", "7.05"), 0, "verdict 0", ""},
        {"no options", {"field-strength"}, 2, "", "missing option '--pattern'"},
        {"missing distance", FarFieldWithout("--distance"), 2, "", "missing option '--distance'"},
        {"nine gains", FarFieldReplacing("--pattern", "8,6,2,-3,-10,-20,-25,-25,-30"), 2, "",
         "found 9"},
        {"empty gain", FarFieldReplacing("--pattern", "8,6,2,,-10,-20,-25,-25,-30,-30"), 2, "",
         "'' is not a number"},
        {"decimal comma", FarFieldReplacing("--freq", "145,5"), 2, "",
         "--freq: '145,5' is not a number"},
        {"aperture not whole", FarFieldWith({"--aperture", "1.5"}), 2, "",
         "--aperture: '1.5' is not a whole number"},
        {"option twice", FarFieldWith({"--freq", "146"}), 2, "", "'--freq' is given twice"},
        {"option without value", FarFieldWith({"--aperture"}), 2, "", "needs a value"},
        {"stray argument", FarFieldWith({"12"}), 2, "", "unexpected argument '12'"},
        {"unknown command option", FarFieldWith({"--gain", "3"}), 2, "", "unknown option '--gain'"},
        {"batch with other options",
         {"field-strength", "--batch", "--freq", "3"},
         2,
         "",
         "takes no other option"},
    };
    for (const CommandLineCase &row : rows) {
        const RunResult result = RunCli(row.args);
        EXPECT_EQ(result.code, row.code) << row.reason << "\n" << result.err;
        if (*row.expectedOut)
            EXPECT_NE(result.out.find(row.expectedOut), std::string::npos) << row.reason << "\n"
                                                                           << result.out;
        else
            EXPECT_EQ(result.out, "") << row.reason;
        if (*row.expectedErr)
            EXPECT_NE(result.err.find(row.expectedErr), std::string::npos) << row.reason << "\n"
                                                                           << result.err;
        else
            EXPECT_EQ(result.err, "") << row.reason;
    }
}

TEST(FieldStrengthCli, BatchAnswersEveryLineInPlace)
{
    const std::string input = "8 6 2 -3 -10 -20 -25 -25 -30 -30 0 145 0 8 1.5 20 10\n"
                              "1 2 3\n"
                              "\n"
                              "8\t6 2 -3 -10 -20 -25 -25 -30 -30   10 1296 10 10 2 10 5\r\n"
                              "8 6 2 -3 -10 -20 -25 -25 -30 -30 1.5 1296 10 10 2 10 5\n"
                              "8 6 2 -3 -10 -20 -25 -25 -30 -30 0 145 0 8 1,5 20 10\n"
                              "8 6 2 -3 -10 -20 -25 -25 -30 -30 0 145 0 8 1.5 20 10 7\n"
                              "8 6 2 -3 -10 -20 -25 -25 -30 -30 0 145 60 8 1.5 20 10";
    const RunResult result = RunCli({"field-strength", "--batch"}, input);
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "");

    const AntennaPattern yagi = {8, 6, 2, -3, -10, -20, -25, -25, -30, -30};
    std::istringstream lines(result.out);
    std::vector<std::string> out;
    for (std::string line; std::getline(lines, line);)
        out.push_back(line);
    ASSERT_EQ(out.size(), 8u) << result.out;

    const auto expectAnswer = [](const std::string &line, double e, int verdict, int summary) {
        std::istringstream fields(line);
        double readE = 0;
        int readVerdict = -1, readSummary = -1;
        fields >> readE >> readVerdict >> readSummary;
        EXPECT_EQ(readE, e) << line; // 17 significant digits read back exactly
        EXPECT_EQ(readVerdict, verdict) << line;
        EXPECT_EQ(readSummary, summary) << line;
    };
    expectAnswer(out[0], FieldStrength(yagi, 0, 145, 0, 8, 1.5, 20, 10), 4, 1);
    EXPECT_EQ(out[1], "error: line 2: expected 17 numbers (G0 ... G9 N f t d hp Pd ha), found 3");
    EXPECT_EQ(out[2], "error: line 3: expected 17 numbers (G0 ... G9 N f t d hp Pd ha), found 0");
    expectAnswer(out[3], FieldStrength(yagi, 10, 1296, 10, 10, 2, 10, 5), 4, 1);
    EXPECT_EQ(out[4], "error: line 5: N (field 11) '1.5' is not a whole number");
    EXPECT_EQ(out[5], "error: line 6: hp (field 15) '1,5' is not a number");
    EXPECT_EQ(out[6], "error: line 7: expected 17 numbers (G0 ... G9 N f t d hp Pd ha), found 18");
    EXPECT_EQ(out[7], "99999.899999999994 1 4");
}

TEST(FieldStrengthCli, BatchWithoutErrorsSucceeds)
{
    std::string input;
    for (int i = 0; i < 1000; ++i)
        input += "0 0 0 0 0 0 0 0 0 0 0 145 0 " + std::to_string(1 + i) + " 1.5 0 10\n";
    const RunResult result = RunCli({"field-strength", "--batch"}, input);
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1000);
    EXPECT_EQ(result.out.find("error"), std::string::npos);

    const RunResult empty = RunCli({"field-strength", "--batch"}, "");
    EXPECT_EQ(empty.code, 0);
    EXPECT_EQ(empty.out, "");
}

} // namespace
