#include "exposure/graphtexts.h"

#include "base/numberformat.h"
#include "exposure/engine/engine.h"

#include <QCoreApplication>

const QString GraphLineBreak = QStringLiteral("\n\r");

namespace
{

constexpr int DescriptionRow = 4;
constexpr int FirstMemoRow = 5;
constexpr int PrintLabelWidth = 18;

QString Aligned(double value, int decimals, int width)
{
    return FormatRounded(value, decimals).rightJustified(width);
}

} // namespace

double ReadOutFieldStrength(const TGraphInfo &info, double x, double y)
{
    return FieldStrength(info.pattern, info.apertureSize, info.frequency, info.tilt, x, y,
                         info.antennaPower, info.antennaHeight);
}

QString ReadOutText(double x, double y, double e)
{
    return QCoreApplication::translate("GraphTexts", "X(m)   =  ") + Aligned(x, 1, 5) +
           GraphLineBreak + QCoreApplication::translate("GraphTexts", "Y(m)   =  ") +
           Aligned(y, 1, 5) + GraphLineBreak +
           QCoreApplication::translate("GraphTexts", "FS(V/m)=  ") + Aligned(e, 2, 6);
}

QString PointPanelText(const TGraphPoint &point)
{
    return QCoreApplication::translate("GraphTexts", "Critical point =") +
           FormatNumber(point.number).rightJustified(5) + GraphLineBreak +
           QCoreApplication::translate("GraphTexts", "Height (m)     =") + Aligned(point.y, 2, 5) +
           GraphLineBreak + QCoreApplication::translate("GraphTexts", "Distance (m)   =") +
           Aligned(point.x, 2, 5) + GraphLineBreak +
           QCoreApplication::translate("GraphTexts", "Field Str(V/m) =") +
           Aligned(point.fieldStrength, 2, 6);
}

QVector<TGraphGridRow> GraphGridRows(const TGraphInfo &info)
{
    const auto number = [](double value) { return Aligned(value, 2, 6); };
    QVector<TGraphGridRow> rows = {
        {QCoreApplication::translate("GraphTexts", "Call:"), info.callSign},
        {QString(), QString()},
        {QCoreApplication::translate("GraphTexts", "Antenna:"), info.placementRef},
        {QCoreApplication::translate("GraphTexts", "Ant.type:"), info.antennaType},
        {QCoreApplication::translate("GraphTexts", "Ant.descr:"), info.antennaDescription},
        {QCoreApplication::translate("GraphTexts", "Ant.Height(m)"), number(info.antennaHeight)},
        {QCoreApplication::translate("GraphTexts", "TX-Power(W):"), number(info.txPower)},
        {QCoreApplication::translate("GraphTexts", "Mode-corr(dB):"), number(info.modeCorrection)},
        {QCoreApplication::translate("GraphTexts", "Time-corr(dB):"), number(info.timeCorrection)},
        {QCoreApplication::translate("GraphTexts", "Line-Loss(dB):"), number(info.feederLoss)},
        {QCoreApplication::translate("GraphTexts", "Add.loss(dB):"), number(info.additionalLoss)},
        {QCoreApplication::translate("GraphTexts", "Ant.PWR(dBW):"), number(info.antennaPower)},
        {QCoreApplication::translate("GraphTexts", "EIRP(dbW):"), number(info.eirp)},
        {QCoreApplication::translate("GraphTexts", "Tilt(deg)"), number(info.tilt)},
        {QCoreApplication::translate("GraphTexts", "Freq(MHz):"),
         QString(6, QLatin1Char(' ')) + FormatRounded(info.frequency)},
    };
    if (info.apertureSize > 0)
        rows.append({QCoreApplication::translate("GraphTexts", "Diam(wvl):"),
                     FormatNumber(info.apertureSize)});
    return rows;
}

QString PrintAntennaDescription(const QVector<TGraphGridRow> &rows)
{
    if (rows.size() <= DescriptionRow)
        return QString();
    const TGraphGridRow &row = rows[DescriptionRow];
    return row.label.leftJustified(PrintLabelWidth) + row.value;
}

QStringList PrintMemoLines(const QVector<TGraphGridRow> &rows)
{
    QStringList lines;
    for (int i = FirstMemoRow; i < rows.size(); ++i) {
        lines << rows[i].label.leftJustified(PrintLabelWidth, QLatin1Char(' '), true) +
                     rows[i].value.rightJustified(5);
        lines << QStringLiteral(" ");
    }
    return lines;
}
