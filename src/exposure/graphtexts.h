#pragma once

#include "exposure/graphinfo.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The texts of the plot window: the mouse read-out, the point panel, the rows
// of the summary grid and the parameters of the plot print. Numbers use the
// program's format; lines of a panel end with a line feed and a carriage return.
// The captions are in the interface language (context "GraphTexts"); their
// translations keep the English widths, so that the values stay aligned.

// Separates the lines of the read-out and the point panel.
extern const QString GraphLineBreak;

// The free-space field strength at the cursor (X as distance, Y as height)
// from the antenna power without space attenuation.
double ReadOutFieldStrength(const TGraphInfo &info, double x, double y);

// "X(m)   =  " X, "Y(m)   =  " Y (1 decimal, 5 characters), "FS(V/m)=  " E
// (2 decimals, 6 characters).
QString ReadOutText(double x, double y, double e);

// "Critical point =", "Height (m)     =", "Distance (m)   =" (5 characters) and
// "Field Str(V/m) =" (6 characters), one per line.
QString PointPanelText(const TGraphPoint &point);

// One row of the summary grid.
struct TGraphGridRow {
    QString label;
    QString value;
};

// Rows 0 to 14, and row 15 "Diam(wvl):" for an aperture antenna.
QVector<TGraphGridRow> GraphGridRows(const TGraphInfo &info);

// The label padded to 18 characters followed by the value: the print's
// "AntDesc" parameter from the description row.
QString PrintAntennaDescription(const QVector<TGraphGridRow> &rows);

// The print's "MemoData": rows 5 to the last, each as its label padded or cut
// to 18 characters followed by its value right-aligned in 5 characters, each
// followed by a line holding one space.
QStringList PrintMemoLines(const QVector<TGraphGridRow> &rows);
