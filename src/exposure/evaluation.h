#pragma once

#include "store/recordresult.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <array>
#include <optional>

class TdtmMain;
class TJetDataset;

// The evaluation of every critical test point of a user against every antenna
// placement of the point's site. The arrays are parallel, indexed by position
// in the list (reference, site name, placement reference order).

// The columns of one list line as the page shows and prints them. The last one
// holds, on the first line of each point, the exposure of all the placements
// that transmit at the same time, as a percentage of the limit.
enum EvaluationColumn {
    ColumnReference,
    ColumnSite,
    ColumnAntenna,
    ColumnDistance,
    ColumnHeight,
    ColumnSpaceAtt,
    ColumnDescription,
    ColumnField,
    ColumnCombined,
    EvaluationColumnCount
};

using TEvaluationLine = std::array<QString, EvaluationColumnCount>;

// The verdict of an entry whose placement has no power chain: there is no field
// strength to judge, so the entry has no value and no verdict colour.
constexpr int VerdictNoPowerChain = -1;

// The combined exposure at one critical test point: Q = Σ (E / L1)² over the
// placements of its site that transmit at the same time as the others and work
// at 10 MHz or more.
struct TPointExposure {
    qint32 ctpId = 0;
    int firstEntry = 0;   // list position of the point's first line
    int summed = 0;       // placements in the sum
    bool complete = true; // false when a placement of the sum has no power chain
    double quotient = 0;  // Q; meaningful only when complete
};

struct TEvaluation {
    QVector<qint32> ctpId;
    QStringList reference;
    QStringList siteName;
    QStringList antennaRef;
    QVector<double> fieldStrength;  // V/m; not a number without a power chain
    QVector<int> verdict;           // 0 … 4, or VerdictNoPowerChain
    QVector<double> frequency;      // MHz
    QVector<bool> simultaneous;     // the placement transmits at the same time as the others
    QVector<int> pointOfEntry;      // index into points
    QVector<TPointExposure> points; // in the order of their first lines
    QVector<TEvaluationLine> lines;

    int count() const { return ctpId.size(); }
    bool hasPower(int entry) const { return verdict[entry] != VerdictNoPowerChain; }
};

// The summary line: the highest field strength and what it requires, what was
// left out for want of a power chain, and the combined exposure when it is the
// highest share of the limit.
struct TEvaluationSummary {
    int entry = -1;       // list position of the highest value; -1 when no entry has one
    int summaryClass = 0; // 1 … 4; 0 when no entry has a value
    QString valueText;    // "1,23 V/m"
    QString locationText; // "at CTP_01 by Loc01-Ant01: requires a"
    QString resultText;   // "Technical Antenna File"
    QString reference;    // the point and the placement the location text names
    QString antennaRef;
    int colour = 0; // red + 256 × green + 65536 × blue

    QStringList missingPower; // placements without a power chain, in list order
    QString incompleteText;   // empty when every entry has a value

    int combinedPoint = -1; // index into points when together they are the highest share
    QString combinedText;   // "Together at CTP_01: 123,4 % of the limit"
    int combinedColour = 0;
};

// The text of a field cell: the value, with the note that no limit applies
// below 10 MHz, or "no power chain" without a value. FieldCellText writes the
// note out (vlmcli); the list line marks the value with " *" and the page and
// the printed list carry NoLimitFootnote() once below the table.
QString FieldCellText(double e, int verdict);
QString FieldListText(double e, int verdict);
QString NoLimitFootnote();
bool HasEntryBelowTenMegahertz(const TEvaluation &evaluation);

// The texts of the summary that name the combined exposure of a point and the
// placements without a power chain, in the interface language of the moment.
QString CombinedSummaryText(const TEvaluation &evaluation, int point);
QString IncompleteText(const QStringList &missingPower);

// Writes the field and combined cells of the lines again, in the interface
// language of the moment.
void RetranslateLines(TEvaluation &evaluation);

// The text of a point's combined cell: "87,3 %", "no power chain" when a
// placement of the sum has none, empty when nothing was summed.
QString CombinedCellText(const TPointExposure &point);

// Whether a placement's power chain was ever saved: the antenna power is stored
// and the transmitter power is above 0. A chain never saved leaves the
// transmitter power at 0 and the antenna power at its default of 0 dBW, which
// must give no field strength rather than that of 1 W.
bool PowerChainSaved(const QVariant &antennaPower, double transmitterPower);

// The note on an entry below 10 MHz, and the text of an entry without a power chain.
QString NoLimitNote();
QString NoPowerChainText();

// E rounded to 4 significant digits, written with two decimals and the
// decimal comma ("0,68", "123,50"); from 10000 on in exponent form
// ("1,000E+05"). The list's and the summary's value text.
QString FieldStrengthText(double e);

// The summary of the entries, or nothing when there are none. Of several
// entries with the same highest value the first in list order is named.
std::optional<TEvaluationSummary> SummarizeEvaluation(const TEvaluation &evaluation);

// The texts and colour of a summary class.
QString SummaryLocationText(int summaryClass, const QString &reference, const QString &antenna);
QString SummaryResultText(int summaryClass);
int SummaryColour(int summaryClass);

// Evaluates the rows of a dataset opened by OpenPointList.
TEvaluation EvaluateRows(const TJetDataset &rows);

// Fills points and pointOfEntry from the entries' field strengths, verdicts,
// frequencies and simultaneous flags, and writes the combined cells.
void CombineExposure(TEvaluation &evaluation);

// Runs the list query for the owner and evaluates it. The number of entries
// becomes the point count of CurrentSelection(); when there are entries, the
// terrain-study flag becomes "summary class is not 1" (set as well when no
// entry has a value, since nothing shows that a technical file suffices).
// Nothing else changes when there are none.
struct TEvaluationOutcome {
    TEvaluation evaluation;
    std::optional<TEvaluationSummary> summary;
};
TOpResult<TEvaluationOutcome> EvaluatePoints(TdtmMain &dm, qint32 ownerId);
