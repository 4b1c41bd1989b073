#include "exposure/graphtexts.h"

#include "exposure/engine/engine.h"
#include "base/numberformat.h"

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
    return QStringLiteral("X(m)   =  ") + Aligned(x, 1, 5) + GraphLineBreak +
           QStringLiteral("Y(m)   =  ") + Aligned(y, 1, 5) + GraphLineBreak +
           QStringLiteral("FS(V/m)=  ") + Aligned(e, 2, 6);
}

QString PointPanelText(const TGraphPoint &point)
{
    return QStringLiteral("Critical point =") + FormatNumber(point.number).rightJustified(5) +
           GraphLineBreak + QStringLiteral("Height (m)     =") + Aligned(point.y, 2, 5) +
           GraphLineBreak + QStringLiteral("Distance (m)   =") + Aligned(point.x, 2, 5) +
           GraphLineBreak + QStringLiteral("Field Str(V/m) =") +
           Aligned(point.fieldStrength, 2, 6);
}

QVector<TGraphGridRow> GraphGridRows(const TGraphInfo &info)
{
    const auto number = [](double value) { return Aligned(value, 2, 6); };
    QVector<TGraphGridRow> rows = {
        {QStringLiteral("Call:"), info.callSign},
        {QString(), QString()},
        {QStringLiteral("Antenna:"), info.placementRef},
        {QStringLiteral("Ant.type:"), info.antennaType},
        {QStringLiteral("Ant.descr:"), info.antennaDescription},
        {QStringLiteral("Ant.Height(m)"), number(info.antennaHeight)},
        {QStringLiteral("TX-Power(W):"), number(info.txPower)},
        {QStringLiteral("Mode-corr(dB):"), number(info.modeCorrection)},
        {QStringLiteral("Time-corr(dB):"), number(info.timeCorrection)},
        {QStringLiteral("Line-Loss(dB):"), number(info.feederLoss)},
        {QStringLiteral("Add.loss(dB):"), number(info.additionalLoss)},
        {QStringLiteral("Ant.PWR(dBW):"), number(info.antennaPower)},
        {QStringLiteral("EIRP(dbW):"), number(info.eirp)},
        {QStringLiteral("Tilt(deg)"), number(info.tilt)},
        {QStringLiteral("Freq(MHz):"), QString(6, QLatin1Char(' ')) + FormatRounded(info.frequency)},
    };
    if (info.apertureSize > 0)
        rows.append({QStringLiteral("Diam(wvl):"), FormatNumber(info.apertureSize)});
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
