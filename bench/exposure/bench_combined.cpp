// Speed of the safety distances and of the combined exposure: the safety
// distances of 1 000 placements (wire antennas and dishes), and the exposure
// quotient of 10 000 critical test points against 10 placements each, both
// from the field strengths alone and with the field strengths computed.
#include "exposure/engine/combinedexposure.h"
#include "exposure/engine/engine.h"
#include "exposure/engine/fieldreach.h"
#include "exposure/evaluation.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace
{

struct Placement {
    AntennaPattern pattern;
    int n;
    double f, pd, tilt, ha;
};

// Ten placements: five wire antennas and five dishes of the shipped catalogue.
std::vector<Placement> TenPlacements()
{
    return {
        {{2.15, 2.15, 2.15, 2.15, 2.15, 2.15, 2.15, 2.15, 2.15, 2.15}, 0, 145, 20, 0, 10},
        {{8, 6, 2, -3, -10, -20, -25, -25, -30, -30}, 0, 435, 17, 5, 12},
        {{5.2, 4, 1, -3, -8, -14, -20, -25, -30, -30}, 0, 145, 14.8, 0, 8},
        {{2.15, 2, 1.5, 0.7, -0.5, -2, -4, -7, -12, -30}, 0, 7.1, 20, 0, 15},
        {{13, 9, 2, -6, -15, -20, -20, -22, -25, -25}, 0, 1270, 10, 10, 9},
        {{33.9, 13.9, 6.4, 2, -1.2, -3.1, -3.1, -3.1, -3.1, -3.1}, 21, 10250, 10, 10, 6},
        {{21.8, 15.4, 12.4, 8, 4.9, 2.9, 2.9, 2.9, 2.9, 2.9}, 5, 1270, 10, 0, 8},
        {{29.8, 16, 8.4, 4, 0.9, -1, -1, -1, -1, -1}, 13, 1270, 20, 20, 5},
        {{28.9, 16.4, 8.9, 4.5, 1.3, -0.6, -0.6, -0.6, -0.6, -0.6}, 12, 5750, 0, 5, 7},
        {{39.4, 11.1, 3.6, -0.8, -3.9, -5.9, -5.9, -5.9, -5.9, -5.9}, 39, 24125, -3, 15, 6},
    };
}

void SafetyDistances1000(benchmark::State &state)
{
    const std::vector<Placement> ten = TenPlacements();
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            const Placement &p = ten[i % 10];
            benchmark::DoNotOptimize(SafetyDistance(p.pattern, p.n, p.f, p.pd + (i % 7)));
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(SafetyDistances1000)->Unit(benchmark::kMillisecond);

// The points: 10 000 places 1 to 250 m from the mast, 0 to 20 m high.
double Distance(int point)
{
    return 1.0 + (point * 37) % 250;
}
double Height(int point)
{
    return (point * 13) % 21;
}

void QuotientWithFieldStrengths10000x10(benchmark::State &state)
{
    const std::vector<Placement> ten = TenPlacements();
    PatternTable table;
    for (auto _ : state) {
        double worst = 0;
        for (int point = 0; point < 10000; ++point) {
            double q = 0;
            for (const Placement &p : ten) {
                const double e = FieldStrength(p.pattern, p.n, table, p.f, p.tilt, Distance(point),
                                               Height(point), p.pd, p.ha);
                if (const std::optional<double> share = ExposureShare(e, p.f))
                    q += *share;
            }
            worst = std::max(worst, q);
        }
        benchmark::DoNotOptimize(worst);
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(QuotientWithFieldStrengths10000x10)->Unit(benchmark::kMillisecond);

// The evaluation's own combination over the list of 100 000 entries it made.
void CombineExposure10000x10(benchmark::State &state)
{
    const std::vector<Placement> ten = TenPlacements();
    TEvaluation ev;
    const int count = 100000;
    ev.ctpId.resize(count);
    ev.fieldStrength.resize(count);
    ev.verdict.resize(count);
    ev.frequency.resize(count);
    ev.simultaneous.fill(true, count);
    ev.lines.resize(count);
    for (int i = 0; i < count; ++i) {
        const Placement &p = ten[i % 10];
        ev.ctpId[i] = i / 10;
        ev.fieldStrength[i] = FieldStrength(p.pattern, p.n, p.f, p.tilt, Distance(i / 10),
                                            Height(i / 10), p.pd, p.ha);
        ev.verdict[i] = LimitVerdict(ev.fieldStrength[i], p.f);
        ev.frequency[i] = p.f;
    }
    for (auto _ : state) {
        CombineExposure(ev);
        benchmark::DoNotOptimize(ev.points.size());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(CombineExposure10000x10)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
