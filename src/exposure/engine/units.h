#pragma once

// Unit conversions shared by the engine, the power chain and the low-power case.
// Frequencies in MHz, lengths in m, powers in W or dBW.

// 10^(x/10): dB or dBW to a ratio or watts.
double DbToWatt(double x);

// 10 × log10(x): watts or a ratio to dBW or dB. Defined for x > 0 only; callers
// test that first. For x = 0 the result is -infinity and for x < 0 it is NaN, as
// log10 gives them; no caller may hand either on without a check.
double WattToDb(double x);

// 300 / f: the wavelength in m of a frequency in MHz.
double Wavelength(double f);

// Loss in dB of one feed-line section: the cable's loss value is given in dB per
// 100 m at 100 MHz and grows with the square root of the frequency.
double CableSectionLoss(double length, double lossPer100m, double f);
