#pragma once

#include <QChar>
#include <QString>
#include <optional>

// The program's number format: decimal separator "," and thousands separator ".".
// Every conversion between numbers and text in the program goes through here,
// never through the C locale or QString::number directly.

constexpr QChar DecimalSeparator = QLatin1Char(',');
constexpr QChar ThousandSeparator = QLatin1Char('.');

// Makes the format the process default for QLocale users (spin boxes, %L).
void ApplyNumberFormat();

// Reads "1.234,5", "-0,25", "12", ",5" or "1,5E3". Thousands separators are
// accepted only between groups of exactly three digits, so "12.5" (a decimal
// point typed by mistake) is unreadable rather than silently 125.
std::optional<double> ParseNumber(const QString &text);

// ParseNumber, with unreadable or empty text counting as 0.
double NumberOrZero(const QString &text);

// Rounds to the given number of decimals; an exact half goes to the even
// neighbour (0,125 -> 0,12; 0,135 -> 0,14). A decimal half that binary floating
// point cannot hold exactly (2,675) still counts as a half.
double RoundHalfEven(double value, int decimals);

// Nearest integer, halves to even (2,5 -> 2; 3,5 -> 4).
int RoundToInt(double value);

// Shortest text that gives the value back (up to 15 significant digits),
// decimal ",", no thousands separators: 12,5  3  -0,001.
QString FormatNumber(double value);

// Rounded to `decimals` (halves to even), then written in its shortest form:
// 12,50 -> "12,5", 3,00 -> "3". Labels use decimals = 2.
QString FormatRounded(double value, int decimals = 2);

// As FormatRounded, with "." between thousands: 1234567,5 -> "1.234.567,5".
QString FormatGrouped(double value, int decimals = 2);

// Halves of the last kept decimal in FormatFixed.
enum class HalfRounding { ToEven, AwayFromZero };
// Values with more digits before the decimal separator than significant digits.
enum class WideValues { Exponent, Rounded };

// Fixed notation with `decimals` decimals and at most `significant` significant
// digits: the value is rounded once, to whichever of the two leaves fewer
// decimals, and written with exactly `decimals` decimals and a decimal ",":
// 1234,56 (2, 4) -> "1235,00"; 0,6789 (2, 4) -> "0,68"; 145 (1, 4) -> "145,0".
// A value that has (or rounds to) more integer digits than `significant` is
// written in exponent form, 10368 (1, 4) -> "1,037E+04", or with WideValues::
// Rounded rounded to tens, hundreds...: 12345,6 (2, 4) -> "12350,00". A value
// that is not a number counts as 0; no "-0" is written.
QString FormatFixed(double value, int decimals, int significant,
                    HalfRounding halves = HalfRounding::ToEven,
                    WideValues wide = WideValues::Exponent);

// What a numeric field does with one typed character: digits pass, "," passes
// where decimals are allowed and "." becomes ","; anything else gives a null QChar.
QChar FilterNumberKey(QChar typed, bool decimalsAllowed);

// The text a field holds after `typed` is typed at `cursor`, or over the
// selection [selectionStart, selectionStart + selectionLength) when one is
// selected (selectionLength 0: none).
QString TextAfterTyping(const QString &text, int cursor, int selectionStart, int selectionLength,
                        QChar typed);

// Whether a numeric field may hold this text while it is typed: digits with
// at most one "," where decimals are allowed, and one "-" in front where
// negative values are allowed. "15,5,3" and "5-5" are refused, "-", "," and
// "" pass (the value is not finished yet).
bool IsTypedNumber(const QString &text, bool decimalsAllowed, bool negativeAllowed);
