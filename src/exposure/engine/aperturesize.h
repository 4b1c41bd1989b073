#pragma once

#include <string_view>

// The aperture size N of a catalogue antenna, stored as text (AntExtra): a whole
// number of wavelengths. Text that is not a whole number ("1,5", "abc"), an
// empty value or a number beyond the integer range counts as 0, an ordinary
// antenna. Blanks around the number and one leading sign are accepted.
int ApertureSizeFromText(std::string_view text);
