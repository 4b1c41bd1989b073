#pragma once

#include "reportengine/reportcanvas.h"

#include <QPainter>

class QPagedPaintDevice;

// The QPainter back end of the report engine: draws a document on a paged device, a
// QPrinter for the preview and paper or a QPdfWriter. Pages are A4 without printer
// margins, so that millimetres count from the paper's edges as in the PDF file. Text uses
// Liberation Sans, Mono and Serif in place of Arial, Courier New and Times New Roman;
// positions come from the same layout as the PDF back end.
class PainterCanvas : public ReportCanvas
{
public:
    explicit PainterCanvas(QPagedPaintDevice *device);
    ~PainterCanvas() override;

    // Ends the document (a document has at least one page); false when the device
    // could not be painted on.
    bool finish(QString *error);

protected:
    void beginPage(double widthMm, double heightMm, PageOrientation orientation) override;
    void drawText(double x, double baseline, const ReportFont &font, const QString &text) override;
    void drawImage(const RectMm &rect, const RasterImage &image) override;
    void drawLineMm(double x1, double y1, double x2, double y2, double penWidth) override;
    void drawRectMm(const RectMm &rect, double penWidth) override;

private:
    QPointF toDevice(double x, double y) const { return {x * pxPerMmX_, y * pxPerMmY_}; }

    QPagedPaintDevice *device_;
    QPainter painter_;
    double pxPerMmX_ = 1.0;
    double pxPerMmY_ = 1.0;
    bool failed_ = false;
};
