// Feeds arbitrary text to the Jet-SQL adapter, as the program's statement and
// as a table-update statement. It must never crash, and it must never alter a
// string literal: every literal of the input comes out with the same value, in
// the same order (a quoted alias comes out as a name that keeps its quotes;
// in an update statement a LIKE pattern may come out as its GLOB form). The
// output must also never open a comment or fuse a literal into a blob
// literal, which would change what SQLite reads.
#include "store/jetsqladapter.h"
#include "store/jettokenizer.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{

void fail(const char *what, const QString &in, const QString &out)
{
    std::fprintf(stderr, "%s\nin:  %s\nout: %s\n", what, in.toUtf8().constData(),
                 out.toUtf8().constData());
    std::abort();
}

// Literal values of the input, read as Jet.
QStringList inputLiterals(const QVector<TSqlToken> &tokens)
{
    QStringList values;
    for (int i = 0; i < tokens.size(); ++i) {
        const TSqlToken &t = tokens[i];
        const bool alias = i > 0 && tokens[i - 1].isWord("AS");
        if (t.kind == TSqlToken::String)
            values << (alias ? t.text : t.stringValue());
        else if (t.kind == TSqlToken::DateLiteral)
            values << t.text.mid(1, t.text.size() - 2);
    }
    return values;
}

// Literal values of the output, read as SQLite; a double-quoted alias counts
// with its content.
QStringList outputLiterals(const QVector<TSqlToken> &tokens)
{
    QStringList values;
    for (int i = 0; i < tokens.size(); ++i) {
        const TSqlToken &t = tokens[i];
        if (t.kind == TSqlToken::String) {
            values << t.stringValue();
        } else if (t.kind == TSqlToken::QuotedName && t.text.startsWith(QLatin1Char('"')) &&
                   i > 0 && tokens[i - 1].isWord("AS")) {
            QString inner = t.text.mid(1, t.text.size() - 2);
            inner.replace(QStringLiteral("\"\""), QStringLiteral("\""));
            if (inner.startsWith(QLatin1Char('\'')) || inner.startsWith(QLatin1Char('"')))
                values << inner;
            else
                values << QString(); // a name the input wrote itself: not a literal
        }
    }
    return values;
}

QStringList nonEmpty(const QStringList &values)
{
    QStringList result;
    for (const QString &v : values) {
        if (!v.isEmpty())
            result << v;
    }
    return result;
}

// Checks one translation of `in` against the rules above.
void check(const QString &in, const QString &out, bool updateFile)
{
    const QVector<TSqlToken> jet = TokenizeSql(in, SqlDialect::Jet);
    for (const TSqlToken &t : jet) {
        if (t.kind == TSqlToken::Unterminated) {
            if (out != in)
                fail("text with an unterminated literal was changed", in, out);
            return;
        }
    }

    const QVector<TSqlToken> sqlite = TokenizeSql(out, SqlDialect::Sqlite);
    for (int i = 0; i < sqlite.size(); ++i) {
        const TSqlToken &t = sqlite[i];
        if (t.kind == TSqlToken::Unterminated)
            fail("output has an unterminated literal", in, out);
        if (i == 0 || !t.space.isEmpty())
            continue;
        const TSqlToken &before = sqlite[i - 1];
        if ((before.isSymbol("-") && t.isSymbol("-")) ||
            (before.isSymbol("/") && t.text.startsWith(QLatin1Char('*'))))
            fail("output opens a comment", in, out);
        if (t.kind == TSqlToken::String && before.kind == TSqlToken::Word)
            fail("output fuses a literal into a blob", in, out);
    }

    const QStringList expected = nonEmpty(inputLiterals(jet));
    const QStringList actual = nonEmpty(outputLiterals(sqlite));
    bool same = expected.size() == actual.size();
    for (qsizetype i = 0; same && i < expected.size(); ++i) {
        same = expected[i] == actual[i] || (updateFile && !JetLikeToGlob(expected[i]).isEmpty() &&
                                            JetLikeToGlob(expected[i]) == actual[i]);
    }
    if (!same)
        fail("a string literal was altered", in, out);
    if (outputLiterals(sqlite).count(QString()) < inputLiterals(jet).count(QString()))
        fail("an empty literal was lost", in, out);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString in =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    check(in, JetToSqlite(in), false);
    check(in, JetToSqlite(in, TJetWildcards::UpdateFile), true);
    return 0;
}
