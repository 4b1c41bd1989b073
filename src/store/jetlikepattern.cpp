#include "store/jetsqladapter.h"

#include <QStringList>

namespace
{

// A letter matches in either case; anything else as it is.
QString AnyCase(QChar c)
{
    const QChar lower = c.toLower();
    const QChar upper = c.toUpper();
    if (lower == upper)
        return QString(c);
    return QLatin1Char('[') + lower + upper + QLatin1Char(']');
}

// The members of a Jet character class ("a-cx") with both cases of every
// letter, as GLOB class members. A literal "-" comes first and a literal "^"
// last, where GLOB reads neither as a range or a "not".
QString ClassMembers(const QString &inside)
{
    QStringList members;
    bool caret = false;
    bool dash = false;
    auto add = [&members](const QString &member) {
        if (!members.contains(member))
            members << member;
    };
    for (int i = 0; i < inside.size(); ++i) {
        const QChar c = inside[i];
        if (i + 2 < inside.size() && inside[i + 1] == QLatin1Char('-')) {
            const QChar last = inside[i + 2];
            add(QString(c) + QLatin1Char('-') + last);
            if (c.isLetter() && last.isLetter()) {
                add(QString(c.toLower()) + QLatin1Char('-') + last.toLower());
                add(QString(c.toUpper()) + QLatin1Char('-') + last.toUpper());
            }
            i += 2;
        } else if (c == QLatin1Char('^')) {
            caret = true;
        } else if (c == QLatin1Char('-')) {
            dash = true;
        } else {
            add(QString(c));
            if (c.toLower() != c)
                add(QString(c.toLower()));
            if (c.toUpper() != c)
                add(QString(c.toUpper()));
        }
    }
    QString out = (dash ? QStringLiteral("-") : QString()) + members.join(QString());
    if (caret)
        out += QLatin1Char('^');
    return out;
}

} // namespace

QString JetLikeToGlob(const QString &pattern)
{
    bool jetWildcards = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('#') ||
            c == QLatin1Char('['))
            jetWildcards = true;
    }
    if (!jetWildcards)
        return QString();
    QString glob;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('*') || c == QLatin1Char('%')) {
            glob += QLatin1Char('*');
        } else if (c == QLatin1Char('?') || c == QLatin1Char('_')) {
            glob += QLatin1Char('?');
        } else if (c == QLatin1Char('#')) {
            glob += QStringLiteral("[0-9]");
        } else if (c == QLatin1Char('[')) {
            const int close = pattern.indexOf(QLatin1Char(']'), i + 1);
            if (close < 0)
                return QString(); // Jet refuses the pattern; so will SQLite
            QString inside = pattern.mid(i + 1, close - i - 1);
            const bool negated = inside.startsWith(QLatin1Char('!'));
            if (negated)
                inside.remove(0, 1);
            const QString members = ClassMembers(inside);
            if (members.isEmpty())
                return QString();
            if (members == QLatin1String("^") && !negated)
                glob += QLatin1Char('^'); // "[^]" would read as an open "not" class
            else
                glob += QLatin1Char('[') + (negated ? QStringLiteral("^") : QString()) + members +
                        QLatin1Char(']');
            i = close;
        } else {
            glob += AnyCase(c);
        }
    }
    return glob;
}
