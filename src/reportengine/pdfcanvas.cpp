#include "reportengine/pdfcanvas.h"

#include "base/clock.h"
#include "base/safefile.h"
#include "reportengine/winansi.h"

#include <QCoreApplication>
#include <cstdlib>
#include <hpdf.h>

namespace
{
constexpr double kPointsPerMm = 72.0 / 25.4;

void setDate(HPDF_Doc doc)
{
    const QDateTime now = CurrentDateTime();
    const int offsetMinutes = now.offsetFromUtc() / 60;
    HPDF_Date date{};
    date.year = now.date().year();
    date.month = now.date().month();
    date.day = now.date().day();
    date.hour = now.time().hour();
    date.minutes = now.time().minute();
    date.seconds = now.time().second();
    date.ind = offsetMinutes > 0 ? '+' : (offsetMinutes < 0 ? '-' : 'Z');
    date.off_hour = std::abs(offsetMinutes) / 60;
    date.off_minutes = std::abs(offsetMinutes) % 60;
    HPDF_SetInfoDateAttr(doc, HPDF_INFO_CREATION_DATE, date);
}
} // namespace

struct PdfCanvas::Private {
    HPDF_Doc doc = nullptr;
    HPDF_Page page = nullptr;
    double pageHeightPt = 0.0;
    HPDF_STATUS firstError = HPDF_OK;
    HPDF_STATUS firstDetail = HPDF_OK;

    static void onError(HPDF_STATUS error, HPDF_STATUS detail, void *user)
    {
        auto *self = static_cast<Private *>(user);
        if (self->firstError == HPDF_OK) {
            self->firstError = error;
            self->firstDetail = detail;
        }
    }

    QString errorText() const
    {
        return QCoreApplication::translate("PdfCanvas",
                                           "The PDF library failed (error 0x%1, detail %2).")
            .arg(static_cast<qulonglong>(firstError), 4, 16, QLatin1Char('0'))
            .arg(static_cast<qulonglong>(firstDetail));
    }

    double yPt(double yMm) const { return pageHeightPt - yMm * kPointsPerMm; }
};

PdfCanvas::PdfCanvas() : d(std::make_unique<Private>())
{
    d->doc = HPDF_New(&Private::onError, d.get());
    if (!d->doc) {
        setError(QCoreApplication::translate("PdfCanvas", "The PDF library could not start."));
        return;
    }
    HPDF_SetCompressionMode(d->doc, HPDF_COMP_ALL);
    HPDF_SetInfoAttr(d->doc, HPDF_INFO_TITLE, "VLM");
    HPDF_SetInfoAttr(d->doc, HPDF_INFO_AUTHOR, "Current User");
    HPDF_SetInfoAttr(d->doc, HPDF_INFO_SUBJECT, "Radiation Study");
    HPDF_SetInfoAttr(d->doc, HPDF_INFO_KEYWORDS, "Velmor");
    HPDF_SetInfoAttr(d->doc, HPDF_INFO_CREATOR, "VLM Application");
    HPDF_SetInfoAttr(d->doc, HPDF_INFO_PRODUCER, "QIV");
    setDate(d->doc);
}

PdfCanvas::~PdfCanvas()
{
    if (d->doc)
        HPDF_Free(d->doc);
}

void PdfCanvas::beginPage(double widthMm, double heightMm, PageOrientation)
{
    if (!d->doc)
        return;
    d->page = HPDF_AddPage(d->doc);
    if (!d->page)
        return;
    d->pageHeightPt = heightMm * kPointsPerMm;
    HPDF_Page_SetWidth(d->page, static_cast<HPDF_REAL>(widthMm * kPointsPerMm));
    HPDF_Page_SetHeight(d->page, static_cast<HPDF_REAL>(d->pageHeightPt));
}

void PdfCanvas::drawText(double x, double baseline, const ReportFont &font, const QString &text)
{
    if (!d->page)
        return;
    QByteArray bytes = ToWinAnsi(text);
    bytes.replace('\0', "");
    if (bytes.isEmpty())
        return;
    HPDF_Font pdfFont =
        HPDF_GetFont(d->doc, Base14FontName(font.family(), font.bold), "WinAnsiEncoding");
    if (!pdfFont)
        return;
    HPDF_Page_BeginText(d->page);
    HPDF_Page_SetFontAndSize(d->page, pdfFont, static_cast<HPDF_REAL>(font.sizePt));
    HPDF_Page_TextOut(d->page, static_cast<HPDF_REAL>(x * kPointsPerMm),
                      static_cast<HPDF_REAL>(d->yPt(baseline)), bytes.constData());
    HPDF_Page_EndText(d->page);
}

