#pragma once

#include "exposure/evaluation.h"
#include "store/recordresult.h"

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

// The PDF file the print dialog proposes for the table: in the owner's
// personal directory, named after the call ("ON4XYZ_VLM_CriticalTestPoints.pdf"),
// so that the owner's package takes it along.
QString CtpTableFilePath(const QString &userDirectory, const QString &call);

// Prints the table on the printer the dialog set up. A PDF file is written
// under a temporary name beside the chosen one and renamed onto it only when
// complete: a failure keeps an earlier file whole and is returned as the error.
TOpStatus PrintCtpTableSafely(QPrinter &printer, const TEvaluation &evaluation,
                              const QVector<int> &screenWidths, const QDate &date);
