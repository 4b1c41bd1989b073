// Lambert 72 <-> WGS84 on 100 000 points: Meridox's exported Conversion next
// to PROJ's proj_trans_generic with the same definition, in the same run.
#include "meridox.h"

#include <benchmark/benchmark.h>
#include <proj.h>
#include <vector>

namespace
{

constexpr int PointCount = 100000;

const char *const Lt72Proj =
    "+proj=lcc +lat_0=90 +lat_1=49d50 +lat_2=51d10 +lon_0=4.367486673082 +x_0=150000.01 "
    "+y_0=5400088.44 +ellps=intl +towgs84=-125.8,79.9,-100.5,0,0,0,0 +units=m +no_defs +type=crs";
const char *const Wgs84Proj = "+proj=longlat +datum=WGS84 +no_defs +type=crs";

struct Points {
    std::vector<double> x, y;     // Lambert 72 metres
    std::vector<double> lat, lon; // WGS84 degrees
};

const Points &SharedPoints()
{
    static const Points points = [] {
        SetConversion("LT72", "Lambert 72 Belgique,32,BD72,26,0,0,49.50\xB0,51.10\xB0,"
                              "4.2124983\xB0,90\xB0,150000.01,5400088.44");
        SetConversion("WGS84", "WGS84,0,WGS84,12,0,0,0,0,0");
        SetConversion("BD72", "Belgique 1972 (BD72),0,BD72,26,0,0,-125.8,79.9,-100.5");
        SetPivot("WGS84");
        Points p;
        const int columns = 400;
        const int rows = PointCount / columns;
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                const double in[2] = {20000.0 + c * 700.0, 20000.0 + r * 920.0};
                double out[3];
                Conversion(in, "LT72", 5, 0, out, "WGS84", 2, 1, -1);
                p.x.push_back(in[0]);
                p.y.push_back(in[1]);
                p.lat.push_back(out[0]);
                p.lon.push_back(out[1]);
            }
        }
        return p;
    }();
    return points;
}

void BM_Meridox_Lt72ToWgs84(benchmark::State &state)
{
    const Points &p = SharedPoints();
    for (auto _ : state) {
        for (int i = 0; i < PointCount; ++i) {
            const double in[2] = {p.x[i], p.y[i]};
            double out[3];
            Conversion(in, "LT72", 5, 0, out, "WGS84", 2, 1, -1);
            benchmark::DoNotOptimize(out);
        }
    }
    state.SetItemsProcessed(state.iterations() * PointCount);
}

void BM_Meridox_Wgs84ToLt72(benchmark::State &state)
{
    const Points &p = SharedPoints();
    for (auto _ : state) {
        for (int i = 0; i < PointCount; ++i) {
            const double in[2] = {p.lat[i], p.lon[i]};
            double out[3];
            Conversion(in, "WGS84", 2, 1, out, "LT72", 5, 0, -1);
            benchmark::DoNotOptimize(out);
        }
    }
    state.SetItemsProcessed(state.iterations() * PointCount);
}

class ProjTransform
{
public:
    ProjTransform()
    {
        context_ = proj_context_create();
        proj_context_use_proj4_init_rules(context_, 1);
        PJ *raw = proj_create_crs_to_crs(context_, Lt72Proj, Wgs84Proj, nullptr);
        transform_ = raw ? proj_normalize_for_visualization(context_, raw) : nullptr;
        proj_destroy(raw);
    }
    ~ProjTransform()
    {
        proj_destroy(transform_);
        proj_context_destroy(context_);
    }
    PJ *get() const { return transform_; }

private:
    PJ_CONTEXT *context_ = nullptr;
    PJ *transform_ = nullptr;
};

void RunProj(benchmark::State &state, PJ_DIRECTION direction)
{
    const Points &p = SharedPoints();
    ProjTransform transform;
    if (transform.get() == nullptr) {
        state.SkipWithError("PROJ could not build the transformation");
        return;
    }
    std::vector<double> a, b;
    for (auto _ : state) {
        state.PauseTiming();
        a = direction == PJ_FWD ? p.x : p.lon;
        b = direction == PJ_FWD ? p.y : p.lat;
        state.ResumeTiming();
        proj_trans_generic(transform.get(), direction, a.data(), sizeof(double), PointCount,
                           b.data(), sizeof(double), PointCount, nullptr, 0, 0, nullptr, 0, 0);
        benchmark::DoNotOptimize(a.data());
    }
    state.SetItemsProcessed(state.iterations() * PointCount);
}

void BM_Proj_Lt72ToWgs84(benchmark::State &state)
{
    RunProj(state, PJ_FWD);
}

void BM_Proj_Wgs84ToLt72(benchmark::State &state)
{
    RunProj(state, PJ_INV);
}

} // namespace

BENCHMARK(BM_Meridox_Lt72ToWgs84)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Proj_Lt72ToWgs84)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Meridox_Wgs84ToLt72)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Proj_Wgs84ToLt72)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
