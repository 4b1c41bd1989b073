// PDF files written by the report engine, checked with qpdf and poppler-utils.
#include "pdftools.h"
#include "reportengine/pdfcanvas.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace
{
class PdfCanvasTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    // Saves the canvas and checks the file with qpdf.
    QString save(PdfCanvas &canvas, const QString &name = QStringLiteral("out.pdf"))
    {
        const QString file = path(name);
        QString error;
        EXPECT_TRUE(canvas.save(file, &error)) << error.toStdString();
        const ToolResult check = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), file});
        EXPECT_EQ(check.exitCode, 0) << check.out.toStdString() << check.err.toStdString();
        return file;
    }

    static QStringList numbered(const QString &prefix, int count)
    {
        QStringList lines;
        for (int i = 1; i <= count; ++i)
            lines << QStringLiteral("%1 %2").arg(prefix).arg(i, 3, 10, QLatin1Char('0'));
        return lines;
    }

    QTemporaryDir dir;
};

const QString kPangram = QStringLiteral(
    "The exposure of the public near the antennas of this station stays below the limits in "
    "every place where people may stay; the field strength was computed for each critical "
    "test point from the power at the antenna, its gain and its vertical pattern.");
} // namespace

TEST_F(PdfCanvasTest, CarriesTheDocumentInformationAndBase14Fonts)
{
    PdfCanvas canvas;
    canvas.setFont(QStringLiteral("Arial"), 12);
    canvas.printLeft(25, QStringLiteral("Sans"));
    canvas.setBold(true);
    canvas.printLeft(60, QStringLiteral("Bold"));
    canvas.setBold(false);
    canvas.newLine();
    canvas.setFont(QStringLiteral("Courier New"), 9);
    canvas.printLeft(25, QStringLiteral("Mono"));
    canvas.newLine();
    canvas.setFont(QStringLiteral("Times New Roman"), 11);
    canvas.printLeft(25, QStringLiteral("Serif"));
    const QString file = save(canvas);

    const QMap<QString, QString> info = PdfInfo(file);
    const QMap<QString, QString> expected{
        {QStringLiteral("Title"), QStringLiteral("VLM")},
        {QStringLiteral("Author"), QStringLiteral("Current User")},
        {QStringLiteral("Subject"), QStringLiteral("Radiation Study")},
        {QStringLiteral("Keywords"), QStringLiteral("Velmor")},
        {QStringLiteral("Creator"), QStringLiteral("VLM Application")},
        {QStringLiteral("Producer"), QStringLiteral("QIV")},
        {QStringLiteral("Pages"), QStringLiteral("1")}};
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(info.value(it.key()), it.value()) << it.key().toStdString();
    EXPECT_TRUE(
        info.value(QStringLiteral("Page size")).contains(QStringLiteral("595.276 x 841.89")))
        << info.value(QStringLiteral("Page size")).toStdString();

    const ToolResult fonts = RunTool(QStringLiteral("pdffonts"), {file});
    QStringList names;
    for (const QString &row : fonts.out.split(u'\n').mid(2)) {
        if (row.trimmed().isEmpty())
            continue;
        const QStringList cols = row.simplified().split(u' ');
        // name, type ("Type 1"), encoding, emb, sub, uni, object, generation
        ASSERT_GE(cols.size(), 8) << row.toStdString();
        names << cols[0];
        EXPECT_EQ(cols[1] + u' ' + cols[2], QStringLiteral("Type 1")) << row.toStdString();
        EXPECT_EQ(cols[3], QStringLiteral("WinAnsi")) << row.toStdString();
        EXPECT_EQ(cols[4], QStringLiteral("no")) << row.toStdString(); // not embedded
    }
    names.sort();
    EXPECT_EQ(names,
              (QStringList{QStringLiteral("Courier"), QStringLiteral("Helvetica"),
                           QStringLiteral("Helvetica-Bold"), QStringLiteral("Times-Roman")}));
}

