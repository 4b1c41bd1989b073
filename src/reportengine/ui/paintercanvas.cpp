#include "reportengine/ui/paintercanvas.h"

#include <QCoreApplication>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPrinter>
#include <utility>

namespace
{
QPageLayout a4Layout(PageOrientation orientation)
{
    return QPageLayout(QPageSize(QPageSize::A4),
                       orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                 : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}
} // namespace

PainterCanvas::PainterCanvas(QPagedPaintDevice *device) : device_(device)
{
    if (auto *printer = dynamic_cast<QPrinter *>(device_))
        printer->setFullPage(true);
}

PainterCanvas::~PainterCanvas()
{
    if (painter_.isActive())
        painter_.end();
}

bool PainterCanvas::finish(QString *error)
{
    ensurePage();
    if (painter_.isActive())
        painter_.end();
    if (failed_)
        setError(
            QCoreApplication::translate("PainterCanvas", "The output device refused the page."));
    if (!ok() && error)
        *error = errorText();
    return ok();
}

void PainterCanvas::beginPage(double, double heightMm, PageOrientation orientation)
{
    if (!device_ || failed_)
        return;
    const QPageLayout wanted = a4Layout(orientation);
    // A printer that is printing keeps its page layout (only the PDF writer can change it
    // between pages): a page of the other orientation is then drawn turned a quarter.
    const auto *printer = dynamic_cast<QPrinter *>(device_);
    const bool fixedLayout = printer && printer->printerState() == QPrinter::Active &&
                             printer->paintEngine()->type() != QPaintEngine::Pdf;
    const QPageLayout current = device_->pageLayout();
    const bool sameLayout = current.isEquivalentTo(wanted);
    const bool turned = !sameLayout && (fixedLayout || !device_->setPageLayout(wanted)) &&
                        current.orientation() != wanted.orientation();
    if (!painter_.isActive() ? !painter_.begin(device_) : !device_->newPage()) {
        failed_ = true;
        return;
    }
    pxPerMmX_ = device_->logicalDpiX() / 25.4;
    pxPerMmY_ = device_->logicalDpiY() / 25.4;
    painter_.resetTransform();
    if (turned) {
        // The sheet is as wide as the drawn page is high.
        painter_.translate(heightMm * pxPerMmX_, 0);
        painter_.rotate(90);
        std::swap(pxPerMmX_, pxPerMmY_);
    }
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
}

void PainterCanvas::drawText(double x, double baseline, const ReportFont &font, const QString &text)
{
    if (!painter_.isActive())
        return;
    QFont qfont(ScreenFontName(font.family()));
    qfont.setPointSizeF(font.sizePt);
    qfont.setBold(font.bold);
    qfont.setKerning(false); // the layout measured the text without kerning
    painter_.setFont(qfont);
    painter_.setPen(Qt::black);
    painter_.drawText(toDevice(x, baseline), text);
}

void PainterCanvas::drawImage(const RectMm &rect, const RasterImage &image)
{
    if (!painter_.isActive())
        return;
    const QImage picture(reinterpret_cast<const uchar *>(image.rgb.constData()), image.width,
                         image.height, image.width * 3, QImage::Format_RGB888);
    painter_.drawImage(
        QRectF(toDevice(rect.x, rect.y), toDevice(rect.x + rect.width, rect.y + rect.height)),
        picture);
}

void PainterCanvas::drawLineMm(double x1, double y1, double x2, double y2, double penWidth)
{
    if (!painter_.isActive())
        return;
    painter_.setPen(QPen(Qt::black, penWidth * pxPerMmX_));
    painter_.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PainterCanvas::drawRectMm(const RectMm &rect, double penWidth)
{
    if (!painter_.isActive())
        return;
    painter_.setPen(QPen(Qt::black, penWidth * pxPerMmX_));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(
        QRectF(toDevice(rect.x, rect.y), toDevice(rect.x + rect.width, rect.y + rect.height)));
}
