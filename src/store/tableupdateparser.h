#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The table-update file of the maker's server: a first line that is exactly
// "<VLM_DB_UPDATE>", then blocks of one SQL statement each. A line containing
// "<BEGIN>" opens a block, a line containing "<END>" closes it; neither marker
// line belongs to the statement. Lines outside blocks are comments. A "<BEGIN>"
// inside an open block drops the unfinished statement and starts again; a line
// holding both markers closes the current block and opens the next.

inline const QString TableUpdateMarker = QStringLiteral("<VLM_DB_UPDATE>");

struct TTableUpdateBlock {
    int number = 0;      // 1, 2, ... in file order, counting every "<BEGIN>"
    QString statement;   // the block's lines joined by "\n"
    bool closed = false; // an "<END>" line closed it; only closed blocks are run
};

struct TTableUpdateScript {
    bool recognised = false; // the first line is the marker
    QVector<TTableUpdateBlock> blocks;
};

// Splits text into lines at CR LF, LF or CR. A line break at the very end
// does not start another line.
QStringList SplitUpdateLines(const QString &text);

// The file's bytes as text: UTF-8 when they are valid UTF-8, else Latin-1
// (files written by older tools are 8-bit).
QString DecodeUpdateFile(const QByteArray &bytes);

TTableUpdateScript ParseTableUpdate(const QStringList &lines);
