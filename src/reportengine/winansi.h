#pragma once

#include <QByteArray>
#include <QString>

// Conversion between Unicode text and the Windows-1252 ("WinAnsi") code page that the
// PDF base-14 fonts and the RTF files use. Characters the code page cannot hold become '?'.
QByteArray ToWinAnsi(const QString &text);
QString FromWinAnsi(const QByteArray &bytes);
