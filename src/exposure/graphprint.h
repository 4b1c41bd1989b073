#pragma once

#include "exposure/graphtemplate.h"
#include "exposure/graphtexts.h"
#include "reportengine/reportjob.h"
#include "store/recordresult.h"

#include <QDateTime>
#include <QString>

// The plot print: the report "Report1" of the template "Graph.rav" with the
// chart's picture and the placement's data.

extern const QString GraphTemplateFile; // "Graph.rav"
extern const QString GraphReportName;   // "Report1"
extern const QString GraphPictureFile;  // "TempRpt.bmp"
extern const QString GraphPrintTitle;   // "Antenna Critical Points Plot"

struct TGraphPrintInputs {
    QString imagePath; // where the chart's bitmap was written
    RasterImage image; // that bitmap, read before the file is deleted
    QString callSign;
    QString location; // the placement reference of the current selection
    QVector<TGraphGridRow> rows;
    QDateTime dateTime;
};

// "ImageName", "Callsign", "Location", "Titre", "AntDesc", "MemoData" and
// "DateTime" (day-month-year hours:minutes), with the picture under its path.
TGraphTemplateParameters GraphPrintParameters(const TGraphPrintInputs &inputs);

// Reads the template and checks the report against the parameters; the job
// draws it on any back end as often as asked.
TOpResult<ReportJob> BuildGraphPrintJob(const QString &templatePath,
                                        const TGraphPrintInputs &inputs);
