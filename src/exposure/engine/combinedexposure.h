#pragma once

// Exposure from several antennas that transmit at the same time. Each source
// takes its share of the limit of its own frequency, (E / L1)², and the shares
// add up to the exposure quotient Q of the point; Q <= 1 complies. Sources below
// 10 MHz, where no limit applies, take no share.

#include <optional>

// (E / L1(f))², or none below 10 MHz.
std::optional<double> ExposureShare(double e, double f);

// 100 × √Q: the quotient as a percentage of the limit, comparable with a single
// field strength's E / L1.
double QuotientPercent(double q);

// The verdict of a quotient, painted like the verdict of one field strength:
// above 100 % of the limit 1, then 2 from the warning level and 3 from the low
// level, 4 below. The levels are the smallest shares of the limit the warning
// and low levels take in any band (12.26 and 3.07 of 13.7 V/m), so a quotient
// never gets a milder colour than one of its sources would alone.
int QuotientVerdict(double q);
