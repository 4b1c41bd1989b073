#include "reports/exporttexts.h"

#include "base/numberformat.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

QString ExportLanguageLetter(int languageId)
{
    return languageId <= 2 ? QStringLiteral("N") : QStringLiteral("F");
}

QString ExportFixed(double value, int decimals, int precision)
{
    return FormatFixed(value, decimals, precision, HalfRounding::AwayFromZero, WideValues::Rounded)
        .replace(DecimalSeparator, QLatin1Char('.'));
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
