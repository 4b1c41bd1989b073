#include "reportengine/reportcanvas.h"

#include "reportengine/bmpreader.h"
#include "reportengine/textwidth.h"

#include <QCoreApplication>
#include <cmath>
#include <initializer_list>

namespace
{
constexpr double kA4ShortMm = 210.0;
constexpr double kA4LongMm = 297.0;
constexpr double kFitToleranceMm = 1e-6;

bool finite(std::initializer_list<double> values)
{
    for (double v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

// A single text line: tabs become spaces, other control characters are dropped (they have
// no glyph in the PDF fonts and would break the line on screen).
QString lineText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\t')
            out.append(u' ');
        else if (c.unicode() >= 0x20 && c.unicode() != 0x7F)
            out.append(c);
    }
    return out;
}
} // namespace

ReportCanvas::ReportCanvas() = default;
ReportCanvas::~ReportCanvas() = default;

void ReportCanvas::setMargins(double left, double right, double top, double bottom)
{
    if (!checkPosition({left, right, top, bottom}))
        return;
    left_ = left;
    right_ = right;
    top_ = top;
    bottom_ = bottom;
}

void ReportCanvas::setOrientation(PageOrientation orientation)
{
    orientation_ = orientation;
}

void ReportCanvas::newPage()
{
    openPageIfPending();
    pagePending_ = true;
    line_ = 0;
}

void ReportCanvas::setFont(const QString &name, double sizePt)
{
    font_.name = name;
    font_.sizePt = sizePt > 0.0 ? sizePt : 1.0;
}

void ReportCanvas::setBold(bool bold)
{
    font_.bold = bold;
}

void ReportCanvas::moveToLine(int line)
{
    line_ = line < 0 ? 0 : line;
}

void ReportCanvas::newLine()
{
    ++line_;
}

void ReportCanvas::printLeft(double x, const QString &text)
{
    const QString line = lineText(text);
    if (line.isEmpty() || !checkPosition({x}))
        return;
    prepareLine();
    drawText(x, baseline(), font_, line);
}

void ReportCanvas::printRight(double x, const QString &text)
{
    const QString line = lineText(text);
    if (line.isEmpty() || !checkPosition({x}))
        return;
    prepareLine();
    drawText(x - TextWidthMm(font_, line), baseline(), font_, line);
}

int ReportCanvas::printMemo(const QStringList &lines, double xLeft, double xRight,
                            MemoJustify justify, int maxLines, bool expandTabs)
{
    if (!checkPosition({xLeft, xRight}))
        return 0;
    const ReportFont font = font_;
    const std::vector<MemoLine> layout =
        LayoutMemo(lines, xRight - xLeft, justify, expandTabs,
                   [&font](const QString &text) { return TextWidthMm(font, text); });
    int printed = 0;
    for (const MemoLine &line : layout) {
        if (maxLines > 0 && printed >= maxLines)
            break;
        if (!line.runs.isEmpty()) {
            prepareLine();
            for (const MemoRun &run : line.runs)
                drawText(xLeft + run.xMm, baseline(), font_, run.text);
        }
        ++line_;
        ++printed;
    }
    return printed;
}

bool ReportCanvas::printBitmap(double x, double y, double width, double height,
                               const RasterImage &image)
{
    if (!checkPosition({x, y, width, height}))
        return false;
    if (image.isNull() || image.rgb.size() < qint64(image.width) * image.height * 3) {
        setError(QCoreApplication::translate("ReportCanvas", "The picture is empty."));
        return false;
    }
    openPageIfPending();
    drawImage(ImagePlacement(x, y, width, height, image), image);
    return true;
}

bool ReportCanvas::printBitmapFile(double x, double y, double width, double height,
                                   const QString &path)
{
    RasterImage image;
    QString error;
    if (!ReadBmpFile(path, &image, &error)) {
        setError(error);
        return false;
    }
    return printBitmap(x, y, width, height, image);
}

void ReportCanvas::drawLine(double x1, double y1, double x2, double y2, double penWidthMm)
{
    if (!checkPosition({x1, y1, x2, y2, penWidthMm}))
        return;
    openPageIfPending();
    drawLineMm(x1, y1, x2, y2, penWidthMm);
}

void ReportCanvas::drawRect(const RectMm &rect, double penWidthMm)
{
    if (!checkPosition({rect.x, rect.y, rect.width, rect.height, penWidthMm}))
        return;
    openPageIfPending();
    drawRectMm(rect, penWidthMm);
}

double ReportCanvas::pageWidthMm() const
{
    const PageOrientation o = pagePending_ ? orientation_ : pageOrientation_;
    return o == PageOrientation::Landscape ? kA4LongMm : kA4ShortMm;
}

double ReportCanvas::pageHeightMm() const
{
    const PageOrientation o = pagePending_ ? orientation_ : pageOrientation_;
    return o == PageOrientation::Landscape ? kA4ShortMm : kA4LongMm;
}

void ReportCanvas::ensurePage()
{
    if (pages_ == 0)
        openPageIfPending();
}

void ReportCanvas::setError(const QString &text)
{
    if (error_.isEmpty())
        error_ = text;
}

bool ReportCanvas::checkPosition(std::initializer_list<double> values)
{
    if (finite(values))
        return true;
    setError(
        QCoreApplication::translate("ReportCanvas", "A position on the page is not a number."));
    return false;
}

void ReportCanvas::openPageIfPending()
{
    if (!pagePending_)
        return;
    pagePending_ = false;
    pageOrientation_ = orientation_;
    ++pages_;
    beginPage(pageWidthMm(), pageHeightMm(), pageOrientation_);
}

void ReportCanvas::prepareLine()
{
    const double bottomLimit = pageHeightMm() - bottom_;
    if (line_ > 0 && lineTop() + font_.linePitchMm() > bottomLimit + kFitToleranceMm) {
        pagePending_ = true; // continue on the next page (or on the page not yet opened)
        line_ = 0;
    }
    openPageIfPending();
}
