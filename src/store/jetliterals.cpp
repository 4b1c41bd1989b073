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

QString MemoEditorText(const QString &stored)
{
    QString text = stored;
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    else if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QStringList MemoEditorLines(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}
