#pragma once

#include <QString>
#include <QStringList>

// Texts written into the regulator's export database. Numbers there carry "." as
// decimal separator and Yes/No values the words True and False; text values are
// written as quoted literals by the statement builder.

// "N" (Dutch town and family names) for the document languages English and Dutch,
// "F" (French names) for French and German.
QString ExportLanguageLetter(int languageId);

// A number in fixed notation with `decimals` decimals, rounded first to at most
// `precision` significant digits (a half away from zero), with "." as decimal
// separator: (50.5, 2, 4) -> "50.50", (-123.456, 2, 4) -> "-123.50",
// (145, 1, 6) -> "145.0". A value that rounds to zero is written without a sign.
QString ExportFixed(double value, int decimals, int precision);

// The program's shortest text of a number with "," turned into ".": 2,15 -> "2.15".
QString ExportPlainNumber(double value);

// Nearest whole number, a half to the even neighbour (12,5 -> 12; 13,5 -> 14).
QString ExportWholeNumber(double value);

// True or False, unquoted.
QString ExportYesNo(bool value);

// Each part trimmed, joined by `separator`, the result trimmed again. Empty parts
// keep their place: ("1", "", "3") joined by two spaces gives "1    3".
QString JoinTrimmed(const QStringList &parts, const QString &separator);

// The trimmed memo text as its lines, each followed by carriage return and line
// feed; `extraLine` (when not empty) is added as the last line. Line breaks of any
// kind in the stored text ("\r\n", "\n", "\r") separate lines.
QString ExportMemoText(const QString &memo, const QString &extraLine = QString());