TEST_F(PdfCanvasTest, TextReadsBackWithAccentsAndDegreeSign)
{
    PdfCanvas canvas;
    canvas.setMargins(25, 25, 30, 30);
    canvas.setFont(QStringLiteral("Arial"), 12);
    canvas.moveToLine(0);
    canvas.printRight(185, QStringLiteral("Liège, 10/12/2026."));
    canvas.moveToLine(1);
    canvas.printLeft(25, QStringLiteral("Zoë Dupré (ON4XYZ)"));
    canvas.newLine();
    canvas.printLeft(25, QStringLiteral("Tilt 45° – “main” site, 5 €"));
    const QString file = save(canvas);

    const QString text = PdfLayoutText(file);
    for (const char *expected :
         {"Liège, 10/12/2026.", "Zoë Dupré (ON4XYZ)", "Tilt 45° – “main” site, 5 €"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << text.toStdString();

    // Right-aligned text ends at x = 185 mm; left-aligned text starts at 25 mm; line 1 is
    // one line pitch below line 0.
    const auto lines = PdfLines(PdfWords(file), 1);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_NEAR(lines[0].back().xMax, 185 * kPtPerMm, 0.5);
    EXPECT_NEAR(lines[1].front().xMin, 25 * kPtPerMm, 0.5);
    EXPECT_NEAR(lines[1].front().yMax - lines[0].front().yMax, canvas.linePitchMm() * kPtPerMm,
                0.5);
}

TEST_F(PdfCanvasTest, BlockMemoSpreadsWordsAndLeavesLastLineLeft)
{
    PdfCanvas canvas;
    canvas.setFont(QStringLiteral("Arial"), 12);
    canvas.moveToLine(15);
    EXPECT_EQ(canvas.printMemo({kPangram, QStringLiteral("Short closing line.")}, 25, 185,
                               MemoJustify::Block),
              4);
    EXPECT_EQ(canvas.currentLine(), 19);
    const QString file = save(canvas);

    const auto lines = PdfLines(PdfWords(file), 1);
    ASSERT_EQ(lines.size(), 4);
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_NEAR(lines[i].front().xMin, 25 * kPtPerMm, 0.5) << "line " << i;
        const bool lastOfParagraph = i >= 2;
        if (lastOfParagraph)
            EXPECT_LT(lines[i].back().xMax, 185 * kPtPerMm - 20) << "line " << i;
        else
            EXPECT_NEAR(lines[i].back().xMax, 185 * kPtPerMm, 0.5) << "line " << i;
    }
    EXPECT_EQ(lines[3].size(), 3);
}

TEST_F(PdfCanvasTest, LeftMemoKeepsFixedPitchColumns)
{
    PdfCanvas canvas;
    canvas.setFont(QStringLiteral("Courier New"), 9);
    canvas.printMemo({QStringLiteral("   P1          12,5            1,5"),
                      QStringLiteral("   P10         8               10")},
                     10, 190, MemoJustify::Left);
    const auto lines = PdfLines(PdfWords(save(canvas)), 1);
    ASSERT_EQ(lines.size(), 2);
    ASSERT_EQ(lines[0].size(), 3);
    ASSERT_EQ(lines[1].size(), 3);
    const double charPt = 0.6 * 9;
    EXPECT_NEAR(lines[0][0].xMin, 10 * kPtPerMm + 3 * charPt, 0.3);
    for (int col = 0; col < 3; ++col)
        EXPECT_NEAR(lines[0][col].xMin, lines[1][col].xMin, 0.3) << "column " << col;
}

TEST_F(PdfCanvasTest, OverflowContinuesOnTheNextPageAboveTheBottomMargin)
{
    // Arial 12 has a pitch of 4.87 mm: 48 lines fit between the margins 30 and 30.
    PdfCanvas canvas;
    canvas.setFont(QStringLiteral("Arial"), 12);
    EXPECT_EQ(canvas.printMemo(numbered(QStringLiteral("Memo"), 100), 25, 185, MemoJustify::Block),
              100);
    canvas.newLine();
    for (const QString &row : numbered(QStringLiteral("Row"), 30)) {
        canvas.printLeft(25, row);
        canvas.newLine();
    }
    canvas.newLine(); // moving past the end opens no empty page
    canvas.newLine();
    EXPECT_EQ(canvas.pageCount(), 3);
    const QString file = save(canvas);
    EXPECT_EQ(PdfInfo(file).value(QStringLiteral("Pages")), QStringLiteral("3"));

    const QVector<PdfWord> words = PdfWords(file);
    struct Case {
        int page;
        QString first;
        QString last;
    } cases[] = {{1, QStringLiteral("Memo 001"), QStringLiteral("Memo 048")},
                 {2, QStringLiteral("Memo 049"), QStringLiteral("Memo 096")},
                 {3, QStringLiteral("Memo 097"), QStringLiteral("Row 030")}};
    for (const Case &c : cases) {
        const auto lines = PdfLines(words, c.page);
        ASSERT_FALSE(lines.isEmpty()) << c.page;
        EXPECT_EQ(lines.front()[0].text + u' ' + lines.front()[1].text, c.first) << c.page;
        EXPECT_EQ(lines.back()[0].text + u' ' + lines.back()[1].text, c.last) << c.page;
        EXPECT_GE(lines.front().front().yMin, 30 * kPtPerMm - 0.1) << c.page;
        EXPECT_LE(lines.back().front().yMax, (297 - 30) * kPtPerMm) << c.page;
    }
}

TEST_F(PdfCanvasTest, MemoLineLimitStopsThePrint)
{
    PdfCanvas canvas;
    canvas.moveToLine(15);
    EXPECT_EQ(canvas.printMemo(numbered(QStringLiteral("Body"), 40), 25, 185, MemoJustify::Block,
                               25, true),
              25);
    EXPECT_EQ(canvas.currentLine(), 40);
    const QString text = PdfLayoutText(save(canvas));
    EXPECT_TRUE(text.contains(QStringLiteral("Body 025")));
    EXPECT_FALSE(text.contains(QStringLiteral("Body 026")));
}

TEST_F(PdfCanvasTest, OrientationIsChosenPerPage)
{
    PdfCanvas canvas;
    canvas.printLeft(25, QStringLiteral("Portrait page"));
    canvas.newPage();
    canvas.setOrientation(PageOrientation::Landscape); // after the new page, before drawing
    canvas.printLeft(25, QStringLiteral("Landscape page"));
    canvas.setOrientation(PageOrientation::Portrait);
    canvas.newPage();
    canvas.printLeft(25, QStringLiteral("Portrait again"));
    const QString file = save(canvas);
    const ToolResult info =
        RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                            QStringLiteral("-l"), QStringLiteral("3"), file});
    EXPECT_TRUE(
        info.out.contains(QRegularExpression(QStringLiteral("Page +1 size: +595.276 x 841.89"))))
        << info.out.toStdString();
    EXPECT_TRUE(
        info.out.contains(QRegularExpression(QStringLiteral("Page +2 size: +841.89 x 595.276"))))
        << info.out.toStdString();
    EXPECT_TRUE(
        info.out.contains(QRegularExpression(QStringLiteral("Page +3 size: +595.276 x 841.89"))))
        << info.out.toStdString();
}

