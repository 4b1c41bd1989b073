#include "qstringprint.h"
#include "reports/exportstatements.h"
#include "reports/exporttexts.h"

#include <gtest/gtest.h>

namespace
{

struct FixedCase {
    const char *why;
    double value;
    int decimals;
    int precision;
    const char *expected;
};

TEST(ExportTexts, FixedNotationWithPointAndSignificantDigits)
{
    const FixedCase cases[] = {
        {"power 20,5 dBW + 30", 50.5, 2, 4, "50.50"},
        {"three integer digits leave one decimal", -123.456, 2, 4, "-123.50"},
        {"frequency with one decimal", 145.0, 1, 6, "145.0"},
        {"frequency of six digits keeps its decimal", 10368.123, 1, 6, "10368.1"},
        {"a half rounds away from zero", 0.125, 2, 4, "0.13"},
        {"a decimal half stored just below", 2.675, 2, 4, "2.68"},
        {"a negative half rounds away from zero", -0.125, 2, 4, "-0.13"},
        {"rounding that adds a digit", 99.996, 2, 4, "100.00"},
        {"more integer digits than the precision", 12345.6, 2, 4, "12350.00"},
        {"no minus sign on zero", -0.001, 2, 4, "0.00"},
        {"zero", 0.0, 2, 4, "0.00"},
    };
    for (const FixedCase &c : cases)
        EXPECT_EQ(ExportFixed(c.value, c.decimals, c.precision), QLatin1String(c.expected))
            << c.why;
}

TEST(ExportTexts, WholeNumbersRoundHalfToEven)
{
    const struct {
        double value;
        const char *expected;
    } cases[] = {{12.5, "12"}, {13.5, "14"}, {12.4, "12"}, {-2.5, "-2"}, {152345.0, "152345"}};
    for (const auto &c : cases)
        EXPECT_EQ(ExportWholeNumber(c.value), QLatin1String(c.expected)) << c.value;
}

TEST(ExportTexts, PlainNumbersYesNoAndLanguage)
{
    EXPECT_EQ(ExportPlainNumber(2.15), QStringLiteral("2.15"));
    EXPECT_EQ(ExportPlainNumber(-3.0), QStringLiteral("-3"));
    EXPECT_EQ(ExportYesNo(true), QStringLiteral("True"));
    EXPECT_EQ(ExportYesNo(false), QStringLiteral("False"));
    const char *letters[] = {"N", "N", "N", "F", "F"}; // ids 0 ... 4
    for (int id = 0; id <= 4; ++id)
        EXPECT_EQ(ExportLanguageLetter(id), QLatin1String(letters[id])) << id;
}

TEST(ExportTexts, JoinedAndMemoTexts)
{
    EXPECT_EQ(JoinTrimmed({QStringLiteral(" 011 22 "), QString(), QStringLiteral("0475")},
                          QStringLiteral("  ")),
              QStringLiteral("011 22    0475"));
    EXPECT_EQ(JoinTrimmed({QString(), QStringLiteral(" Peeters ")}, QStringLiteral(" ")),
              QStringLiteral("Peeters"));

    const struct {
        const char *why;
        const char *memo;
        const char *extra;
        const char *expected;
    } cases[] = {
        {"trimmed, every line closed", "  first\nsecond  ", "", "first\r\nsecond\r\n"},
        {"stored CR LF kept as one break", "a\r\nb", "", "a\r\nb\r\n"},
        {"empty memo gives nothing", "   ", "", ""},
        {"extra line alone", "", "This is a clubstation.", "This is a clubstation.\r\n"},
        {"extra line last", "Roof", "This is a clubstation.", "Roof\r\nThis is a clubstation.\r\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ExportMemoText(QString::fromLatin1(c.memo), QString::fromLatin1(c.extra)),
                  QString::fromLatin1(c.expected))
            << c.why;
}

TEST(ExportTexts, ApplicantTexts)
{
    TExportOwnerRow owner;
    owner.firstName = QStringLiteral("  ");
    owner.name = QStringLiteral(" Janssens ");
    owner.call = QStringLiteral(" ON4XX ");
    owner.otherOps = QStringLiteral(" ON2YY ");
    owner.address1 = QStringLiteral("Kerkstraat 1 ");
    owner.address2 = QStringLiteral(" Bus 3");
    owner.siteAddress1 = QStringLiteral("Veldweg 9");
    owner.siteNote = QStringLiteral("Garden mast");
    owner.clubCall = QStringLiteral(" ON4CLB ");

    TExportApplicant a = DeriveApplicant(owner);
    EXPECT_EQ(a.name, QStringLiteral("Janssens"));
    EXPECT_EQ(a.address, QStringLiteral("Bus 3 Kerkstraat 1"));
    EXPECT_EQ(a.reference, QStringLiteral("ON4XX (ON2YY)"));
    EXPECT_EQ(a.siteNote, QStringLiteral("Garden mast\r\n"));
    EXPECT_EQ(a.siteAddress, QStringLiteral("Veldweg 9"));

    owner.otherOps = QStringLiteral("   ");
    EXPECT_EQ(DeriveApplicant(owner).reference, QStringLiteral("ON4XX"));

    owner.clubStation = true;
    a = DeriveApplicant(owner);
    EXPECT_EQ(a.reference, QStringLiteral("ON4CLB"));
    EXPECT_EQ(a.siteNote, QStringLiteral("Garden mast\r\nThis is a clubstation.\r\n"));
}

TEST(ExportTexts, VerticalDiagramGains)
{
    const AntennaPattern pattern = {6, 5, 3, 0, -3, -6, -10, -15, -20, -25};
    const QStringList gains = VerticalDiagramGains(pattern);
    ASSERT_EQ(gains.size(), VerticalDiagramSteps);
    EXPECT_EQ(gains[0], QStringLiteral("0.00"));
    for (int k = 91; k <= 100; ++k)
        EXPECT_EQ(gains[k], gains[90]) << "step " << k << " repeats the 90 degree entry";
    const PatternTable table = BuildEnvelopeTable(pattern);
    EXPECT_EQ(gains[45], ExportFixed(table[45] - 6.0, 2, 4));

    const QStringList rows = VerticalDiagramStepInserts(2, 0, 203, QStringLiteral("0.00"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].endsWith(QStringLiteral("VALUES (203, 2, 0, 1, 0.00)")))
        << rows[0].toStdString();
    EXPECT_TRUE(rows[1].endsWith(QStringLiteral("VALUES (204, 2, -1, 0, 0.00)")))
        << rows[1].toStdString();
}

// The last steps of the diagram, for the pattern above: 80° and 90° are raised by
// 0,1 and 2,5 dB (-19,9 and -22,5 dBi against 6 dBi at 0°), the degrees between
// step 0,26 dB each, and the steps past 90° keep the 90° entry.
TEST(ExportTexts, VerticalDiagramLastSteps)
{
    const AntennaPattern pattern = {6, 5, 3, 0, -3, -6, -10, -15, -20, -25};
    const QStringList gains = VerticalDiagramGains(pattern);
    ASSERT_EQ(gains.size(), 101);
    const struct {
        int step;
        const char *gain;
    } rows[] = {{80, "-25.90"}, {88, "-27.98"}, {89, "-28.24"}, {90, "-28.50"},
                {91, "-28.50"}, {95, "-28.50"}, {99, "-28.50"}, {100, "-28.50"}};
    for (const auto &row : rows)
        EXPECT_EQ(gains[row.step], QLatin1String(row.gain)) << "step " << row.step;

    const QStringList last = VerticalDiagramStepInserts(3, 100, 605, gains[100]);
    ASSERT_EQ(last.size(), 2);
    EXPECT_TRUE(last[0].endsWith(QStringLiteral("VALUES (605, 3, 100, 101, -28.50)")))
        << last[0].toStdString();
    EXPECT_TRUE(last[1].endsWith(QStringLiteral("VALUES (606, 3, -101, -100, -28.50)")))
        << last[1].toStdString();
}

} // namespace
