#include "base/numberformat.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

namespace
{
struct ParseCase {
    const char *name;
    const char *text;
    bool readable;
    double value;
};

class ParseNumberTest : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseNumberTest, ReadsTheProgramsFormat)
{
    const ParseCase &c = GetParam();
    const std::optional<double> parsed = ParseNumber(QString::fromUtf8(c.text));
    ASSERT_EQ(parsed.has_value(), c.readable);
    if (c.readable) {
        EXPECT_DOUBLE_EQ(*parsed, c.value);
    }
    EXPECT_DOUBLE_EQ(NumberOrZero(QString::fromUtf8(c.text)), c.readable ? c.value : 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseNumberTest,
    ::testing::Values(
        ParseCase{"Integer", "12", true, 12}, ParseCase{"DecimalComma", "12,5", true, 12.5},
        ParseCase{"Negative", "-0,25", true, -0.25}, ParseCase{"PlusSign", "+3", true, 3},
        ParseCase{"LeadingComma", ",5", true, 0.5}, ParseCase{"TrailingComma", "7,", true, 7},
        ParseCase{"Thousands", "1.234,5", true, 1234.5},
        ParseCase{"TwoGroups", "1.234.567", true, 1234567},
        ParseCase{"Exponent", "1,5E3", true, 1500},
        ParseCase{"SurroundingSpaces", "  42 ", true, 42},
        ParseCase{"DecimalPointIsNotAThousandsGroup", "12.5", false, 0},
        ParseCase{"BadGroupSize", "1.23,4", false, 0}, ParseCase{"TwoCommas", "1,2,3", false, 0},
        ParseCase{"Empty", "", false, 0}, ParseCase{"SignOnly", "-", false, 0},
        ParseCase{"CommaOnly", ",", false, 0}, ParseCase{"Letters", "abc", false, 0},
        ParseCase{"TrailingGarbage", "12,5 m", false, 0}, ParseCase{"Overflow", "1E400", false, 0}),
    [](const auto &info) { return std::string(info.param.name); });

struct RoundCase {
    const char *name;
    double value;
    const char *rounded; // FormatRounded(value, 2)
};

class FormatRoundedTest : public ::testing::TestWithParam<RoundCase>
{
};

TEST_P(FormatRoundedTest, RoundsHalvesToEvenAndWritesShortest)
{
    EXPECT_EQ(FormatRounded(GetParam().value).toStdString(), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatRoundedTest,
                         ::testing::Values(RoundCase{"HalfDownToEven", 0.125, "0,12"},
                                           RoundCase{"HalfUpToEven", 0.135, "0,14"},
                                           RoundCase{"DecimalHalfNotExactInBinary", 2.675, "2,68"},
                                           RoundCase{"AnotherInexactHalf", 1.005, "1"},
                                           RoundCase{"NegativeHalf", -0.125, "-0,12"},
                                           RoundCase{"BelowHalf", 3.14159, "3,14"},
                                           RoundCase{"AboveHalf", 2.499, "2,5"},
                                           RoundCase{"TrailingZeroDropped", 12.5, "12,5"},
                                           RoundCase{"WholeNumber", 3.0, "3"},
                                           RoundCase{"NegativeZeroIsZero", -0.001, "0"},
                                           RoundCase{"LargeValue", 123456789.125, "123456789,12"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RoundHalfEven, IntegersAndOtherPrecisions)
{
    const struct {
        double value;
        int decimals;
        double expected;
    } cases[] = {{2.5, 0, 2},    {3.5, 0, 4},    {-2.5, 0, -2}, {0.5, 0, 0},
                 {1.25, 1, 1.2}, {1.35, 1, 1.4}, {2.6, 0, 3},   {1e300, 2, 1e300}};
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(RoundHalfEven(c.value, c.decimals), c.expected)
            << c.value << " " << c.decimals;
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""), 2)));

    EXPECT_EQ(RoundToInt(2.5), 2);
    EXPECT_EQ(RoundToInt(3.5), 4);
    EXPECT_EQ(RoundToInt(-7.5), -8);
    EXPECT_EQ(RoundToInt(1e20), INT_MAX);
    EXPECT_EQ(RoundToInt(-1e20), INT_MIN);
}

TEST(FormatNumber, ShortestTextThatReadsBack)
{
    const struct {
        double value;
        const char *text;
    } cases[] = {{12.5, "12,5"},     {3, "3"},    {-0.001, "-0,001"},
                 {0.1 + 0.2, "0,3"}, {-0.0, "0"}, {1234567.25, "1234567,25"}};
    for (const auto &c : cases) {
        EXPECT_EQ(FormatNumber(c.value).toStdString(), c.text);
        EXPECT_NEAR(NumberOrZero(FormatNumber(c.value)), c.value, 1e-12);
    }
}

