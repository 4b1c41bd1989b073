#include "store/jettokenizer.h"

namespace
{
bool isWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// Length of a quoted run starting at pos with the quote character q; a doubled
// quote inside stands for one. Returns -1 when the closing quote is missing.
int quotedLength(const QString &sql, int pos, QChar close, bool doubledEscapes)
{
    int i = pos + 1;
    while (i < sql.size()) {
        if (sql[i] == close) {
            if (doubledEscapes && i + 1 < sql.size() && sql[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1 - pos;
        }
        ++i;
    }
    return -1;
}

int numberLength(const QString &sql, int pos)
{
    int i = pos;
    while (i < sql.size() && sql[i].isDigit())
        ++i;
    if (i < sql.size() && sql[i] == QLatin1Char('.')) {
        ++i;
        while (i < sql.size() && sql[i].isDigit())
            ++i;
    }
    if (i < sql.size() && (sql[i] == QLatin1Char('e') || sql[i] == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < sql.size() && (sql[j] == QLatin1Char('+') || sql[j] == QLatin1Char('-')))
            ++j;
        if (j < sql.size() && sql[j].isDigit()) {
            while (j < sql.size() && sql[j].isDigit())
                ++j;
            i = j;
        }
    }
    return i - pos;
}

int symbolLength(const QString &sql, int pos)
{
    static const char *const pairs[] = {"<>", "<=", ">=", "!=", "==", "||"};
    if (pos + 1 < sql.size()) {
        const QString two = sql.mid(pos, 2);
        for (const char *p : pairs) {
            if (two == QLatin1String(p))
                return 2;
        }
    }
    return 1;
}
} // namespace

bool TSqlToken::isWord(const char *word) const
{
    return kind == Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool TSqlToken::isSymbol(const char *symbol) const
{
    return kind == Symbol && text == QLatin1String(symbol);
}

QString TSqlToken::stringValue() const
{
    if (kind != String || text.size() < 2)
        return QString();
    const QChar quote = text[0];
    QString inner = text.mid(1, text.size() - 2);
    inner.replace(QString(2, quote), QString(quote));
    return inner;
}

QVector<TSqlToken> TokenizeSql(const QString &sql, SqlDialect dialect)
{
    QString trailing;
    return TokenizeSql(sql, dialect, &trailing);
}

QVector<TSqlToken> TokenizeSql(const QString &sql, SqlDialect dialect, QString *trailingSpace)
{
    QVector<TSqlToken> tokens;
    int pos = 0;
    while (pos < sql.size()) {
        const int spaceStart = pos;
        while (pos < sql.size() && sql[pos].isSpace())
            ++pos;
        if (pos >= sql.size()) {
            *trailingSpace = sql.mid(spaceStart);
            return tokens;
        }
        TSqlToken token;
        token.space = sql.mid(spaceStart, pos - spaceStart);
        const QChar c = sql[pos];
        int length = 1;
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            length = quotedLength(sql, pos, c, true);
            if (c == QLatin1Char('\'') || dialect == SqlDialect::Jet)
                token.kind = TSqlToken::String;
            else
                token.kind = TSqlToken::QuotedName;
        } else if (c == QLatin1Char('[')) {
            length = quotedLength(sql, pos, QLatin1Char(']'), false);
            token.kind = TSqlToken::QuotedName;
        } else if (c == QLatin1Char('`')) {
            length = quotedLength(sql, pos, c, true);
            token.kind = TSqlToken::QuotedName;
        } else if (c == QLatin1Char('#') && dialect == SqlDialect::Jet) {
            length = quotedLength(sql, pos, c, false);
            token.kind = TSqlToken::DateLiteral;
        } else if (c.isDigit() ||
                   (c == QLatin1Char('.') && pos + 1 < sql.size() && sql[pos + 1].isDigit())) {
            length = numberLength(sql, pos);
            token.kind = TSqlToken::Number;
        } else if (isWordStart(c)) {
            while (pos + length < sql.size() && isWordPart(sql[pos + length]))
                ++length;
            token.kind = TSqlToken::Word;
        } else {
            length = symbolLength(sql, pos);
            token.kind = TSqlToken::Symbol;
        }
        if (length < 0) {
            token.kind = TSqlToken::Unterminated;
            length = sql.size() - pos;
        }
        token.text = sql.mid(pos, length);
        pos += length;
        tokens.append(token);
    }
    trailingSpace->clear();
    return tokens;
}
