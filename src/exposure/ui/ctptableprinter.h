#pragma once

#include "exposure/evaluation.h"

#include <QDate>
#include <QVector>

class QPagedPaintDevice;
class QPrinter;

// Prints the evaluated list as a landscape table: the title "Critical Test
// Points", the date and "Page: n / count" on every page, the column captions
// in bold, grid lines between the columns, and one line per entry clipped to
// its column. Returns the number of pages printed.
int PrintCtpTable(QPrinter &printer, const TEvaluation &evaluation,
                  const QVector<int> &screenWidths, const QDate &date);
