// The page layout of the exposure summary: portrait A4, the title, the
// introduction and the method, then per site the table of its critical test
// points and the table of its safety distances.
#include "base/numberformat.h"
#include "reportengine/reportcanvas.h"
#include "reports/exposuresummary.h"

#include <cmath>

namespace
{

constexpr double Left = 20.0;
constexpr double Right = 15.0;
constexpr double Top = 20.0;
constexpr double Bottom = 20.0;
const QString Font = QStringLiteral("Arial");

// Moves to the first line of the new font's grid that lies below what the
// old font printed, so that lines of different sizes never overlap.
void SwitchFont(ReportCanvas &canvas, double sizePt, bool bold)
{
    const double used = canvas.currentLine() * canvas.linePitchMm();
    canvas.setFont(Font, sizePt);
    canvas.setBold(bold);
    canvas.moveToLine(int(std::ceil(used / canvas.linePitchMm() - 1e-9)));
}

double RightEdge(const ReportCanvas &canvas)
{
    return canvas.pageWidthMm() - Right;
}

// A table column: its left edge, or its right edge for numbers.
struct Column {
    double x;
    bool right;
};

void PrintRow(ReportCanvas &canvas, const QVector<Column> &columns, const QStringList &cells)
{
    for (int c = 0; c < columns.size() && c < cells.size(); ++c) {
        if (columns[c].right)
            canvas.printRight(columns[c].x, cells[c]);
        else
            canvas.printLeft(columns[c].x, cells[c]);
    }
    canvas.newLine();
}

void PrintHeader(ReportCanvas &canvas, const QVector<Column> &columns, const QStringList &cells)
{
    canvas.setBold(true);
    PrintRow(canvas, columns, cells);
    canvas.setBold(false);
    const double y = canvas.marginTop() + canvas.currentLine() * canvas.linePitchMm();
    canvas.drawLine(Left, y, RightEdge(canvas), y);
}

const QVector<Column> &PointColumns()
{
    static const QVector<Column> columns = {
        {Left, false},     {Left + 17, false}, {Left + 56, true},  {Left + 74, true},
        {Left + 97, true}, {Left + 120, true}, {Left + 124, false}};
    return columns;
}

const QVector<Column> &SafetyColumns()
{
    static const QVector<Column> columns = {
        {Left + 17, false}, {Left + 56, true}, {Left + 97, true}, {Left + 124, false}};
    return columns;
}

QString SafetyCell(const TExposureSummary &s, const TPlacementSafety &p)
{
    if (!p.limit)
        return s.texts.word(ExposureWords::NoLimit);
    if (!p.hasPower || !p.distance)
        return s.texts.word(ExposureWords::NoPower);
    return FormatRounded(*p.distance, 2) + QStringLiteral(" m");
}

void PrintSite(ReportCanvas &canvas, const TExposureSummary &s, const QString &site)
{
    const TExposureTexts &t = s.texts;
    SwitchFont(canvas, 11, true);
    canvas.printLeft(Left, t.word(ExposureWords::Site) + QStringLiteral(": ") + site);
    canvas.newLine();

    SwitchFont(canvas, 8.5, true);
    canvas.printLeft(Left, t.word(ExposureWords::Points));
    canvas.newLine();
    const QVector<TExposureRow> rows = ExposureRowsOfSite(s, site);
    if (rows.isEmpty()) {
        canvas.setBold(false);
        canvas.printLeft(Left, t.word(ExposureWords::NoPoints));
        canvas.newLine();
    } else {
        PrintHeader(canvas, PointColumns(), t.pointColumns);
        for (const TExposureRow &row : rows) {
            canvas.setBold(row.together);
            PrintRow(canvas, PointColumns(), row.cells);
        }
        canvas.setBold(false);
    }
    canvas.newLine();

    canvas.setBold(true);
    canvas.printLeft(Left, t.word(ExposureWords::Safety));
    canvas.newLine();
    PrintHeader(canvas, SafetyColumns(), t.safetyColumns);
    for (const TPlacementSafety &p : s.safety) {
        if (p.siteName != site)
            continue;
        PrintRow(canvas, SafetyColumns(),
                 {p.placementRef, FormatNumber(p.frequency),
                  p.limit ? FormatRounded(*p.limit, 2) : QStringLiteral("-"), SafetyCell(s, p)});
    }
    canvas.newLine();
}

} // namespace

void DrawExposureSummary(ReportCanvas &canvas, const TExposureSummary &s)
{
    canvas.setOrientation(PageOrientation::Portrait);
    canvas.setMargins(Left, Right, Top, Bottom);
    canvas.setFont(Font, 15);
    canvas.setBold(true);
    canvas.moveToLine(0);
    canvas.printLeft(Left, ExposureTitle(s));
    canvas.newLine();

    SwitchFont(canvas, 10, false);
    canvas.newLine();
    canvas.printMemo(ExposureIntro(s), Left, RightEdge(canvas), MemoJustify::Left);
    if (!s.missingPower.isEmpty()) {
        canvas.setBold(true);
        canvas.printMemo({s.texts.word(ExposureWords::Incomplete)
                              .arg(s.missingPower.join(QStringLiteral(", ")))},
                         Left, RightEdge(canvas), MemoJustify::Left);
        canvas.setBold(false);
    }
    canvas.newLine();

    SwitchFont(canvas, 9, false);
    canvas.printMemo(s.texts.method, Left, RightEdge(canvas), MemoJustify::Left);
    canvas.newLine();

    for (const QString &site : ExposureSites(s))
        PrintSite(canvas, s, site);
}
