// Loading the documents' data and writing the four document kinds as PDF files, checked
// with the PDF tools a reader would use.
#include "pdftools.h"
#include "reportfixture.h"
#include "reports/antennareporttext.h"
#include "reports/documentdata.h"
#include "reports/reportjobs.h"

#include <QDir>
#include <QFileInfo>

namespace
{
std::string s(const QString &text)
{
    return text.toStdString();
}

class DocumentDataTest : public ReportDbTest
{
};

TEST_F(DocumentDataTest, OwnerTownFollowsTheDocumentLanguage)
{
    const struct {
        int language;
        const char *city;
    } rows[] = {{1, "Louvain"}, {2, "Leuven"}, {3, "Louvain"}, {4, "Louvain"}};
    for (const auto &r : rows) {
        const auto owner = LoadOwnerLetterData(*dm, ownerId, r.language);
        ASSERT_TRUE(owner.ok()) << s(owner.error);
        EXPECT_TRUE(owner.value.found);
        EXPECT_EQ(s(owner.value.city), r.city) << r.language;
        EXPECT_EQ(s(owner.value.call), "ON4XYZ");
        EXPECT_EQ(s(owner.value.zip), "3000");
    }
}

TEST_F(DocumentDataTest, DocumentsAndAddressesPerLanguage)
{
    for (int language = 1; language <= 4; ++language) {
        for (const char *name : {"AntReport", "CertFile", "TechFile", "QRP", "MobilePortable",
                                 "Below10Mhz", "Above10GHz", "SWL"}) {
            const auto doc = LoadDocument(*dm, language, QString::fromLatin1(name));
            ASSERT_TRUE(doc.ok()) << s(doc.error);
            EXPECT_GT(doc.value.lines().size(), 5) << name << " " << language;
        }
        const auto address = LoadRegulatorAddress(*dm, language);
        ASSERT_TRUE(address.ok());
        EXPECT_EQ(s(address.value.zip), "1030");
    }
    const auto missing = LoadDocument(*dm, 1, QStringLiteral("No'Such"));
    ASSERT_TRUE(missing.ok()) << s(missing.error);
    EXPECT_TRUE(missing.value.text.isEmpty());
    EXPECT_TRUE(missing.value.lines().isEmpty());
}

TEST_F(DocumentDataTest, ReportRowsOnePerPointOfThePlacementsSite)
{
    const auto rows = LoadReportData(*dm, ownerId, QStringLiteral("Loc01-Ant02"), 3);
    ASSERT_TRUE(rows.ok()) << s(rows.error);
    ASSERT_EQ(rows.value.size(), 2);
    QStringList refs;
    for (const TReportRow &r : rows.value)
        refs << r.pointRef;
    refs.sort();
    EXPECT_EQ(refs, QStringList({QStringLiteral("CTP_01"), QStringLiteral("CTP_02")}));
    const TReportRow &r = rows.value.front();
    EXPECT_EQ(s(r.city), "Louvain");
    EXPECT_EQ(r.pattern[0], 12.375);
    EXPECT_EQ(r.pattern[1], -3.25);
    EXPECT_DOUBLE_EQ(r.frequency, 145.0);
    EXPECT_TRUE(r.towerMain);

    const auto none = LoadReportData(*dm, ownerId, QStringLiteral("Loc02-Ant01"), 1);
    ASSERT_TRUE(none.ok());
    EXPECT_TRUE(none.value.isEmpty());
    const auto quoted = LoadReportData(*dm, ownerId, QStringLiteral("O'Hara"), 1);
    EXPECT_TRUE(quoted.ok()) << s(quoted.error);
}

TEST_F(DocumentDataTest, ReportTextFromTheShippedTemplate)
{
    const struct {
        int language;
        const char *gainLine;
        const char *mainWord;
    } rows[] = {
        {1, "   Gain (dBi)  : 12,37 -3,25 3     0     -3    -6    -10   -15   -20   -25  ", "Yes"},
        {2, "   Winst (dBi) : 12,37 -3,25 3     0     -3    -6    -10   -15   -20   -25  ", "Ja"},
        {4, nullptr, "Ja"},
    };
    for (const auto &r : rows) {
        const auto data = LoadReportData(*dm, ownerId, QStringLiteral("Loc01-Ant02"), r.language);
        const auto doc = LoadDocument(*dm, r.language, QStringLiteral("AntReport"));
        ASSERT_TRUE(data.ok() && doc.ok());
        const QStringList text =
            BuildAntennaReportText(doc.value.lines(), data.value, r.language, QDate(2026, 3, 14));
        const QString all = text.join(QLatin1Char('\n'));
        EXPECT_FALSE(all.contains(QLatin1Char('<'))) << s(all);
        if (r.gainLine) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(r.gainLine))) << s(all);
        }
        EXPECT_TRUE(all.contains(QStringLiteral(": ") + QString::fromUtf8(r.mainWord) +
                                 QStringLiteral("\n")))
            << s(all);
        EXPECT_TRUE(text.last().startsWith(QStringLiteral("   CTP_0")));
        EXPECT_TRUE(all.contains(QStringLiteral("14/03/2026")));
    }
}

