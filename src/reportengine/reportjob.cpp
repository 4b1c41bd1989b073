#include "reportengine/reportjob.h"

#include "reportengine/pdfcanvas.h"

#include <QCoreApplication>

bool WriteReportPdf(const ReportJob &job, const QString &path, QString *error)
{
    PdfCanvas canvas;
    if (job.draw)
        job.draw(canvas);
    return canvas.save(path, error);
}

bool WriteReportRtf(const ReportJob &job, const QString &path, QString *error)
{
    if (!job.hasText) {
        if (error)
            *error =
                QCoreApplication::translate("ReportJob", "This document cannot be saved as RTF.");
        return false;
    }
    return WriteRtfFile(job.text, path, error);
}
