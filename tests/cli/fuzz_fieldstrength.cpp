// Arbitrary bytes as batch input, and as raw engine arguments: no crash, one
// output line per input line, and never a field strength that is negative or
// not a number.
#include "cli/fieldstrengthbatch.h"
#include "exposure/engine/engine.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

namespace
{

void CheckEngine(const std::uint8_t *data, std::size_t size)
{
    constexpr std::size_t Doubles = 16;
    if (size < Doubles * sizeof(double) + sizeof(int))
        return;
    double values[Doubles];
    std::memcpy(values, data, sizeof values);
    int n = 0;
    std::memcpy(&n, data + sizeof values, sizeof n);
    AntennaPattern pattern;
    for (int k = 0; k < 10; ++k)
        pattern[k] = values[k];
    const double e = FieldStrength(pattern, n, values[10], values[11], values[12], values[13],
                                   values[14], values[15]);
    if (!(e >= 0.0) || !std::isfinite(e))
        std::abort();
    const int verdict = LimitVerdict(e, values[10]);
    const int summary = SummaryClass(e, values[10]);
    if (verdict < 0 || verdict > 4 || summary < 1 || summary > 4)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    CheckEngine(data, size);

    const std::string input(reinterpret_cast<const char *>(data), size);
    std::istringstream in(input);
    std::ostringstream out;
    RunFieldStrengthBatch(in, out);

    std::size_t inputLines = 0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (input[i] == '\n' || i + 1 == input.size())
            ++inputLines;
    }
    const std::string output = out.str();
    std::size_t outputLines = 0;
    for (const char c : output)
        outputLines += c == '\n';
    if (outputLines != inputLines)
        std::abort();
    return 0;
}
