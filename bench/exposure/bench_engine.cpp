// Speed of the field-strength engine: every FieldStrength call builds its own
// envelope table, as the plot's mouse read-out and the point list do.
#include "exposure/engine/engine.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace
{

const AntennaPattern Yagi = {8, 6, 2, -3, -10, -20, -25, -25, -30, -30};
const AntennaPattern Dish = {30, 12, 5, 0, -5, -10, -10, -15, -20, -20};

struct Point {
    double d, hp;
};

// A grid of points, as the plot sweeps it.
std::vector<Point> Grid()
{
    std::vector<Point> points;
    for (int x = 1; x <= 32; ++x) {
        for (int y = 0; y < 32; ++y)
            points.push_back({x * 2.5, y * 1.0});
    }
    return points;
}

void FieldStrengthWire(benchmark::State &state)
{
    const std::vector<Point> points = Grid();
    PatternTable table;
    std::size_t i = 0;
    for (auto _ : state) {
        const Point &p = points[i++ & (points.size() - 1)];
        benchmark::DoNotOptimize(FieldStrength(Yagi, 0, table, 145, 5, p.d, p.hp, 20, 10));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(FieldStrengthWire);

// An aperture antenna at 1296 MHz over the same grid: near field, transition and
// far field all occur.
void FieldStrengthAperture(benchmark::State &state)
{
    const std::vector<Point> points = Grid();
    PatternTable table;
    std::size_t i = 0;
    for (auto _ : state) {
        const Point &p = points[i++ & (points.size() - 1)];
        benchmark::DoNotOptimize(FieldStrength(Dish, 10, table, 1296, 10, p.d, p.hp, 10, 5));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(FieldStrengthAperture);

void EnvelopeTable(benchmark::State &state)
{
    AntennaPattern pattern = Yagi;
    PatternTable table;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pattern);
        BuildEnvelopeTable(pattern, table);
        benchmark::DoNotOptimize(table);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(EnvelopeTable);

void PlainTable(benchmark::State &state)
{
    AntennaPattern pattern = Yagi;
    PatternTable table;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pattern);
        BuildPatternTable(pattern, table);
        benchmark::DoNotOptimize(table);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PlainTable);

void VerdictAndSummary(benchmark::State &state)
{
    double e = 0.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(e);
        benchmark::DoNotOptimize(LimitVerdict(e, 1296) + SummaryClass(e, 1296));
        e = e < 40 ? e + 0.37 : 0.5;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(VerdictAndSummary);

} // namespace

BENCHMARK_MAIN();