TEST_F(PdfCanvasTest, BitmapKeepsItsAspectRatioUnlessBothSidesAreGiven)
{
    RasterImage image;
    image.width = 40;
    image.height = 20;
    image.rgb = QByteArray(40 * 20 * 3, char(0x80));
    PdfCanvas canvas;
    canvas.setOrientation(PageOrientation::Landscape);
    EXPECT_TRUE(canvas.printBitmap(10, 35, 185, 0, image));  // 185 x 92.5 mm
    EXPECT_TRUE(canvas.printBitmap(200, 35, 50, 50, image)); // stretched square
    const QString file = save(canvas);

    const ToolResult list = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file});
    const QStringList rows = list.out.split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(rows.size(), 2) << list.out.toStdString();
    // columns: page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
    const QStringList kept = rows[0].simplified().split(u' ');
    const QStringList stretched = rows[1].simplified().split(u' ');
    EXPECT_EQ(kept[3], QStringLiteral("40"));
    EXPECT_EQ(kept[4], QStringLiteral("20"));
    EXPECT_EQ(kept[12], kept[13]); // same resolution both ways: aspect kept
    EXPECT_NEAR(kept[12].toDouble(), 40 / (185 / 25.4), 1.0);
    EXPECT_NE(stretched[12], stretched[13]);
}

