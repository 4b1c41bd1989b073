// Speed of "vlmcli field-strength --batch": 100 000 lines read, computed and
// written, in memory so that only the command's own work is measured.
#include "cli/fieldstrengthbatch.h"

#include <benchmark/benchmark.h>
#include <sstream>
#include <string>

namespace
{

std::string BatchInput(int lines)
{
    std::string input;
    for (int i = 0; i < lines; ++i) {
        input += "8 6 2 -3 -10 -20 -25 -25 -30 -30 ";
        input += (i % 3 == 0) ? "10 1296 10 " : "0 145 0 ";
        input += std::to_string(1 + i % 250) + ".5 " + std::to_string(i % 40) + " 20 10\n";
    }
    return input;
}

void Batch100000Lines(benchmark::State &state)
{
    const std::string input = BatchInput(100000);
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out;
        benchmark::DoNotOptimize(RunFieldStrengthBatch(in, out));
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(Batch100000Lines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
