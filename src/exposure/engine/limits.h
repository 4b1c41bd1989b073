#pragma once

#include <array>
#include <optional>

// Exposure limits and the two classifications of a field strength E (V/m) at a
// frequency f (MHz). The verdict judges one point; the summary class judges the
// highest field strength of a user. They use different band edges and put a
// value equal to a level on different sides, and neither is derived from the other.

// The three levels of one band, in V/m.
struct LimitLevels {
    double limit;   // L1
    double warning; // L2
    double low;     // L3
};

LimitLevels LowBandLevels();            // 13.7, 12.26, 3.07
LimitLevels MiddleBandLevels(double f); // 0.686, 0.614 and 0.154 times √f
LimitLevels HighBandLevels();           // 30.7, 27.48, 6.88

enum Verdict {
    VerdictNone = 0,         // frequency below 10 MHz: no comparison
    VerdictAboveLimit = 1,   // E > L1
    VerdictNearLimit = 2,    // L2 <= E <= L1
    VerdictBelowWarning = 3, // L3 <= E < L2
    VerdictBelowLow = 4,     // E < L3
};

// The levels the verdict compares with at f MHz, by the frequency truncated to
// whole MHz: 10..400 low band, 401..2000 middle band (√f of the untruncated f),
// from 2001 high band. None below 10 MHz, where no limit applies.
std::optional<LimitLevels> VerdictLevels(double f);

// The verdict of one field strength. The band follows the frequency truncated
// to whole MHz: 10..400 low, 401..2000 middle, from 2001 high, below 10 none;
// the middle-band levels use √f of the untruncated frequency. A value equal to
// L2 or L3 gets the higher-risk verdict. A field strength that is not a number
// counts as above the limit, so that it can never pass as safe.
int LimitVerdict(double e, double f);

// The summary class 1 (lowest) .. 4 (above the limit). Bands: f < 400 low,
// 400 <= f <= 2000 middle, f > 2000 high, with no lower frequency bound; a value
// equal to a level falls into the lower class. A field strength or frequency
// that is not a number gives class 4.
int SummaryClass(double e, double f);

// The colour painted for each verdict, as colour values with red in the lowest
// byte (red + 256 × green + 65536 × blue), indexed by the verdict 0..4.
constexpr std::array<int, 5> VerdictColours = {
    128 + 0 * 256 + 128 * 65536,   // 0 purple (128, 0, 128)
    255 + 170 * 256 + 170 * 65536, // 1 light red (255, 170, 170)
    255 + 187 * 256 + 255 * 65536, // 2 light violet (255, 187, 255)
    187 + 202 * 256 + 255 * 65536, // 3 light blue (187, 202, 255)
    189 + 238 * 256 + 166 * 65536, // 4 light green (189, 238, 166)
};

// The colour of a verdict; a value outside 0..4 gets the "no verdict" colour.
int VerdictColour(int verdict);
