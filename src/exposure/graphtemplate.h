#pragma once

#include "reportengine/rasterimage.h"
#include "store/recordresult.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

class ReportCanvas;

// A report template file of the report engine, such as "Graph.rav": plain
// text, one command a line, drawn on the engine's canvas in millimetres.
//
//   # a comment                 blank lines and lines starting with # are skipped
//   report NAME                 starts the report NAME; the commands below belong to it
//   orientation portrait|landscape
//   margins LEFT RIGHT TOP BOTTOM
//   font "NAME" SIZE [bold]     e.g. font "Courier New" 9
//   goto LINE                   moves to a text line (0 is the top margin)
//   newline [COUNT]
//   left X "TEXT"               text starting at X on the current line
//   right X "TEXT"              text ending at X on the current line
//   memo XLEFT XRIGHT "TEXT"    lines of TEXT (split at line breaks) from the current line
//   image X Y WIDTH HEIGHT "FILE"   a bitmap; a size of 0 follows the picture's aspect
//   belowimage [GAP]            moves to the first line (of the current font) GAP mm
//                               below the last image
//   rule X1 Y1 X2 Y2 [WIDTH]    a line
//   box X Y WIDTH HEIGHT [WIDTH]    a rectangle
//
// Numbers use "." as decimal separator; line numbers and counts are kept
// within 0..10000 and font sizes within 1..200 points. Text in double quotes may hold {Name}
// for the value of the parameter Name; "" stands for one double quote.
struct TGraphTemplateCommand {
    QString name;
    QStringList args;
    int line = 0; // in the file, from 1
};

struct TGraphTemplate {
    QMap<QString, QVector<TGraphTemplateCommand>> reports;
};

// The values a report is run with: text parameters and pictures already read,
// by the file name the template's image command names.
struct TGraphTemplateParameters {
    QHash<QString, QString> values;
    QHash<QString, RasterImage> images;
};

// Reads the template; a command that is unknown, has the wrong arguments or
// stands before the first report is refused with its line number.
TOpResult<TGraphTemplate> ParseGraphTemplate(const QString &text);
TOpResult<TGraphTemplate> ReadGraphTemplate(const QString &path);

// Refuses a report that the template does not have or that uses a parameter
// that is not given.
TOpStatus CheckGraphReport(const TGraphTemplate &tmpl, const QString &report,
                           const TGraphTemplateParameters &parameters);

// Draws the report on the canvas (CheckGraphReport first). Failures of the
// drawing stay on the canvas (ok(), errorText()).
TOpStatus RunGraphReport(const TGraphTemplate &tmpl, const QString &report,
                         const TGraphTemplateParameters &parameters, ReportCanvas &canvas);
