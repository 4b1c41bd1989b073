#pragma once

#include <cstddef>

// Locale-independent readers for the numbers of definition lines and angle
// texts. The host program may switch the C locale to one with a decimal comma,
// so the C library's atof/atoi cannot be trusted here.
namespace meridox
{

// Reads the decimal number at the start of text (leading blanks skipped,
// optional sign, decimals, exponent). Returns 0 when there is none or when the
// number does not fit a double. Infinity and NaN spellings are not numbers.
double LeadingDouble(const char *text, std::size_t length);

// Reads the decimal integer at the start of text (leading blanks skipped,
// optional sign, stops at the first non-digit). Returns 0 when there is none;
// values beyond the 32-bit range are clamped to it.
int LeadingInt(const char *text, std::size_t length);

} // namespace meridox
