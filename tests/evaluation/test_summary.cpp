#include "exposure/evaluation.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{

struct TextCase {
    const char *reason;
    double e;
    const char *text;
};

class FieldText : public testing::TestWithParam<TextCase>
{
};

TEST_P(FieldText, FourSignificantDigitsTwoDecimals)
{
    EXPECT_EQ(FieldStrengthText(GetParam().e), QString::fromUtf8(GetParam().text))
        << GetParam().reason;
}

INSTANTIATE_TEST_SUITE_P(
    Values, FieldText,
    testing::Values(TextCase{"zero", 0, "0,00"}, TextCase{"small value", 0.012345, "0,01"},
                    TextCase{"below one", 0.6798, "0,68"}, TextCase{"tens", 12.3456, "12,35"},
                    TextCase{"hundreds keep four digits", 123.456, "123,50"},
                    TextCase{"thousands keep four digits", 1234.56, "1235,00"},
                    TextCase{"rounds up to 10000: exponent", 9999.6, "1,000E+04"},
                    TextCase{"out of pattern", 99999.9, "1,000E+05"},
                    TextCase{"rounded once: never below the value's own two decimals", 1.2250001,
                             "1,23"},
                    TextCase{"no number: shown as out of pattern", std::nan(""), "1,000E+05"}));

// One entry per (E, f); references CTP_0n and antennas Ant0n by position.
TEvaluation Entries(std::initializer_list<std::pair<double, double>> values)
{
    TEvaluation ev;
    int n = 0;
    for (const auto &[e, f] : values) {
        ++n;
        ev.ctpId << n;
        ev.reference << QStringLiteral("CTP_0%1").arg(n);
        ev.antennaRef << QStringLiteral("Ant0%1").arg(n);
        ev.fieldStrength << e;
        ev.verdict << 0;
        ev.frequency << f;
    }
    return ev;
}

struct SummaryCase {
    const char *reason;
    TEvaluation ev;
    int entry;
    int summaryClass;
    const char *value;
    const char *location;
    const char *result;
    int colour;
};

class Summary : public testing::TestWithParam<SummaryCase>
{
};

TEST_P(Summary, NamesTheHighestEntry)
{
    const SummaryCase &c = GetParam();
    const std::optional<TEvaluationSummary> s = SummarizeEvaluation(c.ev);
    ASSERT_TRUE(s.has_value()) << c.reason;
    EXPECT_EQ(s->entry, c.entry) << c.reason;
    EXPECT_EQ(s->summaryClass, c.summaryClass) << c.reason;
    EXPECT_EQ(s->valueText, QString::fromUtf8(c.value)) << c.reason;
    EXPECT_EQ(s->locationText, QString::fromUtf8(c.location)) << c.reason;
    EXPECT_EQ(s->resultText, QString::fromUtf8(c.result)) << c.reason;
    EXPECT_EQ(s->colour, c.colour) << c.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Classes, Summary,
    testing::Values(
        SummaryCase{"class 1, green", Entries({{1.0, 145}, {2.0, 145}}), 1, 1, "2,00 V/m",
                    "at CTP_02 by Ant02: requires a", "Technical Antenna File", 128 * 256},
        SummaryCase{"class 2, blue", Entries({{5.0, 145}}), 0, 2, "5,00 V/m",
                    "at CTP_01 by Ant01: requires a", "Certification File", 255 * 65536},
        SummaryCase{"class 3, purple", Entries({{13.0, 145}}), 0, 3, "13,00 V/m",
                    "at CTP_01 by Ant01:", "contact BIPT first !", 128 + 128 * 65536},
        SummaryCase{"class 4, red", Entries({{14.0, 145}}), 0, 4, "14,00 V/m",
                    "at CTP_01 by Ant01:", "value above the exposure limit !", 255},
        SummaryCase{"equal highest values: the first listed wins",
                    Entries({{3.5, 145}, {9.0, 145}, {9.0, 435}}), 1, 2, "9,00 V/m",
                    "at CTP_02 by Ant02: requires a", "Certification File", 255 * 65536},
        SummaryCase{"the class uses the frequency of the highest entry",
                    Entries({{5.0, 1270}, {2.0, 145}}), 0, 1, "5,00 V/m",
                    "at CTP_01 by Ant01: requires a", "Technical Antenna File", 128 * 256}));

TEST(Summary, NoEntriesNoSummary)
{
    EXPECT_FALSE(SummarizeEvaluation(TEvaluation()).has_value());
}

} // namespace
