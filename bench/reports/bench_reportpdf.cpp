// Writing an antenna report: two pages of 50 lines each in Courier New 9 points.
#include "reportengine/pdfcanvas.h"

#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{
QStringList reportLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral(
                     "   P%1          12,5            1,5           23,4       1,27 V/m  Liège °")
                     .arg(i, -3);
    return lines;
}

void BM_TwoPageReportPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ON4XYZ_VLM_Loc01-Ant02.pdf"));
    const QStringList lines = reportLines(50);
    for (auto _ : state) {
        PdfCanvas canvas;
        canvas.setMargins(25, 25, 30, 30);
        canvas.setFont(QStringLiteral("Courier New"), 9);
        for (int page = 0; page < 2; ++page) {
            if (page > 0)
                canvas.newPage();
            canvas.moveToLine(0);
            canvas.printMemo(lines, 10, 190, MemoJustify::Left);
        }
        QString error;
        if (!canvas.save(path, &error) || canvas.pageCount() != 2)
            state.SkipWithError(error.toUtf8().constData());
    }
}
BENCHMARK(BM_TwoPageReportPdf)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