TEST_F(PdfCanvasTest, MissingBitmapFailsTheDocumentAndWritesNothing)
{
    PdfCanvas canvas;
    canvas.printLeft(25, QStringLiteral("First page"));
    canvas.newPage();
    EXPECT_FALSE(canvas.printBitmapFile(10, 35, 185, 0, path(QStringLiteral("Tmp.bmp"))));
    EXPECT_FALSE(canvas.ok());
    QString error;
    EXPECT_FALSE(canvas.save(path(QStringLiteral("report.pdf")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Tmp.bmp"))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("report.pdf"))));
}

TEST_F(PdfCanvasTest, SaveReplacesAWholeFileOrNothing)
{
    const QString target = path(QStringLiteral("ON4XYZ_VLM_Loc01-Ant02.pdf"));
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    // A failed document leaves the earlier file as it was.
    PdfCanvas broken;
    broken.printBitmap(0, 0, 10, 10, RasterImage{});
    QString error;
    EXPECT_FALSE(broken.save(target, &error));
    QFile check(target);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray("old contents"));
    check.close();

    // A good one replaces it, and no temporary file stays behind.
    PdfCanvas good;
    good.printLeft(25, QStringLiteral("new"));
    save(good, QStringLiteral("ON4XYZ_VLM_Loc01-Ant02.pdf"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("ON4XYZ_VLM_Loc01-Ant02.pdf")});
    EXPECT_TRUE(PdfLayoutText(target).contains(QStringLiteral("new")));

    // A folder that does not exist is an error, not a crash or a silent success.
    PdfCanvas elsewhere;
    EXPECT_FALSE(elsewhere.save(path(QStringLiteral("missing/x.pdf")), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(PdfCanvasTest, PositionsThatAreNotNumbersFailTheDocument)
{
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char *name;
        std::function<void(PdfCanvas &)> draw;
    } cases[] = {
        {"left text", [&](PdfCanvas &c) { c.printLeft(nan, QStringLiteral("x")); }},
        {"right text", [&](PdfCanvas &c) { c.printRight(inf, QStringLiteral("x")); }},
        {"memo edge",
         [&](PdfCanvas &c) { c.printMemo({QStringLiteral("x")}, 25, nan, MemoJustify::Block); }},
        {"margins", [&](PdfCanvas &c) { c.setMargins(25, 25, nan, 30); }},
        {"line", [&](PdfCanvas &c) { c.drawLine(0, 0, inf, 10); }},
        {"rectangle",
         [&](PdfCanvas &c) {
             c.drawRect({0, 0, 10, nan});
         }},
    };
    for (const Case &c : cases) {
        PdfCanvas canvas;
        canvas.printLeft(25, QStringLiteral("before"));
        c.draw(canvas);
        EXPECT_FALSE(canvas.ok()) << c.name;
        QString error;
        EXPECT_FALSE(canvas.save(path(QStringLiteral("nan.pdf")), &error)) << c.name;
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("nan.pdf")))) << c.name;
    }
}

TEST_F(PdfCanvasTest, ControlCharactersInALineAreNotPrinted)
{
    PdfCanvas canvas;
    canvas.printLeft(25, QStringLiteral("Call\tON4XYZ\nnext") + QChar(0) + QStringLiteral("end"));
    const QString text = PdfLayoutText(save(canvas));
    EXPECT_TRUE(text.contains(QStringLiteral("Call ON4XYZnextend"))) << text.toStdString();
}

TEST_F(PdfCanvasTest, EmptyDocumentHasOneBlankPage)
{
    PdfCanvas canvas;
    EXPECT_EQ(PdfInfo(save(canvas)).value(QStringLiteral("Pages")), QStringLiteral("1"));
}
