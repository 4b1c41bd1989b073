#pragma once

#include "reportengine/reportcanvas.h"

#include <QString>
#include <memory>

// The PDF back end of the report engine, on libharu. Text uses the base-14 fonts
// (Helvetica, Courier, Times) with WinAnsi encoding, not embedded; text is converted
// to Windows-1252 before it is written. The document information is the program's:
// title "VLM", author "Current User", subject "Radiation Study", keywords "Velmor",
// creator "VLM Application", producer "QIV". Page content and pictures are compressed
// (pictures losslessly).
//
// The document is built in memory and written by save(): first under a temporary name
// beside the target, then renamed, so that a failed write never leaves a partial file
// under the final name and an existing file is replaced only by a complete one.
class PdfCanvas : public ReportCanvas
{
public:
    PdfCanvas();
    ~PdfCanvas() override;

    // The whole PDF file; empty with an error text when the library failed.
    QByteArray toPdf(QString *error);
    bool save(const QString &path, QString *error);

protected:
    void beginPage(double widthMm, double heightMm, PageOrientation orientation) override;
    void drawText(double x, double baseline, const ReportFont &font, const QString &text) override;
    void drawImage(const RectMm &rect, const RasterImage &image) override;
    void drawLineMm(double x1, double y1, double x2, double y2, double penWidth) override;
    void drawRectMm(const RectMm &rect, double penWidth) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
