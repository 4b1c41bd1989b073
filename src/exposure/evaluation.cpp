#include "exposure/evaluation.h"

#include "base/currentselection.h"
#include "base/numberformat.h"
#include "exposure/criticalpointops.h"
#include "exposure/engine/combinedexposure.h"
#include "exposure/engine/engine.h"
#include "store/datamodule.h"
#include "store/jetdataset.h"
#include "store/schema.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <limits>
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
    // No finite value: shown as the out-of-pattern result, never as a small one.
    if (!std::isfinite(e))
        return QStringLiteral("1,000E+05");
    return FormatFixed(e, 2, 4);
}

QString NoLimitNote()
{
    return QCoreApplication::translate("Evaluation", "no limit applies below 10 MHz");
}

bool PowerChainSaved(const QVariant &antennaPower, double transmitterPower)
{
    return !antennaPower.isNull() && transmitterPower > 0;
}

QString NoPowerChainText()
{
    return QCoreApplication::translate("Evaluation", "no power chain");
}

QString FieldCellText(double e, int verdict)
{
    if (verdict == VerdictNoPowerChain)
        return NoPowerChainText();
    const QString value = FieldStrengthText(e) + QStringLiteral(" V/m");
    if (verdict == VerdictNone)
        return value + QStringLiteral(", ") + NoLimitNote();
    return value;
}

QString FieldListText(double e, int verdict)
{
    if (verdict == VerdictNoPowerChain)
        return NoPowerChainText();
    const QString value = FieldStrengthText(e) + QStringLiteral(" V/m");
    return verdict == VerdictNone ? value + QStringLiteral(" *") : value;
}

QString NoLimitFootnote()
{
    return QStringLiteral("* ") + NoLimitNote();
}

bool HasEntryBelowTenMegahertz(const TEvaluation &evaluation)
{
    return evaluation.verdict.contains(VerdictNone);
}

QString CombinedCellText(const TPointExposure &point)
{
    if (!point.complete)
        return NoPowerChainText();
    if (point.summed == 0)
        return QString();
    return FormatRounded(QuotientPercent(point.quotient), 1) + QStringLiteral(" %");
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
    TEvaluationSummary s;
    double highestShare = 0; // of the limit, of one entry alone
    for (int i = 0; i < ev.count(); ++i) {
        if (!ev.hasPower(i)) {
            if (!s.missingPower.contains(ev.antennaRef[i]))
                s.missingPower << ev.antennaRef[i];
            continue;
        }
        if (s.entry < 0 || ev.fieldStrength[i] > ev.fieldStrength[s.entry])
            s.entry = i;
        if (const std::optional<double> share = ExposureShare(ev.fieldStrength[i], ev.frequency[i]))
            highestShare = std::max(highestShare, *share);
    }
    s.incompleteText = IncompleteText(s.missingPower);
    s.colour = SummaryColour(4);
    if (s.entry >= 0) {
        const int best = s.entry;
        s.summaryClass = SummaryClass(ev.fieldStrength[best], ev.frequency[best]);
        s.valueText = FieldStrengthText(ev.fieldStrength[best]) + QStringLiteral(" V/m");
        s.reference = ev.reference[best];
        s.antennaRef = ev.antennaRef[best];
        s.locationText = SummaryLocationText(s.summaryClass, s.reference, s.antennaRef);
        s.resultText = SummaryResultText(s.summaryClass);
        s.colour = SummaryColour(s.summaryClass);
    }

    // The combined exposure is named when it takes a larger share of the limit
    // than any antenna alone; the first such point in list order wins a tie.
    for (int p = 0; p < ev.points.size(); ++p) {
        const TPointExposure &point = ev.points[p];
        if (point.complete && point.summed > 0 && point.quotient > highestShare) {
            highestShare = point.quotient;
            s.combinedPoint = p;
        }
    }
    if (s.combinedPoint >= 0) {
        s.combinedText = CombinedSummaryText(ev, s.combinedPoint);
        s.combinedColour = VerdictColour(QuotientVerdict(ev.points[s.combinedPoint].quotient));
    }
    return s;
}

QString CombinedSummaryText(const TEvaluation &ev, int point)
{
    if (point < 0 || point >= ev.points.size())
        return QString();
    const TPointExposure &p = ev.points[point];
    return QCoreApplication::translate("Evaluation", "Together at %1 (%2): %3 of the limit")
        .arg(ev.reference[p.firstEntry], ev.siteName[p.firstEntry], CombinedCellText(p));
}

QString IncompleteText(const QStringList &missingPower)
{
    if (missingPower.isEmpty())
        return QString();
    return QCoreApplication::translate("Evaluation",
                                       "The evaluation is incomplete: no power chain for %1.")
        .arg(missingPower.join(QStringLiteral(", ")));
}

