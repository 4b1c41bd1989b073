#pragma once

#include "reportengine/reportfont.h"

#include <QString>

// Width of a text in millimetres when drawn in the given font, from the character widths
// of the base-14 fonts (the same widths as the screen fonts that stand in for them).
// The text is measured as it will be printed, after conversion to WinAnsi; there is no
// kerning, so the width of a text is the sum of the widths of its parts.
double TextWidthMm(const ReportFont &font, const QString &text);
