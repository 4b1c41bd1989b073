#pragma once

#include "reportengine/rasterimage.h"
#include "reports/documentdata.h"
#include "reports/reportkind.h"

#include <QDate>
#include <QString>
#include <QStringList>

class ReportCanvas;

// What the drawing routine needs for one document. The print operations fill it.
struct TReportInputs {
    ReportKind kind = ReportKind::AntennaReport;
    QDate today;

    // Letters (kinds 1, 3 and 4).
    TOwnerLetterData owner;
    TDocumentTemplate document;
    TRegulatorAddress regulator;

    // Kind 2: the report text, one entry a line.
    QStringList reportLines;

    // Kind 3: the terrain-study text and the files sent with the letter.
    QStringList terrainLines;
    QStringList files;

    // Kind 1: the picture of the low-power page, read from "Tmp.bmp" before drawing
    // (the file itself is gone by then). When it could not be read, `picturePath` names
    // the file so that the drawing reports why.
    RasterImage picture;
    QString picturePath;
};

// Draws every page of one document on the canvas, in millimetres from the page edges.
// Failures (a picture that cannot be drawn) are left on the canvas (ok(), errorText()).
void rvsEnginePrint(ReportCanvas &canvas, const TReportInputs &inputs);

// The parts of the drawing, for callers that draw letters of their own.
void PrintLetterHead(ReportCanvas &canvas, const TReportInputs &inputs);