void RetranslateLines(TEvaluation &ev)
{
    for (int i = 0; i < ev.count(); ++i)
        ev.lines[i][ColumnField] = FieldListText(ev.fieldStrength[i], ev.verdict[i]);
    for (const TPointExposure &point : std::as_const(ev.points))
        ev.lines[point.firstEntry][ColumnCombined] = CombinedCellText(point);
}

void CombineExposure(TEvaluation &ev)
{
    ev.points.clear();
    ev.pointOfEntry.resize(ev.count());
    QHash<qint32, int> pointOfId;
    for (int i = 0; i < ev.count(); ++i) {
        auto found = pointOfId.constFind(ev.ctpId[i]);
        if (found == pointOfId.constEnd()) {
            found = pointOfId.insert(ev.ctpId[i], ev.points.size());
            TPointExposure point;
            point.ctpId = ev.ctpId[i];
            point.firstEntry = i;
            ev.points << point;
        }
        ev.pointOfEntry[i] = *found;
        TPointExposure &point = ev.points[*found];
        if (!ev.simultaneous[i] || !VerdictLevels(ev.frequency[i]))
            continue;
        ++point.summed;
        if (!ev.hasPower(i)) {
            point.complete = false;
            continue;
        }
        point.quotient += *ExposureShare(ev.fieldStrength[i], ev.frequency[i]);
    }
    for (const TPointExposure &point : std::as_const(ev.points))
        ev.lines[point.firstEntry][ColumnCombined] = CombinedCellText(point);
}

TEvaluation EvaluateRows(const TJetDataset &rows)
{
    // Column positions are looked up once; the rows are read by position.
    const auto col = [&rows](const QString &name) { return rows.columnOf(name); };
    std::array<int, 10> patternCol{};
    for (int k = 0; k < 10; ++k)
        patternCol[k] = col(Schema::PatternColumns[k]);
    const int cId = col(QStringLiteral("CtpId")), cRef = col(Schema::CriticalPntRef),
              cTower = col(Schema::TowerName), cAnt = col(Schema::AntennasRef),
              cHa = col(Schema::AntennasHeight), cExtra = col(Schema::AntExtra),
              cDist = col(Schema::CriticalPntDist), cHp = col(Schema::CriticalPntHeight),
              cAttText = col(Schema::SpaceAttDescrE), cLow = col(Schema::SpaceAttLow),
              cHigh = col(Schema::SpaceAttHigh), cFreq = col(Schema::BandFreqCenter),
              cRem = col(Schema::CriticalPntRem), cTilt = col(Schema::AntennasTilt),
              cPower = col(Schema::AntennasAntPwr), cTxPower = col(Schema::StationTxPower),
              cSimTx = col(Schema::AntennasSimTx);
    const auto at = [&rows](int row, int column) {
        return column < 0 ? QVariant() : rows.data(rows.index(row, column));
    };

    TEvaluation ev;
    const int n = rows.recordCount();
    ev.ctpId.resize(n);
    ev.fieldStrength.resize(n);
    ev.verdict.resize(n);
    ev.frequency.resize(n);
    ev.simultaneous.resize(n);
    ev.lines.resize(n);
    ev.reference.reserve(n);
    ev.siteName.reserve(n);
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
        ev.siteName << at(r, cTower).toString();
        ev.antennaRef << at(r, cAnt).toString();
        ev.frequency[r] = f;
        // Yes unless the column says No: an unknown answer must not lower the sum.
        const QVariant simTx = at(r, cSimTx);
        ev.simultaneous[r] = simTx.isNull() || numberOf(simTx) != 0;

        for (int k = 0; k < 10; ++k)
            pattern[k] = numberOf(at(r, patternCol[k]));
        const QVariant power = at(r, cPower);
        const bool hasPower = PowerChainSaved(power, numberOf(at(r, cTxPower)));
        const double s = SpaceAttenuation(f, numberOf(at(r, cLow)), numberOf(at(r, cHigh)));
        const double pd = numberOf(power) - s;
        const double e =
            hasPower ? FieldStrength(pattern, apertureSize, table, f, numberOf(at(r, cTilt)), d, hp,
                                     pd, numberOf(at(r, cHa)))
                     : std::numeric_limits<double>::quiet_NaN();
        ev.fieldStrength[r] = e;
        ev.verdict[r] = hasPower ? LimitVerdict(e, f) : VerdictNoPowerChain;

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
        line[ColumnField] = FieldListText(e, ev.verdict[r]);
        line[ColumnCombined].clear();
    }
    CombineExposure(ev);
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
