#pragma once

#include <string>
#include <string_view>

// Numbers on vlmcli's command line and in its batch input: a decimal point,
// an optional sign and exponent, independent of the locale. Values that are
// not finite ("inf", "nan") are refused.
bool ParseNumber(std::string_view text, double &value);

// A whole number in the range of int; "10" and "10.0" are accepted, "1.5" is not.
bool ParseWholeNumber(std::string_view text, int &value);

// Appends the value with 17 significant digits, which reads back to the same double.
void AppendExactNumber(std::string &out, double value);

// Appends the value with 6 significant digits, for a person to read.
void AppendShortNumber(std::string &out, double value);
