#pragma once

#include <QString>
#include <QStringList>

// Values written into the text of a Jet statement. Statements never use
// parameters: every value is embedded in the text, so text must be quoted here.

// A text value as an SQL string literal: in single quotes, inner quotes doubled.
QString JetText(const QString &value);

// A Yes/No value as written into a statement: 1 or 0.
QString JetYesNo(bool value);

// The text of a memo column from the lines the caller hands over: every line
// followed by a line break. Takes the list by value: the operation owns it.
QString MemoText(QStringList lines);

// A memo column's text as an editor shows it: without the line break that ends
// the last line, so that the editor's lines saved again give the same text.
QString MemoEditorText(const QString &stored);

// The lines of an editor's text, for MemoText: none for an empty text.
QStringList MemoEditorLines(const QString &text);
