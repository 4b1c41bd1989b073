#include "cli/clitable.h"

#include <algorithm>

std::string CsvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string PlainNumber(double value, int digits)
{
    return QString::number(value, 'g', digits).toStdString();
}

void PrintColumns(const QVector<QVector<QString>> &rows, const std::vector<int> &rightAligned,
                  std::ostream &out)
{
    QVector<int> width;
    for (const QVector<QString> &row : rows) {
        width.resize(std::max(width.size(), row.size()));
        for (int c = 0; c < row.size(); ++c)
            width[c] = std::max(width[c], int(row[c].size()));
    }
    for (const QVector<QString> &row : rows) {
        QString line;
        for (int c = 0; c < row.size(); ++c) {
            const bool right =
                std::find(rightAligned.begin(), rightAligned.end(), c) != rightAligned.end();
            const QString cell =
                right ? row[c].rightJustified(width[c]) : row[c].leftJustified(width[c]);
            line += (c ? QStringLiteral("  ") : QString()) + cell;
        }
        out << line.trimmed().toStdString() << '\n';
    }
}

StationArguments ReadStationArguments(const std::vector<std::string> &args)
{
    StationArguments a;
    std::vector<std::string> positional;
    for (const std::string &arg : args) {
        if (arg == "--csv")
            a.csv = true;
        else if (arg.rfind("--", 0) == 0)
            a.error = "unknown option '" + arg + "'";
        else
            positional.push_back(arg);
        if (!a.error.empty())
            return a;
    }
    if (positional.size() != 2) {
        a.error = "expected DB and CALL";
        return a;
    }
    a.db = positional[0];
    a.call = positional[1];
    return a;
}
