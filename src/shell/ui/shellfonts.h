#pragma once

#include <QFont>
#include <QStringList>

// Tahoma 8, the program's screen font; Liberation Sans (Arial's metrics) stands
// in where Tahoma is not installed.
inline QFont TahomaFont(int pointSize = 8)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSize(pointSize);
    return font;
}
