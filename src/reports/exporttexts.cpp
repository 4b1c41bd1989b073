#include "reports/exporttexts.h"

#include "base/numberformat.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace
{

// value rounded to `decimals` places (negative: to tens, hundreds...), a half away
// from zero. The product is first cut to 9 decimals so that a decimal half that
// binary floating point stores just below it (2,675) still counts as a half.
double RoundHalfAwayFromZero(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    const double snapped = std::round(scaled * 1e9) / 1e9;
    return std::round(snapped) / scale;
}

// Number of digits before the decimal point of |value| (0 for values below 1).
int IntegerDigits(double value)
{
    const double magnitude = std::fabs(value);
    if (magnitude < 1.0)
        return 0;
    return int(std::floor(std::log10(magnitude))) + 1;
}

} // namespace

QString ExportLanguageLetter(int languageId)
{
    return languageId <= 2 ? QStringLiteral("N") : QStringLiteral("F");
}

QString ExportFixed(double value, int decimals, int precision)
{
    if (!std::isfinite(value))
        value = 0.0;
    double rounded =
        RoundHalfAwayFromZero(value, std::min(decimals, precision - IntegerDigits(value)));
    // Rounding can add a digit (99,996 -> 100,00): round again with the new width.
    const int digits = IntegerDigits(rounded);
    if (digits > IntegerDigits(value))
        rounded = RoundHalfAwayFromZero(rounded, std::min(decimals, precision - digits));
    if (rounded == 0.0)
        rounded = 0.0; // no "-0.00"
    // Fixed notation of a value already rounded: no further rounding happens here.
    QString text = QString::number(rounded, 'f', decimals);
    return text;
}

QString ExportPlainNumber(double value)
{
    if (!std::isfinite(value))
        value = 0.0;
    return FormatNumber(value).replace(QLatin1Char(','), QLatin1Char('.'));
}

QString ExportWholeNumber(double value)
{
    if (!std::isfinite(value))
        value = 0.0;
    return QString::number(RoundToInt(value));
}

QString ExportYesNo(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString JoinTrimmed(const QStringList &parts, const QString &separator)
{
    QStringList trimmed;
    trimmed.reserve(parts.size());
    for (const QString &part : parts)
        trimmed << part.trimmed();
    return trimmed.join(separator).trimmed();
}

QString ExportMemoText(const QString &memo, const QString &extraLine)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    const QString text = memo.trimmed();
    QStringList lines;
    if (!text.isEmpty())
        lines = text.split(lineBreak);
    if (!extraLine.isEmpty())
        lines << extraLine;
    QString result;
    for (const QString &line : std::as_const(lines))
        result += line + QStringLiteral("\r\n");
    return result;
}