// The checks every produced PDF passes. With VLM_KEEP_DOCUMENTS naming a folder, the files
// are also copied there, to be looked at.
void expectSoundPdf(const QString &path)
{
    ASSERT_TRUE(QFileInfo::exists(path)) << s(path);
    const QString keep = qEnvironmentVariable("VLM_KEEP_DOCUMENTS");
    if (!keep.isEmpty()) {
        const QString copy = QDir(keep).filePath(QFileInfo(path).fileName());
        QFile::remove(copy);
        QFile::copy(path, copy);
    }
    const ToolResult check = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
    EXPECT_EQ(check.exitCode, 0) << s(check.out) << s(check.err);
    const QMap<QString, QString> info = PdfInfo(path);
    EXPECT_EQ(s(info.value(QStringLiteral("Title"))), "VLM");
    EXPECT_EQ(s(info.value(QStringLiteral("Author"))), "Current User");
    EXPECT_EQ(s(info.value(QStringLiteral("Subject"))), "Radiation Study");
    EXPECT_EQ(s(info.value(QStringLiteral("Keywords"))), "Velmor");
    EXPECT_EQ(s(info.value(QStringLiteral("Creator"))), "VLM Application");
    EXPECT_EQ(s(info.value(QStringLiteral("Producer"))), "QIV");
    const ToolResult fonts = RunTool(QStringLiteral("pdffonts"), {path});
    const QStringList lines = fonts.out.split(u'\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(lines.isEmpty());
    for (const QString &line : lines) {
        const QStringList cols = line.simplified().split(u' ');
        EXPECT_TRUE(cols.value(0) == QStringLiteral("Helvetica") ||
                    cols.value(0) == QStringLiteral("Courier"))
            << s(line);
        EXPECT_TRUE(line.contains(QStringLiteral(" WinAnsi "))) << s(line);
        EXPECT_EQ(s(cols.value(cols.size() - 5)), "no") << "embedded: " << s(line);
    }
}

class DocumentPdfTest : public ReportDbTest
{
};

TEST_F(DocumentPdfTest, AntennaReportFileHoldsTheReportLines)
{
    const auto data = LoadReportData(*dm, ownerId, QStringLiteral("Loc01-Ant02"), 1);
    const auto doc = LoadDocument(*dm, 1, QStringLiteral("AntReport"));
    const QStringList text =
        BuildAntennaReportText(doc.value.lines(), data.value, 1, QDate(2026, 3, 14));
    const QString path = UserDocumentPath(dir.path(), QStringLiteral("ON4XYZ_VLM_Loc01-Ant02.pdf"));
    ASSERT_TRUE(WriteJobPdf(BuildAntennaReportJob(text, path), path).ok());
    expectSoundPdf(path);
    const QString pdfText = PdfLayoutText(path);
    EXPECT_TRUE(pdfText.contains(QStringLiteral("RF EXPOSURE REPORT - ANTENNA Loc01-Ant02")));
    EXPECT_TRUE(pdfText.contains(QStringLiteral("Tilt               : 0°")));
    EXPECT_TRUE(pdfText.simplified().contains(text.last().simplified())) << s(pdfText);
    const ToolResult fonts = RunTool(QStringLiteral("pdffonts"), {path});
    EXPECT_TRUE(fonts.out.contains(QStringLiteral("Courier"))) << s(fonts.out);
    // Courier 9 from 10 mm: the first word starts at the memo's left edge.
    const QVector<PdfWord> words = PdfWords(path);
    ASSERT_FALSE(words.isEmpty());
    EXPECT_NEAR(words.front().xMin / kPtPerMm, 10.0, 0.3);
}

TEST_F(DocumentPdfTest, EveryLetterInEveryLanguage)
{
    QStringList files = {dir.filePath(QStringLiteral("ON4XYZ_VLM_Loc01-Ant02.pdf")),
                         dir.filePath(QStringLiteral("ON4XYZ_Vlm.mdb"))};
    const struct {
        int language;
        const char *regulatorLine;
        const char *dateLine;
    } languages[] = {{1, "BIPT - Radio Amateurs Service", "Louvain, 14/03/2026."},
                     {2, "BIPT - Dienst Radioamateurs", "Leuven, 14/03/2026."},
                     {3, "IBPT - Service Radioamateurs", "Louvain, 14/03/2026."},
                     {4, "BIPT - Dienst Funkamateure", "Louvain, 14/03/2026."}};
    for (const auto &lang : languages) {
        select(lang.language);
        std::vector<std::pair<QString, TOpResult<ReportJob>>> jobs;
        for (int c = 1; c <= 4; ++c)
            jobs.emplace_back(SpecialCaseDocumentName(c), BuildSpecialCaseJob(*dm, c, QString()));
        jobs.emplace_back(QStringLiteral("CertFile"),
                          BuildCoverLetterJob(*dm, QStringLiteral("CertFile"),
                                              {QStringLiteral("Flat roof, no access.")}, files,
                                              QString()));
        jobs.emplace_back(
            QStringLiteral("TechFile"),
            BuildCoverLetterJob(*dm, QStringLiteral("TechFile"), {}, files, QString()));
        for (const auto &[name, job] : jobs) {
            ASSERT_TRUE(job.ok()) << s(job.error);
            const QString path =
                dir.filePath(QStringLiteral("%1_%2.pdf").arg(name).arg(lang.language));
            const TOpStatus written = WriteJobPdf(job.value, path);
            ASSERT_TRUE(written.ok()) << s(written.error);
            expectSoundPdf(path);
            const QString text = PdfLayoutText(path);
            EXPECT_TRUE(text.contains(QString::fromUtf8(lang.dateLine))) << s(name) << s(text);
            EXPECT_TRUE(text.contains(QString::fromUtf8(lang.regulatorLine))) << s(text);
            EXPECT_TRUE(text.contains(QStringLiteral("(ON4XYZ)"))) << s(text);
            EXPECT_FALSE(text.contains(QStringLiteral("<CALL>")));
            EXPECT_FALSE(text.contains(QStringLiteral("_INFO>")));
            if (name.endsWith(QLatin1String("File"))) {
                EXPECT_TRUE(text.contains(QStringLiteral("ON4XYZ_Vlm.mdb"))) << s(text);
            }
        }
    }
}

TEST_F(DocumentPdfTest, LetterHeadLayout)
{
    const auto job = BuildSpecialCaseJob(*dm, 4, QString());
    ASSERT_TRUE(job.ok());
    const QString path = dir.filePath(QStringLiteral("swl.pdf"));
    ASSERT_TRUE(WriteJobPdf(job.value, path).ok());
    const QVector<PdfWord> words = PdfWords(path);
    const auto lines = PdfLines(words, 1);
    ASSERT_GT(lines.size(), 12);
    // Town and date end at 185 mm; the sender block has three lines (no second address
    // line) at 25 mm, then an empty line and the regulator at 120 mm.
    EXPECT_NEAR(lines[0].back().xMax / kPtPerMm, 185.0, 0.5);
    EXPECT_EQ(s(lines[1].front().text), "Jan");
    EXPECT_NEAR(lines[1].front().xMin / kPtPerMm, 25.0, 0.3);
    EXPECT_EQ(s(lines[3].front().text), "3000");
    EXPECT_EQ(s(lines[4].front().text), "BIPT");
    EXPECT_NEAR(lines[4].front().xMin / kPtPerMm, 120.0, 0.3);
    const double pitch = lines[2].front().yMax - lines[1].front().yMax;
    EXPECT_NEAR(lines[4].front().yMax - lines[3].front().yMax, 2 * pitch, 0.5);
    // The signature is the last line.
    EXPECT_EQ(s(lines.back().front().text), "Jan");
    EXPECT_EQ(s(lines.back().back().text), "Peeters");
}

TEST_F(DocumentPdfTest, CoverLetterContinuesAfter22BodyLines)
{
    // The body is the template plus two empty lines and the signature.
    const struct {
        int templateLines;
        int pages;
    } rows[] = {{19, 1}, {20, 2}};
    for (const auto &r : rows) {
        QStringList templ;
        for (int i = 1; i <= r.templateLines; ++i)
            templ << QStringLiteral("Body line %1").arg(i);
        setTemplate(QStringLiteral("TechFile"), templ.join(QLatin1Char('\n')));
        const auto job = BuildCoverLetterJob(*dm, QStringLiteral("TechFile"), {}, {}, QString());
        ASSERT_TRUE(job.ok());
        const QString path = dir.filePath(QStringLiteral("tech%1.pdf").arg(r.templateLines));
        ASSERT_TRUE(WriteJobPdf(job.value, path).ok());
        EXPECT_EQ(PdfInfo(path).value(QStringLiteral("Pages")).toInt(), r.pages) << r.templateLines;
        if (r.pages == 2) {
            const QVector<PdfWord> words = PdfWords(path);
            const auto page2 = PdfLines(words, 2);
            ASSERT_EQ(page2.size(), 2);
            EXPECT_EQ(s(page2[0].front().text), "./.");
            EXPECT_NEAR(page2[0].front().xMax / kPtPerMm, 185.0, 0.5);
            // Line 0 "./.", line 1 empty, one new line more: the body starts on line 2.
            EXPECT_EQ(s(page2[1].front().text), "Jan");
            const auto page1 = PdfLines(words, 1);
            EXPECT_EQ(s(page1.back().back().text), "20");
        }
    }
}

TEST_F(DocumentPdfTest, ShortLettersPrintAtMost25BodyLines)
{
    QStringList templ;
    for (int i = 1; i <= 30; ++i)
        templ << QStringLiteral("Line %1 <CALL>").arg(i);
    setTemplate(QStringLiteral("SWL"), templ.join(QLatin1Char('\n')));
    const auto job = BuildSpecialCaseJob(*dm, 4, QString());
    const QString path = dir.filePath(QStringLiteral("swl30.pdf"));
    ASSERT_TRUE(WriteJobPdf(job.value, path).ok());
    const QString text = PdfLayoutText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("Line 25 (ON4XYZ)")));
    EXPECT_FALSE(text.contains(QStringLiteral("Line 26")));
    EXPECT_EQ(PdfInfo(path).value(QStringLiteral("Pages")).toInt(), 1);
}

