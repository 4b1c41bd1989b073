#include "exposure/engine/patterntable.h"

namespace
{

struct RaiseAmounts {
    double s1, s2, s3, s4;
};

// The raise amounts in dB, chosen from the gain at 0° and tested in this order.
// The third amount of the 5..10 dBi row is 0.1 dB, smaller than its neighbours.
RaiseAmounts RaiseAmountsFor(double g0)
{
    if (g0 <= 3.0)
        return {0.1, 0.1, 0.1, 0.1};
    if (g0 < 5.0)
        return {0.1, 0.2, 0.2, 0.3};
    if (g0 < 10.0)
        return {0.2, 0.5, 0.1, 2.5};
    if (g0 < 12.5)
        return {0.5, 1.0, 2.5, 5.0};
    return {1.0, 2.0, 5.0, 10.0};
}

} // namespace

void BuildPatternTable(const AntennaPattern &pattern, PatternTable &table)
{
    constexpr int Points = static_cast<int>(std::tuple_size<AntennaPattern>::value);
    for (int point = 0; point + 1 < Points; ++point) {
        const double step = (pattern[point + 1] - pattern[point]) / 10.0;
        double *entry = &table[point * 10];
        entry[0] = pattern[point];
        for (int n = 1; n < 10; ++n)
            entry[n] = entry[n - 1] + step;
    }
    // Entry 90 is the last one: there is no point after it to step towards.
    table[PatternTableSize - 1] = pattern[Points - 1];
}

PatternTable BuildPatternTable(const AntennaPattern &pattern)
{
    PatternTable table;
    BuildPatternTable(pattern, table);
    return table;
}

AntennaPattern RaisedPattern(const AntennaPattern &pattern)
{
    AntennaPattern raised = pattern;
    const double g0 = pattern[0];
    const RaiseAmounts s = RaiseAmountsFor(g0);
    for (std::size_t k = 1; k < raised.size(); ++k) {
        double &gk = raised[k];
        if (gk > g0)
            continue;
        const double delta = g0 - gk;
        if (delta > 0.0 && delta < 10.0)
            gk += s.s1;
        else if (delta >= 10.0 && delta < 20.0)
            gk += s.s2;
        else if (delta >= 20.0 && delta < 30.0)
            gk += s.s3;
        else if (delta >= 30.0)
            gk += s.s4;
        if (gk > g0)
            gk = g0;
    }
    return raised;
}

void BuildEnvelopeTable(const AntennaPattern &pattern, PatternTable &table)
{
    BuildPatternTable(RaisedPattern(pattern), table);
}

PatternTable BuildEnvelopeTable(const AntennaPattern &pattern)
{
    PatternTable table;
    BuildEnvelopeTable(pattern, table);
    return table;
}
