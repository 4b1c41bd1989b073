// The exposure summary document: its texts in the four languages, its tables
// and the PDF file in the owner's personal directory.
#include "base/numberformat.h"
#include "pdftools.h"
#include "reportfixture.h"
#include "reports/documentdata.h"
#include "reports/exposuresummary.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace
{

// The report fixture's station plus a 1,2 m dish on 23 cm and a dipole on 40 m
// at Loc01, with the power chain of Loc02-Ant01 never saved.
class ExposureSummaryTest : public ReportDbTest
{
protected:
    void SetUp() override
    {
        ReportDbTest::SetUp();
        run(QStringLiteral(
            "UPDATE tblStation SET StationTxPower = 0 WHERE AntennasRef = 'Loc02-Ant01'"));
        const QString site =
            QStringLiteral("(SELECT IdTower FROM tblTower WHERE TowerName = 'Loc01')");
        run(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, AntennasRef, "
                           "AntennasHeight, AntennasTilt, AntennasAntPwr, StationTxPower) VALUES "
                           "(%1, 40, 14, 'Loc01-Ant03', 8, 0, 10, 10)")
                .arg(site));
        run(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, AntennasRef, "
                           "AntennasHeight, AntennasTilt, AntennasAntPwr, StationTxPower) VALUES "
                           "(%1, 1, 4, 'Loc01-Ant04', 10, 0, 20, 100)")
                .arg(site));
    }

    void run(const QString &statement)
    {
        const FixtureSqlResult r = RunFixtureSql(dm->conMainDb->database(), statement);
        ASSERT_TRUE(r.ok) << r.error.toStdString();
    }

    TExposureSummary load(int languageId)
    {
        const TOpResult<TExposureSummary> s =
            LoadExposureSummary(*dm, ownerId, languageId, QDate(2026, 3, 14));
        EXPECT_TRUE(s.ok()) << s.error.toStdString();
        return s.value;
    }
};

// Every language has the whole document: title, method, all captions and words.
TEST_F(ExposureSummaryTest, EveryLanguageHasEveryText)
{
    const QStringList keys = {ExposureWords::Site,       ExposureWords::Points,
                              ExposureWords::Together,   ExposureWords::Safety,
                              ExposureWords::NoPower,    ExposureWords::NoLimit,
                              ExposureWords::Incomplete, ExposureWords::NoPoints};
    for (int language = 1; language <= 4; ++language) {
        const TExposureTexts t = load(language).texts;
        EXPECT_TRUE(t.title.contains(QStringLiteral("<CALL>"))) << language;
        EXPECT_GE(t.method.size(), 6) << language;
        EXPECT_EQ(t.pointColumns.size(), 7) << language;
        EXPECT_EQ(t.safetyColumns.size(), 4) << language;
        for (const QString &caption : t.pointColumns + t.safetyColumns)
            EXPECT_FALSE(caption.trimmed().isEmpty()) << language;
        for (const QString &key : keys)
            EXPECT_TRUE(t.words.contains(key)) << language << " " << key.toStdString();
        for (int verdict = 1; verdict <= 4; ++verdict)
            EXPECT_TRUE(t.words.contains(ExposureWords::Verdict(verdict))) << language;
        EXPECT_TRUE(t.word(ExposureWords::Incomplete).contains(QStringLiteral("%1"))) << language;
    }
}

TEST_F(ExposureSummaryTest, TheTableOfASiteHasEveryEntryAndTheCombinedValue)
{
    const TExposureSummary s = load(1);
    EXPECT_EQ(ExposureSites(s), QStringList({QStringLiteral("Loc01"), QStringLiteral("Loc02")}));
    EXPECT_EQ(s.missingPower, QStringList({QStringLiteral("Loc02-Ant01")}));
    const QVector<TExposureRow> rows = ExposureRowsOfSite(s, QStringLiteral("Loc01"));
    // Two points, three placements each, and one combined row per point.
    ASSERT_EQ(rows.size(), 8);
    EXPECT_EQ(rows[0].cells[0], QStringLiteral("CTP_01"));
    EXPECT_EQ(rows[0].cells[1], QStringLiteral("Loc01-Ant02"));
    EXPECT_EQ(rows[0].cells[2], QStringLiteral("145"));
    EXPECT_EQ(rows[0].cells[4], QStringLiteral("13,7"));
    EXPECT_TRUE(rows[0].cells[5].endsWith(QStringLiteral(" %")));
    // The 40 m dipole: a value, no limit, no share.
    EXPECT_EQ(rows[2].cells[1], QStringLiteral("Loc01-Ant04"));
    EXPECT_EQ(rows[2].cells[4], QStringLiteral("-"));
    EXPECT_EQ(rows[2].cells[6], QStringLiteral("no limit applies below 10 MHz"));
    EXPECT_TRUE(rows[3].together);
    EXPECT_EQ(rows[3].cells[1], QStringLiteral("Together (2)"));
    const TPointExposure &first = s.evaluation.points[0];
    EXPECT_EQ(rows[3].cells[5], CombinedCellText(first));
    EXPECT_TRUE(ExposureRowsOfSite(s, QStringLiteral("Loc02")).isEmpty());
}

// The PDF in each language: in the personal directory under its name, sound
// for qpdf, and every value of its tables read back by pdftotext.
TEST_F(ExposureSummaryTest, ThePdfCarriesEveryValueInEachLanguage)
{
    for (int language = 1; language <= 4; ++language) {
        select(language);
        const TOpResult<QString> written = WriteExposureSummary(*dm);
        ASSERT_TRUE(written.ok()) << written.error.toStdString();
        EXPECT_EQ(QFileInfo(written.value).fileName(), QStringLiteral("ON4XYZ_VLM_Exposure.pdf"));
        EXPECT_EQ(QFileInfo(written.value).absolutePath(),
                  QFileInfo(CurrentSelection().userDirectory).absoluteFilePath());
        const ToolResult check =
            RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), written.value});
        EXPECT_EQ(check.exitCode, 0) << check.out.toStdString() << check.err.toStdString();

        const QString text =
            PdfLayoutText(written.value)
                .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
        const TExposureSummary s = load(language);
        QStringList expected = {
            ExposureTitle(s), QStringLiteral("14/03/2026"),
            s.texts.word(ExposureWords::Incomplete).arg(QStringLiteral("Loc02-Ant01"))};
        for (const QString &site : ExposureSites(s)) {
            for (const TExposureRow &row : ExposureRowsOfSite(s, site))
                expected << row.cells;
        }
        for (const TPlacementSafety &p : s.safety)
            expected << p.placementRef
                     << (p.distance ? FormatRounded(*p.distance, 2) + QStringLiteral(" m")
                         : p.limit  ? s.texts.word(ExposureWords::NoPower)
                                    : s.texts.word(ExposureWords::NoLimit));
        for (const QString &value : expected) {
            if (value.isEmpty())
                continue;
            EXPECT_TRUE(text.contains(value))
                << "language " << language << ": " << value.toStdString();
        }
    }
}

TEST_F(ExposureSummaryTest, WithoutTheTemplateNothingIsWritten)
{
    run(QStringLiteral("DELETE FROM tblDocs WHERE DocsName = 'ExposureSummary'"));
    const TOpResult<QString> written = WriteExposureSummary(*dm);
    EXPECT_FALSE(written.ok());
    EXPECT_TRUE(written.error.contains(QStringLiteral("ExposureSummary")));
    EXPECT_FALSE(QFileInfo::exists(CurrentSelection().userDirectory +
                                   QStringLiteral("/ON4XYZ_VLM_Exposure.pdf")));
}

} // namespace
