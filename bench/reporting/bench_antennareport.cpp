// Writing an antenna report: the report text of a placement with 50 critical test points
// (placeholders, field strengths, point lines) drawn by the drawing routine into a PDF file.
#include "reports/antennareporttext.h"
#include "reports/reportjobs.h"

#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{
QStringList reportTemplate()
{
    return QStringLiteral(
               "RF EXPOSURE REPORT - ANTENNA <ANTREF>\nDate: <DATE>\n\nSTATION\n"
               "   Call sign          : <CALL>\n   Operator           : <FNAME> <NAME>\n"
               "   Address            : <ADDRESS1>, <ZIP> <CITY>\n\nLOCATION\n"
               "   Name               : <LOCREM>\n   Lambert 72         : X = <LAMX> m, Y = <LAMY> "
               "m\n"
               "   Main location      : <LOCMAIN>\n\nANTENNA\n   Type               : <ANTTYPE>\n"
               "   Frequency          : <ANTFREQ> MHz\n   Gain               : <ANTGAIN> dBi\n\n"
               "   Angle (°)   : 0     10    20    30    40    50    60    70    80    90\n"
               "   Gain (dBi)  :<V00> <V10> <V20> <V30> <V40> <V50> <V60> <V70> <V80> <V90>\n\n"
               "POWER\n   Average power at the antenna : <ANTPWR> dBW\n"
               "   EIRP                         : <EIRPPWR> dBW\n\n"
               "FIELD STRENGTH AT THE CRITICAL TEST POINTS\n"
               "   Point       Distance (m)    Height (m)      Space att. (dB)          E (V/m)")
        .split(QLatin1Char('\n'));
}

QVector<TReportRow> pointRows(int count)
{
    QVector<TReportRow> rows;
    for (int i = 0; i < count; ++i) {
        TReportRow r;
        r.firstName = QStringLiteral("Jan");
        r.name = QStringLiteral("Peeters");
        r.call = QStringLiteral("ON4XYZ");
        r.city = QStringLiteral("Liège");
        r.antennaRef = QStringLiteral("Loc01-Ant02");
        r.antType = QStringLiteral("Yagi");
        r.antHeight = 12.5;
        r.frequency = 145;
        const double pattern[10] = {12.375, 11, 8, 3, -3, -6, -10, -15, -20, -25};
        std::copy(std::begin(pattern), std::end(pattern), r.pattern);
        r.antPower = 16.99;
        r.eirp = 26.5;
        r.pointRef = QStringLiteral("CTP_%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        r.pointDistance = 5 + i;
        r.pointHeight = 1.5 + (i % 4) * 3;
        r.spaceAttLow = (i % 3) * 4;
        rows << r;
    }
    return rows;
}

void BM_AntennaReportPdf50Points(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ON4XYZ_VLM_Loc01-Ant02.pdf"));
    const QStringList templ = reportTemplate();
    const QVector<TReportRow> rows = pointRows(50);
    for (auto _ : state) {
        const QStringList lines = BuildAntennaReportText(templ, rows, 1, QDate(2026, 3, 14));
        const TOpStatus written = WriteJobPdf(BuildAntennaReportJob(lines, path), path);
        if (!written.ok())
            state.SkipWithError(written.error.toUtf8().constData());
    }
}
BENCHMARK(BM_AntennaReportPdf50Points)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
