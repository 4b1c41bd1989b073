// The QPainter back end and the print preview of the report engine (offscreen).
#include "base/messages.h"
#include "pdftools.h"
#include "reportengine/pdfcanvas.h"
#include "reportengine/ui/paintercanvas.h"
#include "reportengine/ui/reportpreview.h"

#include <QFile>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
// A small letter head, a landscape second page and a third page of report lines.
void drawSample(ReportCanvas &canvas)
{
    canvas.setMargins(25, 25, 30, 30);
    canvas.setFont(QStringLiteral("Arial"), 12);
    canvas.printRight(185, QStringLiteral("Liège, 10/12/2026."));
    canvas.moveToLine(1);
    canvas.printLeft(25, QStringLiteral("Zoë Dupré (ON4XYZ)"));
    canvas.newPage();
    canvas.setOrientation(PageOrientation::Landscape);
    canvas.printLeft(25, QStringLiteral("Tilt 45°"));
    canvas.setOrientation(PageOrientation::Portrait);
    canvas.newPage();
    canvas.setFont(QStringLiteral("Courier New"), 9);
    canvas.printMemo({QStringLiteral("   P1          12,5")}, 10, 190, MemoJustify::Left);
}

double rightEdgeOfFirstLine(const QString &pdf)
{
    const auto lines = PdfLines(PdfWords(pdf), 1);
    return lines.isEmpty() ? -1 : lines.front().back().xMax;
}

// Where the second column of the report line on page 3 starts.
double secondColumn(const QString &pdf)
{
    const auto lines = PdfLines(PdfWords(pdf), 3);
    return lines.isEmpty() || lines.front().size() < 2 ? -1 : lines.front()[1].xMin;
}
} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT

private slots:
    void painterBackEndMatchesThePdfBackEnd();
    void previewShowsEveryPageUnderItsTitle();
    void saveFromThePreview_data();
    void saveFromThePreview();

private:
    QTemporaryDir dir;
};

void TestReportPreview::painterBackEndMatchesThePdfBackEnd()
{
    const QString painted = dir.filePath(QStringLiteral("painted.pdf"));
    {
        QPdfWriter writer(painted);
        PainterCanvas canvas(&writer);
        drawSample(canvas);
        QString error;
        QVERIFY2(canvas.finish(&error), qPrintable(error));
        QCOMPARE(canvas.pageCount(), 3);
    }
    const QString written = dir.filePath(QStringLiteral("written.pdf"));
    PdfCanvas pdf;
    drawSample(pdf);
    QString error;
    QVERIFY2(pdf.save(written, &error), qPrintable(error));

    const QString text = PdfLayoutText(painted);
    for (const char *expected :
         {"Liège, 10/12/2026.", "Zoë Dupré (ON4XYZ)", "Tilt 45°", "P1", "12,5"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)),
                 qPrintable(QString::fromUtf8(expected) + text));
    const ToolResult info =
        RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                            QStringLiteral("-l"), QStringLiteral("3"), painted});
    QVERIFY2(info.out.contains(
                 QRegularExpression(QStringLiteral("Page +2 size: +84[12](\\.\\d+)? x 595"))),
             qPrintable(info.out));
    QVERIFY2(info.out.contains(
                 QRegularExpression(QStringLiteral("Page +3 size: +595(\\.\\d+)? x 84[12]"))),
             qPrintable(info.out));
    // The screen fonts have the widths of the PDF fonts: right-aligned text ends at the same x.
    QVERIFY2(qAbs(rightEdgeOfFirstLine(painted) - 185 * kPtPerMm) < 1.0,
             qPrintable(QString::number(rightEdgeOfFirstLine(painted))));
    QVERIFY(qAbs(rightEdgeOfFirstLine(written) - 185 * kPtPerMm) < 0.5);
    // Spaces in fixed-pitch columns keep their width on both back ends.
    QVERIFY2(qAbs(secondColumn(painted) - (10 * kPtPerMm + 15 * 0.6 * 9)) < 1.0,
             qPrintable(QString::number(secondColumn(painted))));
    QVERIFY(qAbs(secondColumn(written) - (10 * kPtPerMm + 15 * 0.6 * 9)) < 0.5);
}

void TestReportPreview::previewShowsEveryPageUnderItsTitle()
{
    ReportJob job;
    job.draw = drawSample;
    ReportPreview preview(job);
    QCOMPARE(preview.dialog()->windowTitle(), QStringLiteral("Report Preview"));
    QVERIFY(preview.saveAction() != nullptr);
    preview.dialog()->show();
    QPrintPreviewWidget *widget = preview.previewWidget();
    QVERIFY(widget != nullptr);
    QTRY_COMPARE(widget->pageCount(), 3);
    preview.dialog()->close();
}

void TestReportPreview::saveFromThePreview_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("textOnly");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("letter as PDF") << "letter.pdf" << false << QByteArray("%PDF-");
    QTest::newRow("report as PDF") << "report.pdf" << true << QByteArray("%PDF-");
    QTest::newRow("report as RTF") << "report.rtf" << true << QByteArray("{\\rtf1");
}

void TestReportPreview::saveFromThePreview()
{
    QFETCH(QString, fileName);
    QFETCH(bool, textOnly);
    QFETCH(QByteArray, start);
    ReportJob job;
    job.draw = drawSample;
    job.fileName = dir.filePath(QStringLiteral("proposed.pdf"));
    job.hasText = textOnly;
    job.text.lines = QStringList{QStringLiteral("   P1          12,5")};
    ReportPreview preview(job);
    const QString target = dir.filePath(fileName);
    SetNextFileName(target);
    ClearShownMessages();
    QVERIFY(preview.saveToFile());
    QVERIFY(ShownMessages().isEmpty());
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(start));

    // Cancelling the file question writes nothing.
    SetNextFileName(QString());
    QVERIFY(!preview.saveToFile());
}

QTEST_MAIN(TestReportPreview)
#include "test_reportpreview.moc"
