// Jet LIKE patterns against their GLOB form: for a pattern and a text made of
// printable ASCII, SQLite's GLOB of JetLikeToGlob(pattern) must match exactly
// when Jet's LIKE would, as a regular expression written from Jet's rules
// (case-insensitive) says. Classes with ranges other than digit-digit or
// letter-letter of one case are left out: Jet's own reading of those is not
// what this reference could state.
#include "store/jetsqladapter.h"

#include <QRegularExpression>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

namespace
{

bool SafeRange(QChar a, QChar b)
{
    const bool digits = a.isDigit() && b.isDigit();
    const bool lower = a.isLower() && b.isLower();
    const bool upper = a.isUpper() && b.isUpper();
    return (digits || lower || upper) && a <= b;
}

// Jet's LIKE as a regular expression; false when the pattern is left out.
bool Reference(const QString &pattern, QString *regex)
{
    QString out = QStringLiteral("\\A");
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('*') || c == QLatin1Char('%')) {
            out += QStringLiteral(".*");
        } else if (c == QLatin1Char('?') || c == QLatin1Char('_')) {
            out += QLatin1Char('.');
        } else if (c == QLatin1Char('#')) {
            out += QStringLiteral("[0-9]");
        } else if (c == QLatin1Char('[')) {
            const int close = pattern.indexOf(QLatin1Char(']'), i + 1);
            if (close < 0)
                return false;
            QString inside = pattern.mid(i + 1, close - i - 1);
            QString members;
            if (inside.startsWith(QLatin1Char('!'))) {
                members += QLatin1Char('^');
                inside.remove(0, 1);
            }
            if (inside.isEmpty())
                return false;
            for (int k = 0; k < inside.size(); ++k) {
                if (k + 2 < inside.size() && inside[k + 1] == QLatin1Char('-')) {
                    if (!SafeRange(inside[k], inside[k + 2]))
                        return false;
                    members += inside[k] + QStringLiteral("-") + inside[k + 2];
                    k += 2;
                } else {
                    // Letters and digits as they are (escaped, some mean classes).
                    if (!inside[k].isLetterOrNumber())
                        members += QLatin1Char('\\');
                    members += inside[k];
                }
            }
            out += QLatin1Char('[') + members + QLatin1Char(']');
            i = close;
        } else {
            out += QRegularExpression::escape(QString(c));
        }
    }
    *regex = out + QStringLiteral("\\z");
    return true;
}

bool Glob(const QString &pattern, const QString &text)
{
    static sqlite3 *db = [] {
        sqlite3 *handle = nullptr;
        sqlite3_open(":memory:", &handle);
        return handle;
    }();
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT ?1 GLOB ?2", -1, &statement, nullptr);
    const QByteArray t = text.toUtf8();
    const QByteArray p = pattern.toUtf8();
    sqlite3_bind_text(statement, 1, t.constData(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(statement, 2, p.constData(), static_cast<int>(p.size()), SQLITE_TRANSIENT);
    const bool match =
        sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_int(statement, 0) == 1;
    sqlite3_finalize(statement);
    return match;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString pattern, text;
    bool inText = false;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n' && !inText) {
            inText = true;
            continue;
        }
        const QChar c(static_cast<char16_t>(0x20 + data[i] % 0x5F)); // printable ASCII
        (inText ? text : pattern) += c;
    }
    const QString glob = JetLikeToGlob(pattern);
    QString regex;
    if (glob.isEmpty() || !Reference(pattern, &regex))
        return 0;
    const QRegularExpression expression(regex, QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::DotMatchesEverythingOption);
    if (!expression.isValid())
        return 0;
    const bool jet = expression.match(text).hasMatch();
    if (Glob(glob, text) != jet) {
        std::fprintf(stderr, "pattern %s\ntext    %s\nglob    %s\nJet matches: %d\n",
                     pattern.toUtf8().constData(), text.toUtf8().constData(),
                     glob.toUtf8().constData(), int(jet));
        std::abort();
    }
    return 0;
}
