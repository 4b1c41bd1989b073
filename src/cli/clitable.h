#pragma once

#include <QString>
#include <QVector>
#include <ostream>
#include <string>
#include <vector>

// Output helpers of the commands that print tables: CSV fields for machines,
// aligned columns for people.

// A CSV field, quoted when it holds a separator, a quote or a line break.
std::string CsvField(const std::string &text);

// A number with a decimal point and up to `digits` significant digits.
std::string PlainNumber(double value, int digits);

// Rows of cells (the first row the headings) in columns padded to their widest
// text, counted in characters; the columns listed in rightAligned are numbers.
void PrintColumns(const QVector<QVector<QString>> &rows, const std::vector<int> &rightAligned,
                  std::ostream &out);

// Arguments of a command "NAME DB CALL [--csv]": the two positional arguments
// and the flag, or an error text.
struct StationArguments {
    std::string db;
    std::string call;
    bool csv = false;
    std::string error; // empty when the arguments were understood
};
StationArguments ReadStationArguments(const std::vector<std::string> &args);
