#pragma once

#include <QColor>

// Colours are kept as the program stores them: 0x00BBGGRR (255 is red).
inline QColor ColourFromValue(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