void PdfCanvas::drawImage(const RectMm &rect, const RasterImage &image)
{
    if (!d->page)
        return;
    HPDF_Image pdfImage =
        HPDF_LoadRawImageFromMem(d->doc, reinterpret_cast<const HPDF_BYTE *>(image.rgb.constData()),
                                 static_cast<HPDF_UINT>(image.width),
                                 static_cast<HPDF_UINT>(image.height), HPDF_CS_DEVICE_RGB, 8);
    if (!pdfImage) {
        setError(d->errorText());
        return;
    }
    HPDF_Page_DrawImage(d->page, pdfImage, static_cast<HPDF_REAL>(rect.x * kPointsPerMm),
                        static_cast<HPDF_REAL>(d->yPt(rect.y + rect.height)),
                        static_cast<HPDF_REAL>(rect.width * kPointsPerMm),
                        static_cast<HPDF_REAL>(rect.height * kPointsPerMm));
}

void PdfCanvas::drawLineMm(double x1, double y1, double x2, double y2, double penWidth)
{
    if (!d->page)
        return;
    HPDF_Page_SetLineWidth(d->page, static_cast<HPDF_REAL>(penWidth * kPointsPerMm));
    HPDF_Page_MoveTo(d->page, static_cast<HPDF_REAL>(x1 * kPointsPerMm),
                     static_cast<HPDF_REAL>(d->yPt(y1)));
    HPDF_Page_LineTo(d->page, static_cast<HPDF_REAL>(x2 * kPointsPerMm),
                     static_cast<HPDF_REAL>(d->yPt(y2)));
    HPDF_Page_Stroke(d->page);
}

void PdfCanvas::drawRectMm(const RectMm &rect, double penWidth)
{
    if (!d->page)
        return;
    HPDF_Page_SetLineWidth(d->page, static_cast<HPDF_REAL>(penWidth * kPointsPerMm));
    HPDF_Page_Rectangle(d->page, static_cast<HPDF_REAL>(rect.x * kPointsPerMm),
                        static_cast<HPDF_REAL>(d->yPt(rect.y + rect.height)),
                        static_cast<HPDF_REAL>(rect.width * kPointsPerMm),
                        static_cast<HPDF_REAL>(rect.height * kPointsPerMm));
    HPDF_Page_Stroke(d->page);
}

QByteArray PdfCanvas::toPdf(QString *error)
{
    ensurePage();
    auto failed = [&](const QString &text) {
        if (error)
            *error = text;
        return QByteArray();
    };
    if (!ok())
        return failed(errorText());
    if (!d->doc)
        return failed(QCoreApplication::translate("PdfCanvas", "The PDF library could not start."));
    if (d->firstError != HPDF_OK || HPDF_SaveToStream(d->doc) != HPDF_OK)
        return failed(d->errorText());
    QByteArray pdf;
    pdf.resize(static_cast<qsizetype>(HPDF_GetStreamSize(d->doc)));
    HPDF_ResetStream(d->doc);
    qsizetype done = 0;
    while (done < pdf.size()) {
        HPDF_UINT32 chunk = static_cast<HPDF_UINT32>(pdf.size() - done);
        const HPDF_STATUS status =
            HPDF_ReadFromStream(d->doc, reinterpret_cast<HPDF_BYTE *>(pdf.data() + done), &chunk);
        done += chunk;
        if (status == HPDF_STREAM_EOF || chunk == 0)
            break;
        if (status != HPDF_OK)
            return failed(d->errorText());
    }
    if (done != pdf.size())
        return failed(QCoreApplication::translate(
            "PdfCanvas", "The PDF document could not be read back from memory."));
    return pdf;
}

bool PdfCanvas::save(const QString &path, QString *error)
{
    const QByteArray pdf = toPdf(error);
    if (pdf.isEmpty())
        return false;
    return WriteFileSafely(path, pdf, error);
}
