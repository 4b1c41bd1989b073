#pragma once

#include <QString>
#include <QVector>

// The layout of the printed critical-test-points table, in printer pixels.
// The page is divided into 21 horizontal and 28,215 vertical units measured
// over the whole sheet (printable size plus twice the physical offset).

struct TCtpPrintLayout {
    double hUnit = 0;
    double vUnit = 0;
    QVector<int> edges; // column edges, left to right (one more than columns)
    int rowHeight = 0;
    int tableTop = 0; // top of the caption row
    int rowsPerPage = 0;
    int pageCount = 0;
};

// Rows that fit a page: (page height − 5 vertical units) / row height, rounded
// to the nearest whole number, and at least 1.
int CtpRowsPerPage(int pageHeight, double vUnit, int rowHeight);

// The smallest number of pages of rowsPerPage rows that holds rowCount rows;
// an empty table still prints one page.
int CtpPageCount(int rowCount, int rowsPerPage);

// Column edges from 1,5 horizontal units from the left to 1,5 units from the
// right page edge, each column's share proportional to its on-screen width,
// each edge rounded to a whole pixel as it is accumulated.
QVector<int> CtpColumnEdges(int pageWidth, double hUnit, const QVector<int> &screenWidths);

TCtpPrintLayout CtpPrintLayout(int pageWidth, int pageHeight, int offsetLeft, int offsetTop,
                               int rowHeight, const QVector<int> &screenWidths, int rowCount);

// The text at the top right of every page: "Date: " date " Page: " n " / " count.
QString CtpPageText(const QString &date, int page, int pageCount);