TEST_F(DocumentPdfTest, EmptyBodyStillPrintsHeadAndSignature)
{
    setTemplate(QStringLiteral("QRP"), QString());
    ASSERT_TRUE(WriteTestBmp(LowPowerPictureFile(), 40, 20));
    const auto job = BuildLowPowerLetterJob(*dm, QString());
    const QString path = dir.filePath(QStringLiteral("empty.pdf"));
    ASSERT_TRUE(WriteJobPdf(job.value, path).ok());
    const auto lines = PdfLines(PdfWords(path), 1);
    ASSERT_EQ(lines.size(), 1 + 3 + 4 + 1);
}

TEST_F(DocumentPdfTest, LowPowerLetterEmbedsAndDeletesThePicture)
{
    const QString picture = LowPowerPictureFile();
    EXPECT_EQ(s(QFileInfo(picture).absolutePath()), s(QDir(dir.path()).absolutePath()));
    ASSERT_TRUE(WriteTestBmp(picture, 370, 200));
    const QString path = dir.filePath(QStringLiteral("ON4XYZ_VLM_QrpReport.pdf"));
    const auto job = BuildLowPowerLetterJob(*dm, path);
    ASSERT_TRUE(job.ok()) << s(job.error);
    EXPECT_FALSE(QFileInfo::exists(picture));
    ASSERT_TRUE(WriteJobPdf(job.value, path).ok());
    expectSoundPdf(path);
    EXPECT_EQ(PdfInfo(path).value(QStringLiteral("Pages")).toInt(), 2);
    EXPECT_TRUE(PdfLayoutText(path, 2, 2).contains(QStringLiteral("ON4XYZ_Vlm_QrpResult.bmp")));
    const ToolResult images = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    EXPECT_TRUE(images.out.contains(QStringLiteral("370   200"))) << s(images.out);
    // The second page is landscape.
    const ToolResult sizes =
        RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("2"),
                                            QStringLiteral("-l"), QStringLiteral("2"), path});
    EXPECT_TRUE(sizes.out.contains(QStringLiteral("841.89 x 595.276"))) << s(sizes.out);
}

