// Placeholder rules, number columns, the antenna report text and the letter texts.
#include "reports/antennareporttext.h"
#include "reports/letterlayout.h"
#include "reports/placeholders.h"

#include <QDate>
#include <gtest/gtest.h>

namespace
{
std::string s(const QString &text)
{
    return text.toStdString();
}

struct ReplaceCase {
    const char *name;
    const char *line;
    const char *expected;
};

class ReplacePlaceholderTest : public ::testing::TestWithParam<ReplaceCase>
{
};

TEST_P(ReplacePlaceholderTest, RecognisedInUpperCaseThenReplacedIgnoringCase)
{
    const ReplaceCase &c = GetParam();
    EXPECT_EQ(s(ReplacePlaceholder(QString::fromUtf8(c.line), QStringLiteral("<CALL>"),
                                   QStringLiteral("ON4XYZ"))),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, ReplacePlaceholderTest,
    ::testing::Values(ReplaceCase{"UpperOnly", "Station <CALL> here", "Station ON4XYZ here"},
                      ReplaceCase{"UpperAndLower", "<CALL> and <call> and <Call>",
                                  "ON4XYZ and ON4XYZ and ON4XYZ"},
                      ReplaceCase{"LowerOnlyKept", "Station <call> here", "Station <call> here"},
                      ReplaceCase{"MixedOnlyKept", "Station <Call>", "Station <Call>"},
                      ReplaceCase{"Absent", "No placeholder", "No placeholder"},
                      ReplaceCase{"Twice", "<CALL><CALL>", "ON4XYZON4XYZ"}),
    [](const auto &info) { return std::string(info.param.name); });

struct ColumnCase {
    const char *name;
    double value;
    int width;
    const char *expected;
};

class ColumnTextTest : public ::testing::TestWithParam<ColumnCase>
{
};

TEST_P(ColumnTextTest, ShortestFormPaddedAndCut)
{
    const ColumnCase &c = GetParam();
    EXPECT_EQ(s(ColumnText(c.value, c.width)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Columns, ColumnTextTest,
                         ::testing::Values(ColumnCase{"NegativeFits", -3.25, 5, "-3,25"},
                                           ColumnCase{"LongerIsCut", 12.375, 5, "12,37"},
                                           ColumnCase{"ShortIsPadded", 5, 5, "5    "},
                                           ColumnCase{"Zero", 0, 5, "0    "},
                                           ColumnCase{"WiderColumn", 12.5, 16, "12,5            "},
                                           ColumnCase{"NoTrailingZeros", 2.50, 5, "2,5  "}),
                         [](const auto &info) { return std::string(info.param.name); });

struct FixedCase {
    const char *name;
    double value;
    int decimals;
    const char *expected;
};

class FixedNotationTest : public ::testing::TestWithParam<FixedCase>
{
};

TEST_P(FixedNotationTest, FourSignificantDigits)
{
    const FixedCase &c = GetParam();
    EXPECT_EQ(s(FixedNotation(c.value, c.decimals)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Notation, FixedNotationTest,
                         ::testing::Values(FixedCase{"Band145", 145, 1, "145,0"},
                                           FixedCase{"Band1296", 1296, 1, "1296,0"},
                                           FixedCase{"FiveDigitsScientific", 10368, 1, "1,037E+04"},
                                           FixedCase{"RoundsToFiveDigits", 9999.6, 1, "1,000E+04"},
                                           FixedCase{"FourDigitsFirst", 1234.56, 2, "1235,00"},
                                           FixedCase{"SmallField", 0.6789, 2, "0,68"},
                                           FixedCase{"SmallFieldBeyondFourDigits", 0.123456, 2,
                                                     "0,12"},
                                           FixedCase{"Attenuation", 8, 1, "8,0"},
                                           FixedCase{"OutOfPattern", 99999.9, 2, "1,000E+05"},
                                           FixedCase{"NegativeZero", -0.001, 1, "0,0"},
                                           FixedCase{"NotANumber", std::nan(""), 2, "0,00"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(YesNoWordTest, EveryLanguage)
{
    const struct {
        int language;
        const char *yes;
        const char *no;
    } rows[] = {{1, "Yes", "No"},
                {2, "Ja", "Neen"},
                {3, "Oui", "Non"},
                {4, "Ja", "Nein"},
                {0, "Yes", "No"}};
    for (const auto &r : rows) {
        EXPECT_EQ(s(YesNoWord(r.language, true)), r.yes) << r.language;
        EXPECT_EQ(s(YesNoWord(r.language, false)), r.no) << r.language;
    }
}

TReportRow sampleRow()
{
    TReportRow r;
    r.firstName = QStringLiteral("Jan");
    r.name = QStringLiteral("Peeters");
    r.call = QStringLiteral("ON4XYZ");
    r.zip = QStringLiteral("3000");
    r.city = QStringLiteral("Leuven");
    r.towerName = QStringLiteral("Loc01");
    r.lamX = 173456.4;
    r.lamY = 174321.6;
    r.towerMain = true;
    r.antennaRef = QStringLiteral("Loc01-Ant02");
    r.antHeight = 12.5;
    r.antTilt = 2.5;
    r.frequency = 145;
    const double pattern[10] = {5, -3.25, 12.375, 0, -3, -6, -10, -15, -20, -25};
    std::copy(std::begin(pattern), std::end(pattern), r.pattern);
    r.antPower = 16.9897;
    r.eirp = 19.1397;
    r.pointRef = QStringLiteral("CTP_01");
    r.pointDistance = 10;
    r.pointHeight = 1.5;
    r.spaceAttLow = 4;
    r.spaceAttHigh = 8;
    return r;
}

TEST(AntennaReportTextTest, PlaceholderValues)
{
    const TReportRow row = sampleRow();
    const QDate day(2026, 3, 14);
    const struct {
        const char *line;
        int language;
        const char *expected;
    } rows[] = {
        {"Gain (dBi)  :<V00> <V10> <V20>", 1, "Gain (dBi)  : 5     -3,25 12,37"},
        {"Main: <LOCMAIN>", 4, "Main: Ja"},
        {"Main: <LOCMAIN>", 2, "Main: Ja"},
        {"Main: <LOCMAIN>", 3, "Main: Oui"},
        {"X = <LAMX>, Y = <LAMY>", 1, "X = 173456, Y = 174322"},
        {"Tilt <ANTTILT>, height <ANTHEIGHT>", 1, "Tilt 2, height 12,5"},
        {"<ANTFREQ> MHz, <ANTGAIN> dBi", 1, "145,0 MHz, 5 dBi"},
        {"<ANTPWR>|<EIRPPWR>|", 1, "16,98|19,13|"},
        {"<DATE> <FNAME> <NAME> <CALL> <call>", 1, "14/03/2026 Jan Peeters ON4XYZ ON4XYZ"},
        {"only lower <call>", 1, "only lower <call>"},
    };
    for (const auto &r : rows) {
        const QStringList out =
            ReplaceReportPlaceholders({QString::fromUtf8(r.line)}, row, r.language, day);
        EXPECT_EQ(s(out.value(0)), r.expected) << r.line;
    }
}

TEST(AntennaReportTextTest, NoMainSiteWordPerLanguage)
{
    TReportRow row = sampleRow();
    row.towerMain = false;
    const QDate day(2026, 3, 14);
    EXPECT_EQ(s(ReplaceReportPlaceholders({QStringLiteral("<LOCMAIN>")}, row, 4, day).value(0)),
              "Nein");
    EXPECT_EQ(s(ReplaceReportPlaceholders({QStringLiteral("<LOCMAIN>")}, row, 2, day).value(0)),
              "Neen");
}

TEST(AntennaReportTextTest, PointLinesUseTheirOwnSpaceAttenuation)
{
    TReportRow garden = sampleRow();
    TReportRow bedroom = sampleRow();
    bedroom.pointRef = QStringLiteral("CTP_02");
    bedroom.spaceAttLow = 8;
    const QStringList lines = BuildAntennaReportText({QStringLiteral("HEAD <CALL>")},
                                                     {garden, bedroom}, 1, QDate(2026, 3, 14));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(s(lines[0]), "HEAD ON4XYZ");
    EXPECT_EQ(s(lines[1].left(3 + 12 + 16 + 16)),
              "   CTP_01      10              1,5             ");
    EXPECT_EQ(s(lines[1].mid(47, 25)), "4,0                      ");
    EXPECT_EQ(s(lines[2].mid(47, 25)), "8,0                      ");
    // 4 dB more attenuation: the field strength falls by the factor 10^(-4/20).
    const double e1 = RowFieldStrength(garden);
    const double e2 = RowFieldStrength(bedroom);
    EXPECT_GT(e1, 0.0);
    EXPECT_NEAR(e2 / e1, std::pow(10.0, -4.0 / 20.0), 1e-9);
    EXPECT_EQ(s(lines[1].mid(72)), s(FixedNotation(e1, 2)));
    EXPECT_EQ(s(lines[2].mid(72)), s(FixedNotation(e2, 2)));
}

// A placement whose power chain was never saved shows no field strength.
TEST(AntennaReportTextTest, WithoutAPowerChainThePointLineHasNoValue)
{
    TReportRow row = sampleRow();
    row.hasPower = false;
    EXPECT_EQ(s(ReportPointLine(row).mid(72)), "no power chain");
}

TEST(AntennaReportTextTest, HighBandsUseTheHighAttenuation)
{
    TReportRow row = sampleRow();
    row.frequency = 999.9;
    EXPECT_EQ(RowSpaceAttenuation(row), 4);
    row.frequency = 1000;
    EXPECT_EQ(RowSpaceAttenuation(row), 8);
}

TEST(AntennaReportTextTest, SiteWithoutPointsGivesEmptyValuesAndNoPointLines)
{
    const QStringList lines = BuildAntennaReportText(
        {QStringLiteral("[<NAME>] [<LOCMAIN>] [<ANTFREQ>] [<V00>] [<LAMX>]")}, {}, 2,
        QDate(2026, 3, 14));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(s(lines[0]), "[] [Neen] [0,0] [ 0    ] [0]");
}

TOwnerLetterData owner(const char *address2)
{
    TOwnerLetterData o;
    o.firstName = QStringLiteral("Jan");
    o.name = QStringLiteral("Peeters");
    o.call = QStringLiteral("ON4XYZ");
    o.address1 = QStringLiteral("Naamsestraat 1");
    o.address2 = QString::fromUtf8(address2);
    o.zip = QStringLiteral("3000");
    o.city = QStringLiteral("Leuven");
    return o;
}

TEST(LetterLayoutTest, SenderBlockSkipsABlankSecondAddressLine)
{
    const struct {
        const char *address2;
        int lines;
    } rows[] = {{"", 3}, {"   ", 3}, {"Bus 2", 4}};
    for (const auto &r : rows) {
        const QStringList lines = SenderLines(owner(r.address2));
        EXPECT_EQ(lines.size(), r.lines) << r.address2;
        EXPECT_EQ(s(lines.first()), "Jan Peeters (ON4XYZ)");
        EXPECT_EQ(s(lines.last()), "3000 Leuven");
    }
}

TEST(LetterLayoutTest, HeadLines)
{
    EXPECT_EQ(s(LetterDateLine(QStringLiteral("Leuven"), QDate(2026, 3, 4))),
              "Leuven, 04/03/2026.");
    TRegulatorAddress a;
    a.name = QStringLiteral("BIPT");
    a.service = QStringLiteral("Radio Amateurs Service");
    a.address2 = QStringLiteral("Ellipse Building - Building C");
    a.address1 = QStringLiteral("Boulevard du Roi Albert II 35");
    a.zip = QStringLiteral("1030");
    a.city = QStringLiteral("Brussels");
    EXPECT_EQ(RegulatorLines(a), QStringList({QStringLiteral("BIPT - Radio Amateurs Service"),
                                              QStringLiteral("Ellipse Building - Building C"),
                                              QStringLiteral("Boulevard du Roi Albert II 35"),
                                              QStringLiteral("1030  Brussels")}));
}

TEST(LetterLayoutTest, LetterCallOnlyInLinesWithTheUpperCaseForm)
{
    EXPECT_EQ(ReplaceLetterCall({QStringLiteral("Station <CALL>"), QStringLiteral("station <call>"),
                                 QStringLiteral("<CALL> <call>")},
                                QStringLiteral("ON4XYZ")),
              QStringList({QStringLiteral("Station (ON4XYZ)"), QStringLiteral("station <call>"),
                           QStringLiteral("(ON4XYZ) (ON4XYZ)")}));
}

TEST(LetterLayoutTest, CoverLetterBlocksGoBeforeTheirLines)
{
    const QStringList templ = {QStringLiteral("Subject <CALL>"),
                               QStringLiteral("a"),
                               QStringLiteral("b"),
                               QStringLiteral("c"),
                               QStringLiteral("before <CERT_INFO>after"),
                               QStringLiteral("d"),
                               QStringLiteral("e"),
                               QStringLiteral("list:<FILE_INFO>"),
                               QStringLiteral("end")};
    const QStringList body = CoverLetterBody(
        templ, owner(""), {QStringLiteral("Roof is flat"), QStringLiteral("No balcony")},
        {QStringLiteral("/home/jan/ON4XYZ/ON4XYZ_VLM_Loc01-Ant01.pdf"),
         QStringLiteral("C:\\VLM\\ON4XYZ_Vlm.mdb")});
    EXPECT_EQ(body,
              QStringList({QStringLiteral("Subject (ON4XYZ)"), QStringLiteral("a"),
                           QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("   Roof is flat"), QStringLiteral("   No balcony"),
                           QStringLiteral("before after"), QStringLiteral("d"), QStringLiteral("e"),
                           QStringLiteral("      ON4XYZ_VLM_Loc01-Ant01.pdf"),
                           QStringLiteral("      ON4XYZ_Vlm.mdb"), QStringLiteral("list:"),
                           QStringLiteral("end"), QStringLiteral(""), QStringLiteral(""),
                           QStringLiteral("Jan Peeters")}));
}

TEST(LetterLayoutTest, InsertedLinesAreNotExaminedAgain)
{
    const QStringList body =
        CoverLetterBody({QStringLiteral("<CERT_INFO>")}, owner(""),
                        {QStringLiteral("<FILE_INFO> <CALL>")}, {QStringLiteral("x.pdf")});
    EXPECT_EQ(body,
              QStringList({QStringLiteral("   <FILE_INFO> <CALL>"), QStringLiteral(""),
                           QStringLiteral(""), QStringLiteral(""), QStringLiteral("Jan Peeters")}));
}
} // namespace
