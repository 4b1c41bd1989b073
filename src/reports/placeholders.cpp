#include "reports/placeholders.h"

#include <cmath>

#include "base/numberformat.h"

QString ReplacePlaceholder(const QString &line, const QString &placeholder, const QString &value)
{
    if (placeholder.isEmpty() || !line.contains(placeholder, Qt::CaseSensitive))
        return line;
    QString out = line;
    return out.replace(placeholder, value, Qt::CaseInsensitive);
}

QString ColumnText(const QString &text, int width)
{
    if (width <= 0)
        return QString();
    return text.leftJustified(width, QLatin1Char(' '), true);
}

QString ColumnText(double value, int width)
{
    return ColumnText(FormatNumber(value), width);
}

QString FixedNotation(double value, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (!std::isfinite(value))
        value = 0.0;
    // Four significant digits first: 9999,6 becomes 10000 and so scientific notation.
    const double rounded = value == 0.0 ? 0.0 : QString::number(value, 'g', 4).toDouble();
    QString text;
    if (std::fabs(rounded) >= 10000.0)
        text = QString::number(rounded, 'E', 3);
    else
        text = QString::number(RoundHalfEven(rounded, decimals), 'f', decimals);
    if (text.startsWith(QLatin1Char('-')) && text.toDouble() == 0.0)
        text.remove(0, 1);
    return text.replace(QLatin1Char('.'), DecimalSeparator);
}

QString YesNoWord(int languageId, bool yes)
{
    switch (languageId) {
    case 2:
        return yes ? QStringLiteral("Ja") : QStringLiteral("Neen");
    case 3:
        return yes ? QStringLiteral("Oui") : QStringLiteral("Non");
    case 4:
        return yes ? QStringLiteral("Ja") : QStringLiteral("Nein");
    default:
        return yes ? QStringLiteral("Yes") : QStringLiteral("No");
    }
}

QString LetterCall(const QString &call)
{
    return QStringLiteral("(") + call + QStringLiteral(")");
}