TEST_F(DocumentPdfTest, MissingPictureFailsAfterTheFirstPageAndWritesNoFile)
{
    const QString path = dir.filePath(QStringLiteral("nopicture.pdf"));
    const auto job = BuildLowPowerLetterJob(*dm, path);
    ASSERT_TRUE(job.ok());
    const TOpStatus written = WriteJobPdf(job.value, path);
    EXPECT_FALSE(written.ok());
    EXPECT_FALSE(QFileInfo::exists(path));

    // An unreadable picture is deleted as well.
    QFile bad(LowPowerPictureFile());
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a bitmap");
    bad.close();
    const auto job2 = BuildLowPowerLetterJob(*dm, path);
    EXPECT_FALSE(QFileInfo::exists(LowPowerPictureFile()));
    EXPECT_FALSE(WriteJobPdf(job2.value, path).ok());
}

TEST_F(DocumentPdfTest, NormalCaseHasNoDeclaration)
{
    EXPECT_FALSE(BuildSpecialCaseJob(*dm, 0, QString()).ok());
    EXPECT_FALSE(BuildSpecialCaseJob(*dm, 5, QString()).ok());
}

TEST(UserDocumentPathTest, Joins)
{
    EXPECT_EQ(s(UserDocumentPath(QString(), QStringLiteral("a.pdf"))), "a.pdf");
    EXPECT_EQ(s(UserDocumentPath(QStringLiteral("/home/jan/ON4XYZ"), QStringLiteral("a.pdf"))),
              "/home/jan/ON4XYZ/a.pdf");
    EXPECT_EQ(s(UserDocumentPath(QStringLiteral("/home/jan/ON4XYZ/"), QStringLiteral("a.pdf"))),
              "/home/jan/ON4XYZ/a.pdf");
}
} // namespace
