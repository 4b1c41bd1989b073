#pragma once

#include <QString>

// The small text rules of the document templates.

// Replaces a placeholder in one template line. The placeholder is recognised only when
// the line holds it exactly as written (upper case); then every occurrence is replaced,
// whatever its case. A line holding it only in another case is returned unchanged.
QString ReplacePlaceholder(const QString &line, const QString &placeholder, const QString &value);

// A value in an n-character column: its shortest decimal form, padded with spaces and
// cut to exactly n characters (12,375 in 5 columns gives "12,37").
QString ColumnText(double value, int width);

// A text padded with spaces and cut to exactly n characters.
QString ColumnText(const QString &text, int width);

// Fixed notation with at most 4 significant digits: the value rounded to 4 significant
// digits and written with exactly `decimals` decimals ("145,0", "0,68"); a value with
// more than 4 digits before the decimal separator is written in scientific notation
// ("1,037E+04"). Values that are not finite numbers are written as "0" followed by the
// decimals rather than as a text the reader cannot use.
QString FixedNotation(double value, int decimals);

// The word for yes or no in a document language (1 English, 2 Dutch, 3 French,
// 4 German); other ids use English.
QString YesNoWord(int languageId, bool yes);

// The owner's call as letters print it: "(" + call + ")".
QString LetterCall(const QString &call);
