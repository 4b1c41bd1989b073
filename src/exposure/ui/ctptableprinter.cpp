#include "exposure/ui/ctptableprinter.h"

#include "base/ownerfilename.h"
#include "exposure/ctpprintlayout.h"
#include "exposure/ui/ctplistmodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <cmath>
#include <cstdio>

namespace
{

QFont tableFont(int points, bool bold = false)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

int px(double value)
{
    return int(std::lround(value));
}

} // namespace

int PrintCtpTable(QPrinter &printer, const TEvaluation &ev, const QVector<int> &screenWidths,
                  const QDate &date)
{
    printer.setDocName(QStringLiteral("Print All Critical Test Points"));
    printer.setCopyCount(1);
    printer.setPageOrientation(QPageLayout::Landscape);

    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const int offsetLeft = page.left() - paper.left();
    const int offsetTop = page.top() - paper.top();

    const QFont body = tableFont(10);
    const int rowHeight =
        QFontMetrics(body, &printer).boundingRect(QStringLiteral("Dummy")).height();
    const TCtpPrintLayout l = CtpPrintLayout(page.width(), page.height(), offsetLeft, offsetTop,
                                             rowHeight, screenWidths, ev.count());
    const int columns = l.edges.size() - 1;
    const int margin = px(0.1 * l.hUnit);
    painter.setPen(QPen(Qt::black, qMax(1, px(l.hUnit / 200))));

    for (int p = 0; p < l.pageCount; ++p) {
        if (p > 0)
            printer.newPage();
        const int first = p * l.rowsPerPage;
        const int rowsHere = qMin(l.rowsPerPage, ev.count() - first);
        const bool lastPage = p == l.pageCount - 1;

        // Header: date and page at the right, title at the left.
        painter.setFont(tableFont(8));
        const QString pageText =
            CtpPageText(QLocale().toString(date, QLocale::ShortFormat), p + 1, l.pageCount);
        const int right = page.width() - px(1.5 * l.hUnit);
        painter.drawText(QRect(0, px(0.5 * l.vUnit), right, rowHeight * 2),
                         Qt::AlignRight | Qt::AlignTop, pageText);
        painter.setFont(tableFont(18));
        painter.drawText(
            QPoint(px(3 * l.hUnit), px(l.vUnit) + QFontMetrics(painter.font(), &printer).ascent()),
            QStringLiteral("Critical Test Points"));

        // Grid: inner column edges, and the line under the captions.
        const int bottom = lastPage ? l.tableTop + (rowsHere + 1) * l.rowHeight
                                    : l.tableTop + (l.rowsPerPage + 2) * l.rowHeight;
        for (int c = 1; c < columns; ++c)
            painter.drawLine(l.edges[c], l.tableTop, l.edges[c], bottom);
        const int captionLine = l.tableTop + l.rowHeight;
        painter.drawLine(l.edges.first() - margin, captionLine, l.edges.last() + margin,
                         captionLine);

        painter.setFont(tableFont(10, true));
        for (int c = 0; c < columns; ++c) {
            painter.drawText(
                QRect(l.edges[c], l.tableTop, l.edges[c + 1] - l.edges[c], l.rowHeight),
                Qt::AlignCenter, TCtpListModel::columnCaption(c).trimmed());
        }

        painter.setFont(body);
        for (int i = 0; i < rowsHere; ++i) {
            const int y = l.tableTop + (i + 1) * l.rowHeight;
            const TEvaluationLine &line = ev.lines[first + i];
            for (int c = 0; c < columns && c < EvaluationColumnCount; ++c) {
                const QRect cell(l.edges[c] + margin, y, l.edges[c + 1] - l.edges[c] - 2 * margin,
                                 l.rowHeight);
                painter.save();
                painter.setClipRect(cell);
                painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, line[c]);
                painter.restore();
            }
        }
        // The note the marked values below 10 MHz refer to, under the last row.
        if (lastPage && HasEntryBelowTenMegahertz(ev)) {
            const int y = l.tableTop + (rowsHere + 1) * l.rowHeight + l.rowHeight / 2;
            painter.drawText(
                QRect(l.edges.first(), y, l.edges.last() - l.edges.first(), l.rowHeight),
                Qt::AlignLeft | Qt::AlignVCenter, NoLimitFootnote());
        }
    }
    return painter.end() ? l.pageCount : 0;
}

QString CtpTableFilePath(const QString &userDirectory, const QString &call)
{
    return OwnerFilePath(userDirectory, call, QStringLiteral("_VLM_CriticalTestPoints.pdf"));
}

namespace
{

// Qt's PDF engine does not report a failed write: on a full disk the file ends
// early. Its end-of-file marker is written last, so a file without it is cut off.
bool PdfWrittenWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return false;
    const qint64 tail = qMin<qint64>(file.size(), 1024);
    if (!file.seek(file.size() - tail))
        return false;
    return file.read(tail).contains("%%EOF");
}

} // namespace

TOpStatus PrintCtpTableSafely(QPrinter &printer, const TEvaluation &evaluation,
                              const QVector<int> &screenWidths, const QDate &date)
{
    const auto failed = [](const QString &path) {
        return TOpStatus{
            QCoreApplication::translate("CtpTablePrinter", "The table could not be saved as %1.")
                .arg(QDir::toNativeSeparators(path))};
    };
    const QString target = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty()) {
        if (PrintCtpTable(printer, evaluation, screenWidths, date) == 0)
            return TOpStatus{
                QCoreApplication::translate("CtpTablePrinter", "The table could not be printed.")};
        return TOpStatus{};
    }
    // The temporary name follows the pattern of interrupted writes, which the
    // program clears away and never packs.
    QTemporaryFile temporary(target + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return failed(target);
    temporary.close();
    printer.setOutputFileName(temporary.fileName());
    const int pages = PrintCtpTable(printer, evaluation, screenWidths, date);
    printer.setOutputFileName(target);
    if (pages == 0 || !PdfWrittenWhole(temporary.fileName()))
        return failed(target);
    // rename() replaces an earlier file in one step.
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0)
        return failed(target);
    temporary.setAutoRemove(false);
    return TOpStatus{};
}
