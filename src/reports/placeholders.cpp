#include "reports/placeholders.h"

#include "base/numberformat.h"

#include <cmath>

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
    return FormatFixed(value, decimals, 4);
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
