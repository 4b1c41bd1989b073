#include "reports/antennareporttext.h"

#include "base/numberformat.h"
#include "exposure/engine/aperturesize.h"
#include "exposure/engine/engine.h"
#include "exposure/evaluation.h"
#include "reports/placeholders.h"

#include <cmath>

namespace
{
const char *const kPatternPlaceholders[10] = {"<V00>", "<V10>", "<V20>", "<V30>", "<V40>",
                                              "<V50>", "<V60>", "<V70>", "<V80>", "<V90>"};
} // namespace

QStringList AntennaReportPlaceholders()
{
    QStringList list = {
        QStringLiteral("<DATE>"),     QStringLiteral("<NAME>"),      QStringLiteral("<FNAME>"),
        QStringLiteral("<ADDRESS1>"), QStringLiteral("<ZIP>"),       QStringLiteral("<CITY>"),
        QStringLiteral("<CALL>"),     QStringLiteral("<PHONE>"),     QStringLiteral("<MAIL>"),
        QStringLiteral("<LOCREM>"),   QStringLiteral("<LAMX>"),      QStringLiteral("<LAMY>"),
        QStringLiteral("<LOCMAIN>"),  QStringLiteral("<ANTREF>"),    QStringLiteral("<ANTTYPE>"),
        QStringLiteral("<ANTMAKE>"),  QStringLiteral("<ANTHEIGHT>"), QStringLiteral("<ANTTILT>"),
        QStringLiteral("<ANTFREQ>"),  QStringLiteral("<ANTGAIN>"),   QStringLiteral("<ANTGAIN>"),
    };
    for (const char *p : kPatternPlaceholders)
        list << QString::fromLatin1(p);
    list << QStringLiteral("<ANTPWR>") << QStringLiteral("<EIRPPWR>");
    return list;
}

QString AntennaReportValue(const QString &placeholder, const TReportRow &row, int languageId,
                           const QDate &today)
{
    const QString p = placeholder.toUpper();
    if (p == QLatin1String("<DATE>"))
        return today.toString(QStringLiteral("dd/MM/yyyy"));
    if (p == QLatin1String("<NAME>"))
        return row.name;
    if (p == QLatin1String("<FNAME>"))
        return row.firstName;
    if (p == QLatin1String("<ADDRESS1>"))
        return row.address1;
    if (p == QLatin1String("<ZIP>"))
        return row.zip;
    if (p == QLatin1String("<CITY>"))
        return row.city;
    if (p == QLatin1String("<CALL>"))
        return row.call;
    if (p == QLatin1String("<PHONE>"))
        return row.phoneHome;
    if (p == QLatin1String("<MAIL>"))
        return row.email;
    if (p == QLatin1String("<LOCREM>"))
        return row.towerName;
    if (p == QLatin1String("<LAMX>"))
        return FormatNumber(std::round(row.lamX));
    if (p == QLatin1String("<LAMY>"))
        return FormatNumber(std::round(row.lamY));
    if (p == QLatin1String("<LOCMAIN>"))
        return YesNoWord(languageId, row.towerMain);
    if (p == QLatin1String("<ANTREF>"))
        return row.antennaRef;
    if (p == QLatin1String("<ANTTYPE>"))
        return row.antType;
    if (p == QLatin1String("<ANTMAKE>"))
        return row.antMake;
    if (p == QLatin1String("<ANTHEIGHT>"))
        return FormatNumber(row.antHeight);
    if (p == QLatin1String("<ANTTILT>"))
        return FormatNumber(RoundToInt(row.antTilt));
    if (p == QLatin1String("<ANTFREQ>"))
        return FixedNotation(row.frequency, 1);
    if (p == QLatin1String("<ANTGAIN>"))
        return FormatNumber(row.pattern[0]);
    if (p == QLatin1String("<V00>"))
        return QStringLiteral(" ") + ColumnText(row.pattern[0], 5);
    for (int k = 1; k < 10; ++k) {
        if (p == QLatin1String(kPatternPlaceholders[k]))
            return ColumnText(row.pattern[k], 5);
    }
    if (p == QLatin1String("<ANTPWR>"))
        return ColumnText(row.antPower, 5);
    if (p == QLatin1String("<EIRPPWR>"))
        return ColumnText(row.eirp, 5);
    return QString();
}

QStringList ReplaceReportPlaceholders(const QStringList &templateLines, const TReportRow &row,
                                      int languageId, const QDate &today)
{
    const QStringList placeholders = AntennaReportPlaceholders();
    QStringList out;
    out.reserve(templateLines.size());
    for (QString line : templateLines) {
        for (const QString &p : placeholders) {
            if (line.contains(p, Qt::CaseSensitive))
                line = ReplacePlaceholder(line, p, AntennaReportValue(p, row, languageId, today));
        }
        out << line;
    }
    return out;
}

double RowSpaceAttenuation(const TReportRow &row)
{
    return SpaceAttenuation(row.frequency, row.spaceAttLow, row.spaceAttHigh);
}

double RowFieldStrength(const TReportRow &row)
{
    AntennaPattern pattern{};
    for (int k = 0; k < 10; ++k)
        pattern[k] = row.pattern[k];
    const int aperture = ApertureSizeFromText(row.antExtra.toStdString());
    return FieldStrength(pattern, aperture, row.frequency, RoundToInt(row.antTilt),
                         row.pointDistance, row.pointHeight,
                         row.antPower - RowSpaceAttenuation(row), row.antHeight);
}

QString ReportPointLine(const TReportRow &row)
{
    return QStringLiteral("   ") + ColumnText(row.pointRef, 12) +
           ColumnText(row.pointDistance, 16) + ColumnText(row.pointHeight, 16) +
           ColumnText(FixedNotation(RowSpaceAttenuation(row), 1), 25) +
           (row.hasPower ? FixedNotation(RowFieldStrength(row), 2) : NoPowerChainText());
}

QStringList BuildAntennaReportText(const QStringList &templateLines,
                                   const QVector<TReportRow> &rows, int languageId,
                                   const QDate &today)
{
    const TReportRow first = rows.isEmpty() ? TReportRow() : rows.front();
    QStringList lines = ReplaceReportPlaceholders(templateLines, first, languageId, today);
    for (const TReportRow &row : rows)
        lines << ReportPointLine(row);
    return lines;
}
