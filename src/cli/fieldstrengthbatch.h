#pragma once

#include <iosfwd>

// Reads batch lines from in and writes one line per input line to out:
// "E verdict class" with E to 17 significant digits, or
// "error: line n: reason" for a line that cannot be read, so that output line n
// always answers input line n. Returns the number of malformed lines.
long RunFieldStrengthBatch(std::istream &in, std::ostream &out);
