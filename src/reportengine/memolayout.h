#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <vector>

// Breaks a block of text (a memo) into the lines printed between a left and a right
// edge. Pure logic: the width of a text comes from a measuring function, so the layout
// is the same for every back end and testable on its own.
//
// Rules:
// - Every entry of the list is a paragraph; a paragraph holding line breaks is split at
//   them. An empty (or all-blank) paragraph gives one empty line.
// - Lines break between words; a word wider than the whole line is broken between
//   characters. The spaces at a break are dropped; the leading spaces of a paragraph
//   (its indentation) stay on its first line.
// - Left: each line is printed as it stands, inner runs of spaces included (column
//   layouts in a fixed-pitch font stay aligned).
// - Block: a line that was broken because the paragraph went on is spread to the full
//   width: every gap between words keeps its own width and receives an equal share of
//   the remaining room. The last line of a paragraph, and a line of one word, stay left.
// - Tabs: with tab expansion each tab advances to the next multiple of eight character
//   columns; without it each tab counts as one space. Other control characters are dropped.
enum class MemoJustify { Left, Block };

struct MemoRun {
    QString text;
    double xMm = 0.0; // from the memo's left edge
};

struct MemoLine {
    QVector<MemoRun> runs; // empty for a blank line
    bool lastOfParagraph = false;
};

using TextMeasure = std::function<double(const QString &)>;

// Replaces each tab by the spaces up to the next multiple of tabSize columns.
QString ExpandTabs(const QString &line, int tabSize = 8);

std::vector<MemoLine> LayoutMemo(const QStringList &paragraphs, double widthMm, MemoJustify justify,
                                 bool expandTabs, const TextMeasure &measure);
