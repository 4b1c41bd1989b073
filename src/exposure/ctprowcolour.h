#pragma once

#include <QString>
#include <array>

// The pastel colours of the rows of the critical-test-points list: every row
// of one reference gets the same colour, chosen from the reference's last two
// characters. Colours as red + 256 × green + 65536 × blue.
constexpr std::array<int, 8> CtpRowColours = {
    247 + 235 * 256 + 198 * 65536, 247 + 235 * 256 + 112 * 65536, 235 + 204 * 256 + 134 * 65536,
    247 + 235 * 256 + 168 * 65536, 235 + 204 * 256 + 198 * 65536, 235 + 204 * 256 + 168 * 65536,
    235 + 204 * 256 + 112 * 65536, 247 + 235 * 256 + 134 * 65536,
};

// The colour index of a row: (code of the last character + 13 × code of the
// one before) mod 8. A row without a reference keeps the previous row's
// index; previous is 0 for the first row. A one-character reference counts
// its missing second-last character as 0.
int CtpRowColourIndex(const QString &reference, int previous);
