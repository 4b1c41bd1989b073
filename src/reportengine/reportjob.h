#pragma once

#include "reportengine/reportcanvas.h"
#include "reportengine/rtfwriter.h"

#include <QString>
#include <functional>

// One document for the report engine: the routine that draws all of its pages (run once
// for every output: preview, paper, PDF file) and the file name proposed when it is saved.
// Text-only documents also carry their text, which makes RTF output possible.
struct ReportJob {
    std::function<void(ReportCanvas &)> draw;
    QString fileName;
    bool hasText = false;
    RtfDocument text;
};

// Draws the job on the PDF back end and writes the file atomically.
bool WriteReportPdf(const ReportJob &job, const QString &path, QString *error);

// Writes the job's text as RTF; false when the job has no text.
bool WriteReportRtf(const ReportJob &job, const QString &path, QString *error);
