#include "store/jetsqladapter.h"

#include "store/jettokenizer.h"

#include <QHash>
#include <QPair>
#include <QSet>

namespace
{

// A token, or a parenthesised group whose tokens are its children.
struct Node {
    TSqlToken token;
    bool isGroup = false;
    bool closed = false;
    bool alias = false; // a quoted alias: a column name, never an operand
    QString closeSpace; // white space before ")"
    QVector<Node> children;
};
using Sequence = QVector<Node>;

Node makeNode(TSqlToken::Kind kind, const QString &text, const QString &space = QStringLiteral(" "))
{
    Node node;
    node.token.kind = kind;
    node.token.text = text;
    node.token.space = space;
    return node;
}

Node makeGroup(const Sequence &children, const QString &space)
{
    Node node = makeNode(TSqlToken::Symbol, QStringLiteral("("), space);
    node.isGroup = true;
    node.closed = true;
    node.children = children;
    return node;
}

Sequence buildTree(const QVector<TSqlToken> &tokens, int &pos, bool nested, Node *group)
{
    Sequence sequence;
    while (pos < tokens.size()) {
        const TSqlToken &token = tokens[pos++];
        if (token.isSymbol("(")) {
            Node node;
            node.token = token;
            node.isGroup = true;
            node.children = buildTree(tokens, pos, true, &node);
            sequence.append(node);
        } else if (nested && token.isSymbol(")")) {
            group->closed = true;
            group->closeSpace = token.space;
            return sequence;
        } else {
            Node node;
            node.token = token;
            sequence.append(node);
        }
    }
    return sequence;
}

bool endsWithWordCharacter(const QString &text)
{
    if (text.isEmpty())
        return false;
    const QChar c = text.back();
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// Appends a piece of output, never letting two pieces fuse into something
// SQLite reads differently: a comment opener ("--", "/*"), a blob literal
// (x'..') or two literals that read as one ('a''b').
void appendPiece(QString &out, const QString &space, const QString &text, TSqlToken::Kind kind)
{
    QString gap = space;
    if (gap.isEmpty() && !out.isEmpty() && !text.isEmpty()) {
        const QChar last = out.back();
        const QChar first = text.front();
        const bool comment = (last == QLatin1Char('-') && first == QLatin1Char('-')) ||
                             (last == QLatin1Char('/') && first == QLatin1Char('*'));
        const bool blob = kind == TSqlToken::String && endsWithWordCharacter(out);
        // Two quoted tokens side by side would read as one with a doubled quote.
        const bool quotes =
            last == first &&
            (first == QLatin1Char('\'') || first == QLatin1Char('"') || first == QLatin1Char('`'));
        if (comment || blob || quotes)
            gap = QStringLiteral(" ");
    }
    out += gap;
    out += text;
}

void writeSequence(const Sequence &sequence, QString &out)
{
    for (const Node &node : sequence) {
        appendPiece(out, node.token.space, node.token.text, node.token.kind);
        if (node.isGroup) {
            writeSequence(node.children, out);
            if (node.closed)
                appendPiece(out, node.closeSpace, QStringLiteral(")"), TSqlToken::Symbol);
        }
    }
}

bool isKeyword(const Node &node)
{
    static const QSet<QString> keywords = {
        QStringLiteral("SELECT"),  QStringLiteral("FROM"),     QStringLiteral("WHERE"),
        QStringLiteral("AND"),     QStringLiteral("OR"),       QStringLiteral("NOT"),
        QStringLiteral("LIKE"),    QStringLiteral("AS"),       QStringLiteral("ON"),
        QStringLiteral("JOIN"),    QStringLiteral("INNER"),    QStringLiteral("LEFT"),
        QStringLiteral("RIGHT"),   QStringLiteral("OUTER"),    QStringLiteral("FULL"),
        QStringLiteral("CROSS"),   QStringLiteral("BY"),       QStringLiteral("ORDER"),
        QStringLiteral("GROUP"),   QStringLiteral("HAVING"),   QStringLiteral("SET"),
        QStringLiteral("VALUES"),  QStringLiteral("INTO"),     QStringLiteral("IS"),
        QStringLiteral("IN"),      QStringLiteral("BETWEEN"),  QStringLiteral("CASE"),
        QStringLiteral("WHEN"),    QStringLiteral("THEN"),     QStringLiteral("ELSE"),
        QStringLiteral("END"),     QStringLiteral("DISTINCT"), QStringLiteral("DISTINCTROW"),
        QStringLiteral("TOP"),     QStringLiteral("UNION"),    QStringLiteral("ALL"),
        QStringLiteral("ASC"),     QStringLiteral("DESC"),     QStringLiteral("LIMIT"),
        QStringLiteral("INSERT"),  QStringLiteral("UPDATE"),   QStringLiteral("DELETE"),
        QStringLiteral("XOR"),     QStringLiteral("EQV"),      QStringLiteral("IMP"),
        QStringLiteral("ESCAPE"),  QStringLiteral("EXISTS"),   QStringLiteral("MOD"),
        QStringLiteral("PERCENT"),
    };
    return node.token.kind == TSqlToken::Word && !node.isGroup &&
           keywords.contains(node.token.text.toUpper());
}

bool isArithmetic(const Node &node)
{
    if (node.isGroup)
        return false;
    const TSqlToken &t = node.token;
    return t.isSymbol("+") || t.isSymbol("-") || t.isSymbol("*") || t.isSymbol("/") ||
           t.isSymbol("\\") || t.isSymbol("^") || t.isWord("MOD");
}

bool isSign(const Node &node)
{
    return !node.isGroup && (node.token.isSymbol("+") || node.token.isSymbol("-"));
}

bool isName(const Node &node)
{
    return !node.isGroup && !node.alias &&
           ((node.token.kind == TSqlToken::Word && !isKeyword(node)) ||
            node.token.kind == TSqlToken::QuotedName);
}

bool isDot(const Node &node)
{
    return !node.isGroup && node.token.isSymbol(".");
}

bool isValue(const Node &node)
{
    if (node.alias)
        return false;
    if (node.isGroup)
        return true;
    switch (node.token.kind) {
    case TSqlToken::String:
    case TSqlToken::Number:
    case TSqlToken::DateLiteral:
        return true;
    default:
        return isName(node);
    }
}

// End (exclusive) of the operand that starts at begin: a chain of values
// (names, qualified names, calls, literals, groups) joined by arithmetic,
// which binds tighter than & in Jet.
int operandEnd(const Sequence &s, int begin)
{
    int i = begin;
    bool expectValue = true;
    while (i < s.size()) {
        if (expectValue) {
            if (isSign(s[i])) {
                ++i;
                continue;
            }
            if (!isValue(s[i]))
                break;
            const bool name = isName(s[i]);
            ++i;
            if (name) {
                while (i + 1 < s.size() && isDot(s[i]) &&
                       (isName(s[i + 1]) || s[i + 1].token.isSymbol("*")))
                    i += 2;
                if (i < s.size() && s[i].isGroup)
                    ++i; // function call
            }
            expectValue = false;
        } else {
            if (!isArithmetic(s[i]))
                break;
            ++i;
            expectValue = true;
        }
    }
    return i;
}

// Start of the value (name, qualified name, call, literal or group) that ends
// just before end; -1 when there is none.
int valueStart(const Sequence &s, int end)
{
    int start = end - 1;
    if (start < 0)
        return -1;
    if (s[start].token.isSymbol("*") && !s[start].isGroup) {
        if (start < 2 || !isDot(s[start - 1]) || !isName(s[start - 2]))
            return -1;
        start -= 2;
    } else if (!isValue(s[start])) {
        return -1;
    } else if (s[start].isGroup && start > 0 && isName(s[start - 1])) {
        --start; // function call
    }
    if (isName(s[start])) {
        while (start >= 2 && isDot(s[start - 1]) && isName(s[start - 2]))
            start -= 2;
    }
    return start;
}

// Start of the operand that ends just before end, scanning backwards; end
// itself when there is none.
int operandStart(const Sequence &s, int end)
{
    int i = end;
    for (;;) {
        const int start = valueStart(s, i);
        if (start < 0)
            return i;
        i = start;
        if (i < 1 || !isArithmetic(s[i - 1]))
            return i;
        if (valueStart(s, i - 1) >= 0) {
            --i; // a binary operator: the operand goes on to its left
            continue;
        }
        return isSign(s[i - 1]) ? i - 1 : i;
    }
}

Node coalesced(Sequence operand, const QString &space)
{
    operand.first().token.space.clear();
    operand.append(makeNode(TSqlToken::Symbol, QStringLiteral(","), QString()));
    operand.append(makeNode(TSqlToken::String, QStringLiteral("''")));
    Sequence call;
    call.append(makeNode(TSqlToken::Word, QStringLiteral("COALESCE"), QString()));
    call.append(makeGroup(operand, QString()));
    return makeGroup(call, space);
}

// a & b & c -> (COALESCE(a, '')) || (COALESCE(b, '')) || ... at this level.
void rewriteConcatenation(Sequence &s)
{
    for (int i = 0; i < s.size(); ++i) {
        if (s[i].isGroup || !s[i].token.isSymbol("&"))
            continue;
        const int start = operandStart(s, i);
        if (start == i)
            continue; // no left operand: leave the text for SQLite to reject
        QVector<Sequence> operands;
        operands.append(s.mid(start, i - start));
        int at = i;
        bool complete = true;
        while (at < s.size() && !s[at].isGroup && s[at].token.isSymbol("&")) {
            const int end = operandEnd(s, at + 1);
            if (end == at + 1) {
                complete = false;
                break;
            }
            operands.append(s.mid(at + 1, end - at - 1));
            at = end;
        }
        if (!complete)
            continue;
        Sequence replacement;
        const QString firstSpace = s[start].token.space;
        for (int k = 0; k < operands.size(); ++k) {
            if (k > 0)
                replacement.append(makeNode(TSqlToken::Symbol, QStringLiteral("||")));
            const QString space = k == 0 ? firstSpace : QStringLiteral(" ");
            if (operands[k].size() == 1 && !operands[k][0].isGroup &&
                (operands[k][0].token.kind == TSqlToken::String ||
                 operands[k][0].token.kind == TSqlToken::Number)) {
                Node literal = operands[k][0]; // never NULL: joined as it is
                literal.token.space = space;
                replacement.append(literal);
            } else {
                replacement.append(coalesced(operands[k], space));
            }
        }
        s.remove(start, at - start);
        for (int k = 0; k < replacement.size(); ++k)
            s.insert(start + k, replacement[k]);
        i = start + replacement.size() - 1;
    }
}

QString singleQuoted(const QString &value)
{
    QString escaped = value;
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

// Literals, aliases, True/False and renamed functions: token by token.
void rewriteTokens(Sequence &s)
{
    static const QHash<QString, QString> functions = {
        {QStringLiteral("UCASE"), QStringLiteral("upper")},
        {QStringLiteral("LCASE"), QStringLiteral("lower")},
        {QStringLiteral("LEN"), QStringLiteral("length")},
        {QStringLiteral("MID"), QStringLiteral("substr")},
    };
    for (int i = 0; i < s.size(); ++i) {
        Node &node = s[i];
        if (node.isGroup)
            continue;
        TSqlToken &t = node.token;
        const bool qualified = i > 0 && isDot(s[i - 1]);
        const bool called = i + 1 < s.size() && s[i + 1].isGroup;
        if (t.kind == TSqlToken::String && i > 0 && s[i - 1].token.isWord("AS")) {
            // Jet keeps the quotes of a quoted alias in the column's name.
            QString name = t.text;
            name.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            t.kind = TSqlToken::QuotedName;
            t.text = QLatin1Char('"') + name + QLatin1Char('"');
            node.alias = true;
        } else if (t.kind == TSqlToken::String && t.text.startsWith(QLatin1Char('"'))) {
            t.text = singleQuoted(t.stringValue());
        } else if (t.kind == TSqlToken::DateLiteral) {
            t.kind = TSqlToken::String;
            t.text = singleQuoted(t.text.mid(1, t.text.size() - 2));
        } else if (t.kind == TSqlToken::Word && !qualified && !called &&
                   (t.isWord("TRUE") || t.isWord("FALSE"))) {
            t.text = t.isWord("TRUE") ? QStringLiteral("1") : QStringLiteral("0");
            t.kind = TSqlToken::Number;
        } else if (t.kind == TSqlToken::Word && !qualified && called &&
                   functions.contains(t.text.toUpper())) {
            t.text = functions.value(t.text.toUpper());
        }
    }
}

// SELECT [DISTINCT] TOP n ... -> SELECT [DISTINCT] ... LIMIT n
void rewriteTop(Sequence &s)
{
    for (int i = 0; i < s.size(); ++i) {
        if (!s[i].token.isWord("SELECT") || s[i].isGroup)
            continue;
        int top = i + 1;
        if (top < s.size() && (s[top].token.isWord("DISTINCT") || s[top].token.isWord("ALL")))
            ++top;
        if (top + 1 >= s.size() || !s[top].token.isWord("TOP") ||
            s[top + 1].token.kind != TSqlToken::Number || s[top + 1].isGroup)
            continue;
        if (top + 2 < s.size() && s[top + 2].token.isWord("PERCENT"))
            continue; // no SQLite form; left for SQLite to reject
        const QString count = s[top + 1].token.text;
        s.remove(top, 2);
        s.append(makeNode(TSqlToken::Word, QStringLiteral("LIMIT")));
        s.append(makeNode(TSqlToken::Number, count));
        return;
    }
}

int findWord(const Sequence &s, const char *word, int from)
{
    for (int i = from; i < s.size(); ++i) {
        if (!s[i].isGroup && s[i].token.isWord(word))
            return i;
    }
    return -1;
}

// DELETE * FROM t / DELETE t.* FROM <joins> WHERE ...
void rewriteDelete(Sequence &s)
{
    if (s.isEmpty() || !s[0].token.isWord("DELETE") || s[0].isGroup)
        return;
    const int from = findWord(s, "FROM", 1);
    if (from < 0)
        return;
    if (from == 2 && s[1].token.isSymbol("*")) {
        s.remove(1);
        return;
    }
    if (from != 4 || !isName(s[1]) || !isDot(s[2]) || !s[3].token.isSymbol("*"))
        return;
    const Node target = s[1];
    int where = findWord(s, "WHERE", from + 1);
    if (where < 0)
        where = s.size();
    const Sequence source = s.mid(from + 1, where - from - 1);
    Sequence result;
    result.append(s[0]);
    result.append(makeNode(TSqlToken::Word, QStringLiteral("FROM")));
    Node table = target;
    table.token.space = QStringLiteral(" ");
    result.append(table);
    if (source.size() == 1 && isName(source[0]) &&
        source[0].token.text.compare(target.token.text, Qt::CaseInsensitive) == 0) {
        result += s.mid(where);
    } else {
        result.append(makeNode(TSqlToken::Word, QStringLiteral("WHERE")));
        result.append(makeNode(TSqlToken::Word, QStringLiteral("rowid")));
        result.append(makeNode(TSqlToken::Word, QStringLiteral("IN")));
        Sequence inner;
        inner.append(makeNode(TSqlToken::Word, QStringLiteral("SELECT"), QString()));
        Node qualifier = target;
        qualifier.token.space = QStringLiteral(" ");
        inner.append(qualifier);
        inner.append(makeNode(TSqlToken::Symbol, QStringLiteral("."), QString()));
        inner.append(makeNode(TSqlToken::Word, QStringLiteral("rowid"), QString()));
        inner.append(s[from]);
        inner += source;
        inner += s.mid(where);
        result.append(makeGroup(inner, QStringLiteral(" ")));
    }
    s = result;
}

// LIKE 'pattern' with Jet's own wildcards -> GLOB 'pattern' (update files).
// Only a literal that stands alone on the right of LIKE is turned; a pattern
// built from parts, or one with an ESCAPE clause, stays as it is.
void rewriteLike(Sequence &s)
{
    for (int i = 0; i + 1 < s.size(); ++i) {
        if (s[i].isGroup || !s[i].token.isWord("LIKE"))
            continue;
        const Node &pattern = s[i + 1];
        if (pattern.isGroup || pattern.token.kind != TSqlToken::String)
            continue;
        if (i + 2 < s.size()) {
            const Node &after = s[i + 2];
            const bool ends =
                !after.isGroup && ((isKeyword(after) && !after.token.isWord("ESCAPE")) ||
                                   after.token.isSymbol(",") || after.token.isSymbol(";"));
            if (!ends)
                continue;
        }
        const QString glob = JetLikeToGlob(pattern.token.stringValue());
        if (glob.isEmpty())
            continue;
        s[i].token.text = QStringLiteral("GLOB");
        s[i + 1].token.text = singleQuoted(glob);
    }
}

// Top-level pieces of a column list, split at ",": begin and end (exclusive).
QVector<QPair<int, int>> listItems(const Sequence &s)
{
    QVector<QPair<int, int>> items;
    int begin = 0;
    for (int i = 0; i <= s.size(); ++i) {
        if (i == s.size() || (!s[i].isGroup && s[i].token.isSymbol(","))) {
            items.append({begin, i});
            begin = i + 1;
        }
    }
    return items;
}

bool sameName(const Node &a, const Node &b)
{
    auto bare = [](const Node &n) {
        QString t = n.token.text;
        if (n.token.kind == TSqlToken::QuotedName && t.size() >= 2)
            t = t.mid(1, t.size() - 2);
        return t.toUpper();
    };
    return !a.isGroup && !b.isGroup && bare(a) == bare(b);
}

// Removes "[CONSTRAINT name] PRIMARY KEY" from a column definition.
void dropPrimaryKey(Sequence &definition)
{
    for (int i = 0; i + 1 < definition.size(); ++i) {
        if (definition[i].isGroup || !definition[i].token.isWord("PRIMARY") ||
            !definition[i + 1].token.isWord("KEY"))
            continue;
        int from = i;
        if (from >= 2 && definition[from - 2].token.isWord("CONSTRAINT"))
            from -= 2;
        definition.remove(from, i + 2 - from);
        return;
    }
}

// The (seed, step) of COUNTER(1, 1): numbers, signs and commas only. Anything
// else in the group is not dropped with it, so that no literal is ever lost.
bool isSeedAndStep(const Node &group)
{
    for (const Node &n : group.children) {
        if (n.isGroup || !(n.token.kind == TSqlToken::Number || n.token.isSymbol(",") ||
                           n.token.isSymbol("-") || n.token.isSymbol("+")))
            return false;
    }
    return group.closed;
}

// CREATE TABLE t (c COUNTER, ...): Jet's AutoNumber column becomes SQLite's,
// so that rows added without a key get one instead of NULL.
void rewriteCounter(Sequence &s)
{
    int i = 0;
    if (i >= s.size() || !s[i].token.isWord("CREATE"))
        return;
    ++i;
    if (i < s.size() && (s[i].token.isWord("TEMP") || s[i].token.isWord("TEMPORARY")))
        ++i;
    if (i >= s.size() || !s[i].token.isWord("TABLE"))
        return;
    int group = i + 1;
    while (group < s.size() && !s[group].isGroup)
        ++group;
    if (group >= s.size())
        return;
    Sequence &columns = s[group].children;
    const QVector<QPair<int, int>> items = listItems(columns);
    QVector<Sequence> definitions;
    for (const auto &item : items)
        definitions.append(columns.mid(item.first, item.second - item.first));

    QVector<Node> counters;
    for (Sequence &d : definitions) {
        if (d.size() < 2 || !isName(d[0]) || d[1].isGroup ||
            !(d[1].token.isWord("COUNTER") || d[1].token.isWord("AUTOINCREMENT")))
            continue;
        if (!counters.isEmpty())
            return; // Jet allows one; SQLite is left to say what is wrong
        if (d.size() > 2 && d[2].isGroup && !isSeedAndStep(d[2]))
            return; // not a seed and step: left for SQLite to refuse
        counters.append(d[0]);
        d[1].token.text = QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
        d[1].token.kind = TSqlToken::Word;
        if (d.size() > 2 && d[2].isGroup)
            d.remove(2); // COUNTER(seed, step): SQLite counts from 1 by 1
        Sequence rest = d.mid(2);
        dropPrimaryKey(rest);
        d = d.mid(0, 2) + rest;
    }
    if (counters.isEmpty())
        return;
    // A table constraint PRIMARY KEY (c) on the counter alone says it again.
    QVector<Sequence> kept;
    for (const Sequence &d : definitions) {
        int k = 0;
        if (k + 1 < d.size() && d[k].token.isWord("CONSTRAINT"))
            k += 2;
        const bool primaryKey = k + 3 == d.size() && d[k].token.isWord("PRIMARY") &&
                                d[k + 1].token.isWord("KEY") && d[k + 2].isGroup &&
                                d[k + 2].children.size() == 1 &&
                                sameName(d[k + 2].children[0], counters.first());
        if (!primaryKey)
            kept.append(d);
    }
    Sequence rebuilt;
    for (int k = 0; k < kept.size(); ++k) {
        if (k > 0)
            rebuilt.append(makeNode(TSqlToken::Symbol, QStringLiteral(","), QString()));
        rebuilt += kept[k];
    }
    columns = rebuilt;
}

void translate(Sequence &s, bool statementLevel, TJetWildcards wildcards)
{
    for (Node &node : s) {
        if (node.isGroup)
            translate(node.children, false, wildcards);
    }
    rewriteTokens(s);
    rewriteConcatenation(s);
    if (wildcards == TJetWildcards::UpdateFile)
        rewriteLike(s);
    rewriteTop(s);
    if (statementLevel) {
        rewriteDelete(s);
        rewriteCounter(s);
    }
}

bool hasUnterminated(const QVector<TSqlToken> &tokens)
{
    for (const TSqlToken &t : tokens) {
        if (t.kind == TSqlToken::Unterminated)
            return true;
    }
    return false;
}

} // namespace

QString JetToSqlite(const QString &jetSql, TJetWildcards wildcards)
{
    QString trailing;
    const QVector<TSqlToken> tokens = TokenizeSql(jetSql, SqlDialect::Jet, &trailing);
    if (hasUnterminated(tokens))
        return jetSql;
    int pos = 0;
    Sequence all = buildTree(tokens, pos, false, nullptr);
    // Statements separated by ";" are translated one by one.
    QString out;
    Sequence statement;
    auto flush = [&out, &statement, wildcards]() {
        translate(statement, true, wildcards);
        writeSequence(statement, out);
        statement.clear();
    };
    for (const Node &node : all) {
        if (!node.isGroup && node.token.isSymbol(";")) {
            flush();
            appendPiece(out, node.token.space, node.token.text, node.token.kind);
        } else {
            statement.append(node);
        }
    }
    flush();
    out += trailing;
    return out;
}
