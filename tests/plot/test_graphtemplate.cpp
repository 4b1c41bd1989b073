#include "exposure/graphprint.h"
#include "exposure/graphtemplate.h"
#include "reportengine/pdfcanvas.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

const QString ShippedTemplate = QStringLiteral(VLM_SOURCE_DIR "/data/Graph.rav");

TEST(GraphTemplate, ParsesReportsAndQuotedText)
{
    const TOpResult<TGraphTemplate> t =
        ParseGraphTemplate(QStringLiteral("# comment\n\nreport Report1\nfont \"Courier New\" 9 "
                                          "bold\nleft 15 \"Say \"\"{Callsign}\"\"\"\n"
                                          "report Other\nnewline\n"));
    ASSERT_TRUE(t.ok()) << t.error.toStdString();
    ASSERT_EQ(t.value.reports.size(), 2);
    const QVector<TGraphTemplateCommand> &r1 = t.value.reports[QStringLiteral("Report1")];
    ASSERT_EQ(r1.size(), 2);
    EXPECT_EQ(r1[0].args, (QStringList{QStringLiteral("Courier New"), QStringLiteral("9"),
                                       QStringLiteral("bold")}));
    EXPECT_EQ(r1[1].args,
              (QStringList{QStringLiteral("15"), QStringLiteral("Say \"{Callsign}\"")}));
    EXPECT_EQ(r1[1].line, 5);
}

TEST(GraphTemplate, RefusesMalformedLinesWithTheirLineNumber)
{
    const struct {
        const char *text;
        const char *error;
    } cases[] = {
        {"left 1 \"x\"", "line 1: command before the first report"},
        {"report R\nscribble 1", "line 2: unknown command scribble"},
        {"report R\nleft 1,5 \"x\"", "line 2: not a number: 1,5"},
        {"report R\nleft 1 \"open", "line 2: unterminated quote"},
        {"report R\nimage 1 2 3 \"x\"", "line 2: wrong number of values for image"},
        {"report R\nfont \"Arial\" big", "line 2: not a font size: big"},
        {"report R\norientation sideways", "line 2: unknown orientation sideways"},
        {"report R\nrule 1 2 3 nan", "line 2: not a number: nan"},
    };
    for (const auto &c : cases) {
        const TOpResult<TGraphTemplate> t = ParseGraphTemplate(QString::fromLatin1(c.text));
        EXPECT_FALSE(t.ok()) << c.text;
        EXPECT_TRUE(t.error.contains(QString::fromLatin1(c.error))) << t.error.toStdString();
    }
}

TEST(GraphTemplate, CheckNamesTheMissingReportOrParameter)
{
    const TGraphTemplate t =
        ParseGraphTemplate(QStringLiteral("report Report1\nleft 0 \"{Callsign} {Nope}\"")).value;
    TGraphTemplateParameters p;
    p.values.insert(QStringLiteral("Callsign"), QStringLiteral("ON4AAA"));
    EXPECT_TRUE(CheckGraphReport(t, QStringLiteral("Report2"), p)
                    .error.contains(QStringLiteral("Report2")));
    EXPECT_TRUE(
        CheckGraphReport(t, QStringLiteral("Report1"), p).error.contains(QStringLiteral("{Nope}")));
    p.values.insert(QStringLiteral("Nope"), QString());
    EXPECT_TRUE(CheckGraphReport(t, QStringLiteral("Report1"), p).ok());
}

TEST(GraphTemplate, MissingFileIsReported)
{
    EXPECT_FALSE(ReadGraphTemplate(QStringLiteral("/nonexistent/Graph.rav")).ok());
}

TGraphPrintInputs Inputs()
{
    TGraphPrintInputs in;
    in.imagePath = QStringLiteral("/prog/TempRpt.bmp");
    in.image.width = 4;
    in.image.height = 3;
    in.image.rgb = QByteArray(4 * 3 * 3, char(200));
    in.callSign = QStringLiteral("ON4AAA");
    in.location = QStringLiteral("Loc01-Ant01");
    TGraphInfo info;
    info.antennaDescription = QStringLiteral("2 m band");
    info.frequency = 145;
    in.rows = GraphGridRows(info);
    in.dateTime = QDateTime(QDate(2026, 3, 4), QTime(9, 5));
    return in;
}

