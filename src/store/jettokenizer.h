#pragma once

#include <QString>
#include <QVector>

// Splits an SQL text into tokens without changing a character: joining every
// token's leading space and text gives the input back. Used by the Jet-SQL
// adapter (Jet dialect) and by tests that read the adapter's output (SQLite
// dialect). The only difference between the dialects is the double quote:
// Jet reads "..." as a string literal, SQLite as a quoted name.
enum class SqlDialect { Jet, Sqlite };

struct TSqlToken {
    enum Kind {
        Word,         // name or keyword: letters, digits, '_' and '$'
        Number,       // 12, 1.5, .5, 1E-3
        String,       // '...' (and "..." in the Jet dialect)
        QuotedName,   // [...], `...` (and "..." in the SQLite dialect)
        DateLiteral,  // #...# (Jet only)
        Symbol,       // operators and punctuation, one or two characters
        Unterminated, // a literal or quoted name without its closing character
    };

    Kind kind = Symbol;
    QString space; // white space before the token
    QString text;  // the token exactly as written

    bool isWord(const char *word) const;
    bool isSymbol(const char *symbol) const;
    // The value of a String token, quotes removed and doubled quotes undone.
    QString stringValue() const;
};

QVector<TSqlToken> TokenizeSql(const QString &sql, SqlDialect dialect);

// Trailing white space after the last token is returned separately so that
// nothing of the input is lost.
QVector<TSqlToken> TokenizeSql(const QString &sql, SqlDialect dialect, QString *trailingSpace);
