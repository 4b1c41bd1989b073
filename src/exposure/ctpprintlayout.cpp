#include "exposure/ctpprintlayout.h"

#include <QtGlobal>
#include <cmath>

int CtpRowsPerPage(int pageHeight, double vUnit, int rowHeight)
{
    if (rowHeight <= 0)
        return 1;
    const long rows = std::lround((pageHeight - 5 * vUnit) / rowHeight);
    return int(qMax(1L, rows));
}

int CtpPageCount(int rowCount, int rowsPerPage)
{
    if (rowCount <= 0)
        return 1;
    const int perPage = qMax(1, rowsPerPage);
    return (rowCount + perPage - 1) / perPage;
}

QVector<int> CtpColumnEdges(int pageWidth, double hUnit, const QVector<int> &screenWidths)
{
    const double left = 1.5 * hUnit;
    const double span = pageWidth - 3 * hUnit;
    int total = 0;
    for (int w : screenWidths)
        total += w;
    QVector<int> edges;
    double x = left;
    edges << int(std::lround(x));
    for (int w : screenWidths) {
        x += total > 0 ? span * w / total : 0.0;
        edges << int(std::lround(x));
    }
    return edges;
}

TCtpPrintLayout CtpPrintLayout(int pageWidth, int pageHeight, int offsetLeft, int offsetTop,
                               int rowHeight, const QVector<int> &screenWidths, int rowCount)
{
    TCtpPrintLayout l;
    l.vUnit = (pageHeight + 2.0 * offsetTop) / 28.215;
    l.hUnit = (pageWidth + 2.0 * offsetLeft) / 21.0;
    l.edges = CtpColumnEdges(pageWidth, l.hUnit, screenWidths);
    l.rowHeight = qMax(1, rowHeight);
    l.tableTop = int(std::lround(2.5 * l.vUnit));
    l.rowsPerPage = CtpRowsPerPage(pageHeight, l.vUnit, l.rowHeight);
    l.pageCount = CtpPageCount(rowCount, l.rowsPerPage);
    return l;
}

QString CtpPageText(const QString &date, int page, int pageCount)
{
    return QStringLiteral("Date: ") + date + QStringLiteral(" Page: ") + QString::number(page) +
           QStringLiteral(" / ") + QString::number(pageCount);
}