TEST(GraphPrint, ParametersOfThePlotPrint)
{
    const TGraphTemplateParameters p = GraphPrintParameters(Inputs());
    EXPECT_EQ(p.values.value(QStringLiteral("ImageName")), QStringLiteral("/prog/TempRpt.bmp"));
    EXPECT_EQ(p.values.value(QStringLiteral("Callsign")), QStringLiteral("ON4AAA"));
    EXPECT_EQ(p.values.value(QStringLiteral("Location")), QStringLiteral("Loc01-Ant01"));
    EXPECT_EQ(p.values.value(QStringLiteral("Titre")),
              QStringLiteral("Antenna Critical Points Plot"));
    EXPECT_EQ(p.values.value(QStringLiteral("AntDesc")),
              QStringLiteral("Ant.descr:        2 m band"));
    EXPECT_EQ(p.values.value(QStringLiteral("MemoData")).count(QLatin1Char('\n')),
              19); // 10 rows, 20 lines
    EXPECT_EQ(p.values.value(QStringLiteral("DateTime")), QStringLiteral("04-03-2026 09:05"));
    EXPECT_TRUE(p.images.contains(QStringLiteral("/prog/TempRpt.bmp")));
}

// The shipped template prints the picture and the data block into a PDF.
TEST(GraphPrint, ShippedTemplateWritesAPdf)
{
    const TOpResult<ReportJob> job = BuildGraphPrintJob(ShippedTemplate, Inputs());
    ASSERT_TRUE(job.ok()) << job.error.toStdString();
    PdfCanvas canvas;
    job.value.draw(canvas);
    EXPECT_TRUE(canvas.ok()) << canvas.errorText().toStdString();
    EXPECT_EQ(canvas.pageCount(), 1);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plot.pdf"));
    QString error;
    ASSERT_TRUE(WriteReportPdf(job.value, path, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
}

// Records where the drawing goes.
class RecordingCanvas : public ReportCanvas
{
public:
    struct Text {
        double baseline;
        QString text;
    };
    QVector<Text> texts;
    QVector<RectMm> images;

protected:
    void beginPage(double, double, PageOrientation) override {}
    void drawText(double, double baseline, const ReportFont &, const QString &text) override
    {
        texts.append({baseline, text});
    }
    void drawImage(const RectMm &rect, const RasterImage &) override { images.append(rect); }
    void drawLineMm(double, double, double, double, double) override {}
    void drawRectMm(const RectMm &, double) override {}
};

TEST(GraphPrint, DataBlockStandsBelowThePicture)
{
    const TOpResult<ReportJob> job = BuildGraphPrintJob(ShippedTemplate, Inputs());
    ASSERT_TRUE(job.ok()) << job.error.toStdString();
    RecordingCanvas canvas;
    job.value.draw(canvas);
    ASSERT_EQ(canvas.images.size(), 1);
    const RectMm picture = canvas.images[0];
    EXPECT_NEAR(picture.height, picture.width * 3 / 4, 1e-9); // the picture's own aspect
    bool sawTitle = false, sawDescription = false;
    for (const RecordingCanvas::Text &t : canvas.texts) {
        if (t.text == QStringLiteral("Antenna Critical Points Plot"))
            sawTitle = t.baseline < picture.y;
        if (t.text.startsWith(QStringLiteral("Ant.")) ||
            t.text.startsWith(QStringLiteral("Freq"))) {
            EXPECT_GT(t.baseline, picture.y + picture.height) << t.text.toStdString();
        }
        sawDescription = sawDescription || t.text.startsWith(QStringLiteral("Ant.descr:"));
    }
    EXPECT_TRUE(sawTitle);
    EXPECT_TRUE(sawDescription);
}

// Mistyped huge line numbers, counts and font sizes are kept to what a page
// can use instead of overflowing or looping for ever.
TEST(GraphTemplate, OutsizedValuesAreKeptInBounds)
{
    const TGraphTemplate t =
        ParseGraphTemplate(
            QStringLiteral(
                "report R\nnewline 1e12\ngoto 1e15\nfont \"Arial\" 1e9\nfont \"Arial\" -3\n"
                "image 0 0 10 10 \"none.bmp\"\nbelowimage 1e300\nleft 0 \"x\""))
            .value;
    RecordingCanvas canvas;
    EXPECT_TRUE(RunGraphReport(t, QStringLiteral("R"), {}, canvas).ok());
    EXPECT_LE(canvas.currentLine(), 10000);
    EXPECT_GE(canvas.font().sizePt, 1.0);
    EXPECT_EQ(canvas.texts.size(), 1);
}

TEST(GraphPrint, TemplateWithoutReport1IsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Graph.rav"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("report Other\nnewline\n");
    file.close();
    const TOpResult<ReportJob> job = BuildGraphPrintJob(path, Inputs());
    EXPECT_FALSE(job.ok());
    EXPECT_TRUE(job.error.contains(QStringLiteral("Report1")));
}

} // namespace