TEST(FormatGrouped, PutsThousandSeparators)
{
    const struct {
        double value;
        int decimals;
        const char *text;
    } cases[] = {{1234567.5, 2, "1.234.567,5"},
                 {999, 2, "999"},
                 {1000, 0, "1.000"},
                 {-1234.565, 2, "-1.234,56"},
                 {0.5, 2, "0,5"}};
    for (const auto &c : cases) {
        EXPECT_EQ(FormatGrouped(c.value, c.decimals).toStdString(), c.text);
        EXPECT_DOUBLE_EQ(NumberOrZero(FormatGrouped(c.value, c.decimals)),
                         RoundHalfEven(c.value, c.decimals));
    }
}

TEST(FormatFixed, DecimalsWithinSignificantDigits)
{
    constexpr auto Away = HalfRounding::AwayFromZero;
    constexpr auto Even = HalfRounding::ToEven;
    constexpr auto Exponent = WideValues::Exponent;
    constexpr auto Rounded = WideValues::Rounded;
    const struct {
        const char *why;
        double value;
        int decimals;
        int significant;
        HalfRounding halves;
        WideValues wide;
        const char *text;
    } cases[] = {
        {"decimals fit", 12.3456, 2, 4, Even, Exponent, "12,35"},
        {"digits before the separator take decimals away", 1234.56, 2, 4, Even, Exponent,
         "1235,00"},
        {"small values keep their decimals", 0.6789, 2, 4, Even, Exponent, "0,68"},
        {"rounded once, not first to 4 digits and then to 2", 0.12501, 2, 4, Even, Exponent,
         "0,13"},
        {"the same above one", 1.2250001, 2, 4, Even, Exponent, "1,23"},
        {"an exact half to even", 0.125, 2, 4, Even, Exponent, "0,12"},
        {"an exact half away from zero", 0.125, 2, 4, Away, Exponent, "0,13"},
        {"a decimal half stored just below", 2.675, 2, 4, Away, Exponent, "2,68"},
        {"rounding that adds a digit", 99.996, 2, 4, Even, Exponent, "100,00"},
        {"rounding up to five digits: exponent", 9999.6, 1, 4, Even, Exponent, "1,000E+04"},
        {"five digits: exponent", 10368, 1, 4, Even, Exponent, "1,037E+04"},
        {"five digits rounded to tens", 12345.6, 2, 4, Away, Rounded, "12350,00"},
        {"six significant digits", 10368.123, 1, 6, Away, Rounded, "10368,1"},
        {"no minus sign on zero", -0.001, 1, 4, Even, Exponent, "0,0"},
        {"negative values", -123.456, 2, 4, Away, Rounded, "-123,50"},
        {"not a number counts as zero", std::nan(""), 2, 4, Even, Exponent, "0,00"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.decimals, c.significant, c.halves, c.wide).toStdString(),
                  c.text)
            << c.why;
}

TEST(FilterNumberKey, DigitsCommaAndTypedPoint)
{
    EXPECT_EQ(FilterNumberKey(QLatin1Char('7'), false), QLatin1Char('7'));
    EXPECT_EQ(FilterNumberKey(QLatin1Char('.'), true), QLatin1Char(','));
    EXPECT_EQ(FilterNumberKey(QLatin1Char(','), true), QLatin1Char(','));
    EXPECT_TRUE(FilterNumberKey(QLatin1Char('.'), false).isNull());
    EXPECT_TRUE(FilterNumberKey(QLatin1Char(','), false).isNull());
    EXPECT_TRUE(FilterNumberKey(QLatin1Char('a'), true).isNull());
    EXPECT_TRUE(FilterNumberKey(QChar(0x0663), true).isNull()); // Arabic-Indic three
}

TEST(ApplyNumberFormat, DefaultLocaleUsesCommaAndPoint)
{
    ApplyNumberFormat();
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(QLocale().groupSeparator(), QStringLiteral("."));
    QLocale::setDefault(QLocale::c());
}

TEST(IsTypedNumber, OneCommaAndASignInFrontOnly)
{
    const struct {
        const char *text;
        bool decimals, negative, accepted;
    } cases[] = {
        {"", true, true, true},         {"15", true, false, true},   {"15,5", true, false, true},
        {",", true, false, true},       {"-", true, true, true},     {"-12,", true, true, true},
        {"15,5,3", true, false, false}, {"1,,2", true, true, false}, {"5-5", true, true, false},
        {"--5", true, true, false},     {"-5", true, false, false},  {"1,5", false, false, false},
        {"1.5", true, true, false},     {"12a", true, true, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsTypedNumber(QString::fromLatin1(c.text), c.decimals, c.negative), c.accepted)
            << c.text;
}

TEST(TextAfterTyping, InsertsAtTheCursorOrReplacesTheSelection)
{
    EXPECT_EQ(TextAfterTyping(QStringLiteral("155"), 2, -1, 0, QLatin1Char(',')),
              QStringLiteral("15,5"));
    EXPECT_EQ(TextAfterTyping(QStringLiteral("15,5"), 4, 2, 2, QLatin1Char(',')),
              QStringLiteral("15,"))
        << "a selected \",5\" is replaced";
    EXPECT_EQ(TextAfterTyping(QString(), 7, -1, 0, QLatin1Char('-')), QStringLiteral("-"));
}
} // namespace
