#pragma once

#include <array>

// A vertical radiation pattern: the gain in dBi at 0°, 10°, …, 90° away from the
// main beam (the catalogue's AntV00 … AntV90).
using AntennaPattern = std::array<double, 10>;

// The pattern tabulated per whole degree, 0 … 90 away from the main beam, in dBi.
constexpr int PatternTableSize = 91;
using PatternTable = std::array<double, PatternTableSize>;

// Tabulates the pattern by running addition: every tenth entry is the pattern
// point itself, the entries between add a tenth of the difference to the next
// point, one after the other. The order of the additions is part of the result.
void BuildPatternTable(const AntennaPattern &pattern, PatternTable &table);
PatternTable BuildPatternTable(const AntennaPattern &pattern);

// The pattern raised where it lies below the gain at 0° (never above it), by
// amounts that grow with the gain at 0° and with the depth below it, then
// tabulated as BuildPatternTable does. The field strength always uses this table.
void BuildEnvelopeTable(const AntennaPattern &pattern, PatternTable &table);
PatternTable BuildEnvelopeTable(const AntennaPattern &pattern);

// The raised pattern the envelope table is tabulated from.
AntennaPattern RaisedPattern(const AntennaPattern &pattern);
