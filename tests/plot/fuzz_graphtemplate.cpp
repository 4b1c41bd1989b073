// The report template beside the program is a text file anybody can edit:
// reading it and drawing every report it holds must never crash or hang.
#include "exposure/graphtemplate.h"
#include "reportengine/reportcanvas.h"

#include <cstddef>
#include <cstdint>

namespace
{

class NullCanvas : public ReportCanvas
{
protected:
    void beginPage(double, double, PageOrientation) override {}
    void drawText(double, double, const ReportFont &, const QString &) override {}
    void drawImage(const RectMm &, const RasterImage &) override {}
    void drawLineMm(double, double, double, double, double) override {}
    void drawRectMm(const RectMm &, double) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const TOpResult<TGraphTemplate> parsed = ParseGraphTemplate(text);
    if (!parsed.ok())
        return 0;
    TGraphTemplateParameters parameters;
    for (const char *name :
         {"ImageName", "Callsign", "Location", "Titre", "AntDesc", "MemoData", "DateTime"})
        parameters.values.insert(QString::fromLatin1(name), QStringLiteral("x\ny"));
    for (auto it = parsed.value.reports.constBegin(); it != parsed.value.reports.constEnd(); ++it) {
        NullCanvas canvas;
        RunGraphReport(parsed.value, it.key(), parameters, canvas);
    }
    return 0;
}
