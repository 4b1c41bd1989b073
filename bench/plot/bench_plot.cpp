// The plot window's two interactive costs: the read-out on one mouse move
// (field strength, texts, nearest point marker, labels) and one full redraw
// (all items rebuilt for the range, then painted). Goals: read-out well under
// 0.1 ms, redraw under 16 ms (one frame at 60 Hz).
#include "charts/ui/xychart.h"
#include "exposure/graphprep.h"
#include "exposure/graphtexts.h"
#include "exposure/ui/graphwindow.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace
{

// A tilted 23 cm dish (guide lines) with 30 critical test points.
TGraphData Dish()
{
    TGraphData g;
    g.info.callSign = QStringLiteral("ON4AAA");
    g.info.placementRef = QStringLiteral("Loc01-Ant02");
    g.info.pattern = {21.8, 15.4, 12.4, 8.0, 4.9, 2.9, 2.9, 2.9, 2.9, 2.9};
    g.info.apertureSize = 5;
    g.info.frequency = 1270;
    g.info.tilt = 10;
    g.info.antennaPower = 10;
    g.info.antennaHeight = 8;
    PrepGraph(g);
    for (int i = 0; i < 30; ++i) {
        const double d = 2 + i * 1.3, h = (i % 7) * 1.5;
        PrepPoint(g, d, h, ReadOutFieldStrength(g.info, d, h), QStringLiteral("Point"));
    }
    return g;
}

TFrmGraph *Window()
{
    static TFrmGraph *window = [] {
        TFrmGraph *w = TFrmGraph::ShowGraph(Dish());
        w->resize(1000, 680);
        QApplication::processEvents();
        return w;
    }();
    return window;
}

void BM_ReadOutText(benchmark::State &state)
{
    const TGraphData g = Dish();
    double x = 1;
    for (auto _ : state) {
        const double e = ReadOutFieldStrength(g.info, x, 4.5);
        benchmark::DoNotOptimize(ReadOutText(x, 4.5, e));
        x = x > 40 ? 1 : x + 0.37;
    }
}
BENCHMARK(BM_ReadOutText);

// The window's whole mouse-move handling, labels included.
void BM_MouseMoveReadOut(benchmark::State &state)
{
    TFrmGraph *w = Window();
    double x = 1;
    for (auto _ : state) {
        w->ShowReadOut({x, 4.5});
        x = x > 40 ? 1 : x + 0.37;
    }
}
BENCHMARK(BM_MouseMoveReadOut);

// Items rebuilt for the current range and the chart painted at its size.
void BM_FullRedraw(benchmark::State &state)
{
    TFrmGraph *w = Window();
    TXYChart *chart = w->findChild<TXYChart *>(QStringLiteral("chtGraph"));
    QImage image(chart->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        w->TraceGraph();
        chart->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["width"] = chart->width();
    state.counters["height"] = chart->height();
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
