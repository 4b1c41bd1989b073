#include "cli/fieldstrengthinput.h"

#include "cli/clinumbers.h"
#include "exposure/engine/engine.h"

#include <array>

FieldStrengthAnswer Evaluate(const FieldStrengthInput &input)
{
    FieldStrengthAnswer answer;
    answer.e = FieldStrength(input.pattern, input.apertureSize, input.f, input.t, input.d, input.hp,
                             input.pd, input.ha);
    answer.verdict = LimitVerdict(answer.e, input.f);
    answer.summaryClass = SummaryClass(answer.e, input.f);
    return answer;
}

namespace
{

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

const char *const FieldNames[BatchFieldCount] = {"G0", "G1", "G2", "G3", "G4", "G5",
                                                 "G6", "G7", "G8", "G9", "N",  "f",
                                                 "t",  "d",  "hp", "Pd", "ha"};

} // namespace

bool ParseBatchLine(std::string_view line, FieldStrengthInput &input, std::string &error)
{
    std::array<std::string_view, BatchFieldCount> fields;
    int count = 0;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && IsSeparator(line[pos]))
            ++pos;
        if (pos == line.size())
            break;
        std::size_t stop = pos;
        while (stop < line.size() && !IsSeparator(line[stop]))
            ++stop;
        if (count < BatchFieldCount)
            fields[count] = line.substr(pos, stop - pos);
        ++count;
        pos = stop;
    }
    if (count != BatchFieldCount) {
        error = "expected 17 numbers (G0 ... G9 N f t d hp Pd ha), found " + std::to_string(count);
        return false;
    }

    double values[BatchFieldCount];
    for (int i = 0; i < BatchFieldCount; ++i) {
        if (i == 10)
            continue;
        if (!ParseNumber(fields[i], values[i])) {
            error = std::string(FieldNames[i]) + " (field " + std::to_string(i + 1) + ") '" +
                    std::string(fields[i]) + "' is not a number";
            return false;
        }
    }
    if (!ParseWholeNumber(fields[10], input.apertureSize)) {
        error = "N (field 11) '" + std::string(fields[10]) + "' is not a whole number";
        return false;
    }
    for (int k = 0; k < 10; ++k)
        input.pattern[k] = values[k];
    input.f = values[11];
    input.t = values[12];
    input.d = values[13];
    input.hp = values[14];
    input.pd = values[15];
    input.ha = values[16];
    return true;
}
