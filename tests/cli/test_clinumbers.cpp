#include "cli/clinumbers.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

TEST(CliNumbers, ParseNumber)
{
    const struct {
        const char *text;
        bool ok;
        double value;
    } rows[] = {
        {"1.5", true, 1.5}, {"-3", true, -3},   {"+2", true, 2},    {"1e3", true, 1000},
        {"0.000", true, 0}, {"1,5", false, 0},  {"", false, 0},     {"+", false, 0},
        {"++1", false, 0},  {"+-1", false, 0},  {"1.5x", false, 0}, {" 1", false, 0},
        {"inf", false, 0},  {"-inf", false, 0}, {"nan", false, 0},  {"1e999", false, 0},
    };
    for (const auto &row : rows) {
        double value = -42.0;
        EXPECT_EQ(ParseNumber(row.text, value), row.ok) << '"' << row.text << '"';
        EXPECT_EQ(value, row.ok ? row.value : -42.0) << '"' << row.text << '"';
    }
}

TEST(CliNumbers, ParseWholeNumber)
{
    const struct {
        const char *text;
        bool ok;
        int value;
    } rows[] = {
        {"10", true, 10},   {"10.0", true, 10}, {"-4", true, -4},
        {"0", true, 0},     {"1.5", false, 0},  {"3e9", false, 0},
        {"-3e9", false, 0}, {"1,0", false, 0},  {"2147483647", true, 2147483647},
    };
    for (const auto &row : rows) {
        int value = -42;
        EXPECT_EQ(ParseWholeNumber(row.text, value), row.ok) << '"' << row.text << '"';
        EXPECT_EQ(value, row.ok ? row.value : -42) << '"' << row.text << '"';
    }
}

TEST(CliNumbers, SeventeenDigitsReadBackExactly)
{
    for (const double value : {0.67981754977444286, 0.1, 1.0 / 3.0, 99999.9, 1e-300, 42.0}) {
        std::string text;
        AppendExactNumber(text, value);
        double back = 0.0;
        ASSERT_TRUE(ParseNumber(text, back)) << text;
        EXPECT_EQ(back, value) << text;
    }
    std::string text;
    AppendShortNumber(text, 0.67981754977444286);
    EXPECT_EQ(text, "0.679818");
}

} // namespace
