#pragma once

#include "reports/documentdata.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

// The text of one antenna placement's report: the "AntReport" template with its
// placeholders replaced by the values of the first data row, followed by one line per
// critical test point with its field strength.

// The placeholders of the template, in the order they are tried on each line.
QStringList AntennaReportPlaceholders();

// The value that replaces a placeholder of AntennaReportPlaceholders() (empty for any
// other text). `row` is the first data row (a default row when the site has no point).
QString AntennaReportValue(const QString &placeholder, const TReportRow &row, int languageId,
                           const QDate &today);

// The template lines with every placeholder replaced; a line holding a placeholder only
// in lower case keeps it.
QStringList ReplaceReportPlaceholders(const QStringList &templateLines, const TReportRow &row,
                                      int languageId, const QDate &today);

// The space attenuation of a row: SpaceAttHigh from 1000 MHz on, SpaceAttLow below.
double RowSpaceAttenuation(const TReportRow &row);

// The field strength at the row's point in V/m, with the power at the antenna reduced by
// the row's own space attenuation.
double RowFieldStrength(const TReportRow &row);

// One point line: three spaces, the reference in 12 columns, distance and height in 16
// columns each, the space attenuation (1 decimal) in 25 columns, then the field strength
// (2 decimals).
QString ReportPointLine(const TReportRow &row);

// The whole report: the replaced template, then one point line per row in row order.
QStringList BuildAntennaReportText(const QStringList &templateLines,
                                   const QVector<TReportRow> &rows, int languageId,
                                   const QDate &today);
