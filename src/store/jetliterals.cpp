#include "store/jetliterals.h"

QString JetText(const QString &value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString JetYesNo(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString MemoText(QStringList lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1Char('\n');
    lines.clear();
    return text;
}
