#include "exposure/evaluation.h"

#include "exposure/criticalpointops.h"
#include "exposure/engine/engine.h"
#include "base/numberformat.h"
#include "base/currentselection.h"
#include "store/datamodule.h"
#include "store/jetdataset.h"

#include <QCoreApplication>

#include <cmath>
#include <utility>

namespace
{

// A column value as a number; text columns may hold a decimal comma.
double numberOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString)
        return NumberOrZero(value.toString());
    bool ok = false;
    const double n = value.toDouble(&ok);
    return ok && std::isfinite(n) ? n : 0.0;
}

int rgb(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

} // namespace

QString FieldStrengthText(double e)
{
    if (!std::isfinite(e))
        return QStringLiteral("1,000E+05");
    // Four significant digits first: 9999,96 becomes 10000 and so exponent form.
    const double rounded = e == 0 ? 0.0 : QString::number(e, 'g', 4).toDouble();
    QString text;
    if (std::fabs(rounded) >= 10000) {
        text = QString::number(rounded, 'E', 3); // 1.000E+05
    } else {
        text = QString::number(RoundHalfEven(rounded, 2), 'f', 2);
    }
    text.replace(QLatin1Char('.'), DecimalSeparator);
    return text;
}

QString SummaryLocationText(int summaryClass, const QString &reference, const QString &antenna)
{
    return summaryClass <= 2
               ? QCoreApplication::translate("Evaluation", "at %1 by %2: requires a")
                     .arg(reference, antenna)
               : QCoreApplication::translate("Evaluation", "at %1 by %2:").arg(reference, antenna);
}

QString SummaryResultText(int summaryClass)
{
    switch (summaryClass) {
    case 1:
        return QCoreApplication::translate("Evaluation", "Technical Antenna File");
    case 2:
        return QCoreApplication::translate("Evaluation", "Certification File");
    case 3:
        return QCoreApplication::translate("Evaluation", "contact BIPT first !");
    default:
        return QCoreApplication::translate("Evaluation", "value above the exposure limit !");
    }
}

int SummaryColour(int summaryClass)
{
    switch (summaryClass) {
    case 1:
        return rgb(0, 128, 0);
    case 2:
        return rgb(0, 0, 255);
    case 3:
        return rgb(128, 0, 128);
    default:
        return rgb(255, 0, 0);
    }
}

std::optional<TEvaluationSummary> SummarizeEvaluation(const TEvaluation &ev)
{
    if (ev.count() == 0)
        return std::nullopt;
    int best = 0;
    for (int i = 1; i < ev.count(); ++i) {
        if (ev.fieldStrength[i] > ev.fieldStrength[best])
            best = i;
    }
    TEvaluationSummary s;
    s.entry = best;
    s.summaryClass = SummaryClass(ev.fieldStrength[best], ev.frequency[best]);
    s.valueText = FieldStrengthText(ev.fieldStrength[best]) + QStringLiteral(" V/m");
    s.reference = ev.reference[best];
    s.antennaRef = ev.antennaRef[best];
    s.locationText = SummaryLocationText(s.summaryClass, s.reference, s.antennaRef);
    s.resultText = SummaryResultText(s.summaryClass);
    s.colour = SummaryColour(s.summaryClass);
    return s;
}

TEvaluation EvaluateRows(const TJetDataset &rows)
{
    // Column positions are looked up once; the rows are read by position.
    const auto col = [&rows](const char *name) {
        return rows.fieldIndex(QString::fromLatin1(name));
    };
    static const char *const patternNames[] = {"AntV00", "AntV10", "AntV20", "AntV30", "AntV40",
                                               "AntV50", "AntV60", "AntV70", "AntV80", "AntV90"};
    std::array<int, 10> patternCol{};
    for (int k = 0; k < 10; ++k)
        patternCol[k] = col(patternNames[k]);
    const int cId = col("CtpId"), cRef = col("CriticalPntRef"), cTower = col("TowerName"),
              cAnt = col("AntennasRef"), cHa = col("AntennasHeight"), cExtra = col("AntExtra"),
              cDist = col("CriticalPntDist"), cHp = col("CriticalPntHeight"),
              cAttText = col("SpaceAttDescrE"), cLow = col("SpaceAttLow"),
              cHigh = col("SpaceAttHigh"), cFreq = col("BandFreqCenter"),
              cRem = col("CriticalPntRem"), cTilt = col("AntennasTilt"),
              cPower = col("AntennasAntPwr");
    const auto at = [&rows](int row, int column) {
        return column < 0 ? QVariant() : rows.data(rows.index(row, column));
    };

    TEvaluation ev;
    const int n = rows.recordCount();
    ev.ctpId.resize(n);
    ev.fieldStrength.resize(n);
    ev.verdict.resize(n);
    ev.frequency.resize(n);
    ev.lines.resize(n);
    ev.reference.reserve(n);
    ev.antennaRef.reserve(n);
    AntennaPattern pattern{};
    PatternTable table{};
    for (int r = 0; r < n; ++r) {
        const QString aperture = at(r, cExtra).toString();
        const int apertureSize = ApertureSizeFromText(aperture.toStdString());
        const double f = numberOf(at(r, cFreq));
        const double d = numberOf(at(r, cDist));
        const double hp = numberOf(at(r, cHp));
        ev.ctpId[r] = at(r, cId).toInt();
        ev.reference << at(r, cRef).toString();
        ev.antennaRef << at(r, cAnt).toString();
        ev.frequency[r] = f;

        for (int k = 0; k < 10; ++k)
            pattern[k] = numberOf(at(r, patternCol[k]));
        const double s = f >= 1000 ? numberOf(at(r, cHigh)) : numberOf(at(r, cLow));
        const double pd = numberOf(at(r, cPower)) - s;
        const double e = FieldStrength(pattern, apertureSize, table, f, numberOf(at(r, cTilt)),
                                       d, hp, pd, numberOf(at(r, cHa)));
        ev.fieldStrength[r] = e;
        ev.verdict[r] = LimitVerdict(e, f);

        TEvaluationLine &line = ev.lines[r];
        if (r > 0 && ev.ctpId[r] == ev.ctpId[r - 1]) {
            // The same point against the next placement: its texts are shared.
            line = ev.lines[r - 1];
        } else {
            line[ColumnReference] = ev.reference.last();
            line[ColumnSite] = at(r, cTower).toString();
            line[ColumnDistance] = FormatNumber(d);
            line[ColumnHeight] = FormatNumber(hp);
            line[ColumnSpaceAtt] = at(r, cAttText).toString();
            line[ColumnDescription] = at(r, cRem).toString();
        }
        line[ColumnAntenna] = ev.antennaRef.last();
        line[ColumnField] = FieldStrengthText(e) + QStringLiteral(" V/m");
    }
    return ev;
}

TOpResult<TEvaluationOutcome> EvaluatePoints(TdtmMain &dm, qint32 ownerId)
{
    const TOpResult<int> opened = OpenPointList(dm, ownerId);
    if (!opened.ok())
        return TOpResult<TEvaluationOutcome>::failure(opened.error);
    TEvaluationOutcome outcome;
    outcome.evaluation = EvaluateRows(*dm.qryCtpList);
    outcome.summary = SummarizeEvaluation(outcome.evaluation);
    TCurrentSelection &cs = CurrentSelection();
    cs.pointCount = outcome.evaluation.count();
    if (outcome.summary)
        cs.terrainStudy = outcome.summary->summaryClass != 1;
    return TOpResult<TEvaluationOutcome>::success(std::move(outcome));
}
