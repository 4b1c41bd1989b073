#include "store/tableupdateparser.h"

#include <QStringDecoder>

namespace
{
const QString BeginMarker = QStringLiteral("<BEGIN>");
const QString EndMarker = QStringLiteral("<END>");
} // namespace

QStringList SplitUpdateLines(const QString &text)
{
    QStringList lines;
    QString current;
    bool pending = false; // a line has started (text or a break seen)
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            pending = false;
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            current.append(c);
            pending = true;
        }
    }
    if (pending)
        lines.append(current);
    return lines;
}

QString DecodeUpdateFile(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

TTableUpdateScript ParseTableUpdate(const QStringList &lines)
{
    TTableUpdateScript script;
    if (lines.isEmpty() || lines.first() != TableUpdateMarker)
        return script;
    script.recognised = true;

    bool inBlock = false;
    int number = 0;
    QStringList statement;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const bool ends = line.contains(EndMarker);
        const bool begins = line.contains(BeginMarker);
        // An "<END>" outside a block has nothing to close and is a comment.
        if (ends && inBlock) {
            inBlock = false;
            TTableUpdateBlock &block = script.blocks.last();
            block.statement = statement.join(QLatin1Char('\n'));
            block.closed = true;
        } else if (inBlock && !begins) {
            statement.append(line);
        }
        if (begins) {
            inBlock = true;
            statement.clear();
            script.blocks.append(TTableUpdateBlock{++number, QString(), false});
        }
    }
    return script;
}
