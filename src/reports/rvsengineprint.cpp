#include "reports/rvsengineprint.h"

#include "reportengine/reportcanvas.h"
#include "reports/letterlayout.h"

namespace
{
constexpr double kLetterLeft = 25.0;
constexpr double kLetterRight = 185.0;
constexpr double kRegulatorX = 120.0;
constexpr int kBodyLine = 15;

void letterPageSetup(ReportCanvas &canvas)
{
    canvas.setMargins(25, 25, 30, 30);
    canvas.setFont(QStringLiteral("Arial"), 12);
}

void printLines(ReportCanvas &canvas, double x, const QStringList &lines)
{
    for (const QString &line : lines) {
        canvas.printLeft(x, line);
        canvas.newLine();
    }
}

// Low-power letter and special-case declarations: at most 25 body lines, the signature
// and, for the low-power letter, the picture of the low-power page on a landscape page.
void printShortLetter(ReportCanvas &canvas, const TReportInputs &in)
{
    PrintLetterHead(canvas, in);
    const QStringList body = ReplaceLetterCall(in.document.lines(), in.owner.call);
    canvas.moveToLine(kBodyLine);
    if (!body.isEmpty())
        canvas.printMemo(body, kLetterLeft, kLetterRight, MemoJustify::Block, ShortLetterBodyLines);
    canvas.newLine();
    canvas.newLine();
    canvas.printLeft(kLetterLeft, SignatureLine(in.owner));
    if (in.kind != ReportKind::LowPowerLetter)
        return;

    canvas.newPage();
    canvas.setOrientation(PageOrientation::Landscape);
    letterPageSetup(canvas);
    canvas.moveToLine(0);
    canvas.printLeft(kLetterLeft, in.owner.call + QStringLiteral("_Vlm_QrpResult.bmp"));
    canvas.moveToLine(1);
    if (!in.picture.isNull())
        canvas.printBitmap(10, 35, 185, 0, in.picture);
    else
        canvas.printBitmapFile(10, 35, 185, 0, in.picturePath);
}

void printCoverLetter(ReportCanvas &canvas, const TReportInputs &in)
{
    const QStringList body =
        CoverLetterBody(in.document.lines(), in.owner, in.terrainLines, in.files);
    PrintLetterHead(canvas, in);
    canvas.moveToLine(kBodyLine);
    canvas.printMemo(body.mid(0, CoverLetterFirstPageLines), kLetterLeft, kLetterRight,
                     MemoJustify::Block, 0, true);
    if (body.size() <= CoverLetterFirstPageLines)
        return;
    canvas.newPage();
    letterPageSetup(canvas);
    canvas.moveToLine(0);
    canvas.printRight(kLetterRight, QStringLiteral("./."));
    canvas.moveToLine(1);
    canvas.newLine();
    canvas.printMemo(body.mid(CoverLetterFirstPageLines), kLetterLeft, kLetterRight,
                     MemoJustify::Block, 0, true);
}

void printAntennaReport(ReportCanvas &canvas, const TReportInputs &in)
{
    canvas.setMargins(25, 25, 30, 30);
    canvas.setFont(QStringLiteral("Courier New"), 9);
    canvas.moveToLine(0);
    canvas.printMemo(in.reportLines, 10, 190, MemoJustify::Left, in.reportLines.size());
}
} // namespace

void PrintLetterHead(ReportCanvas &canvas, const TReportInputs &in)
{
    letterPageSetup(canvas);
    canvas.moveToLine(0);
    canvas.printRight(kLetterRight, LetterDateLine(in.owner.city, in.today));
    canvas.moveToLine(1);
    printLines(canvas, kLetterLeft, SenderLines(in.owner));
    canvas.newLine();
    printLines(canvas, kRegulatorX, RegulatorLines(in.regulator));
}

void rvsEnginePrint(ReportCanvas &canvas, const TReportInputs &inputs)
{
    switch (inputs.kind) {
    case ReportKind::LowPowerLetter:
    case ReportKind::SpecialCaseDeclaration:
        printShortLetter(canvas, inputs);
        break;
    case ReportKind::CoverLetter:
        printCoverLetter(canvas, inputs);
        break;
    case ReportKind::AntennaReport:
        printAntennaReport(canvas, inputs);
        break;
    }
}
