#include "exposure/graphprint.h"

#include <utility>

const QString GraphTemplateFile = QStringLiteral("Graph.rav");
const QString GraphReportName = QStringLiteral("Report1");
const QString GraphPictureFile = QStringLiteral("TempRpt.bmp");
const QString GraphPrintTitle = QStringLiteral("Antenna Critical Points Plot");

TGraphTemplateParameters GraphPrintParameters(const TGraphPrintInputs &inputs)
{
    TGraphTemplateParameters p;
    p.values.insert(QStringLiteral("ImageName"), inputs.imagePath);
    p.values.insert(QStringLiteral("Callsign"), inputs.callSign);
    p.values.insert(QStringLiteral("Location"), inputs.location);
    p.values.insert(QStringLiteral("Titre"), GraphPrintTitle);
    p.values.insert(QStringLiteral("AntDesc"), PrintAntennaDescription(inputs.rows));
    p.values.insert(QStringLiteral("MemoData"),
                    PrintMemoLines(inputs.rows).join(QLatin1Char('\n')));
    p.values.insert(QStringLiteral("DateTime"),
                    inputs.dateTime.toString(QStringLiteral("dd-MM-yyyy hh:mm")));
    if (!inputs.image.isNull())
        p.images.insert(inputs.imagePath, inputs.image);
    return p;
}

TOpResult<ReportJob> BuildGraphPrintJob(const QString &templatePath,
                                        const TGraphPrintInputs &inputs)
{
    const TOpResult<TGraphTemplate> tmpl = ReadGraphTemplate(templatePath);
    if (!tmpl.ok())
        return TOpResult<ReportJob>::failure(tmpl.error);
    const TGraphTemplateParameters parameters = GraphPrintParameters(inputs);
    const TOpStatus checked = CheckGraphReport(tmpl.value, GraphReportName, parameters);
    if (!checked.ok())
        return TOpResult<ReportJob>::failure(checked);
    ReportJob job;
    job.fileName =
        inputs.callSign + QStringLiteral("_vlm_") + inputs.location + QStringLiteral("_diag.pdf");
    job.draw = [t = tmpl.value, parameters](ReportCanvas &canvas) {
        RunGraphReport(t, GraphReportName, parameters, canvas);
    };
    return TOpResult<ReportJob>::success(std::move(job));
}
