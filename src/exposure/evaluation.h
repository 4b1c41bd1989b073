#pragma once

#include "store/recordresult.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

class TdtmMain;
class TJetDataset;

// The evaluation of every critical test point of a user against every antenna
// placement of the point's site. The arrays are parallel, indexed by position
// in the list (reference, site name, placement reference order).

// The columns of one list line as the page shows and prints them.
enum EvaluationColumn {
    ColumnReference,
    ColumnSite,
    ColumnAntenna,
    ColumnDistance,
    ColumnHeight,
    ColumnSpaceAtt,
    ColumnDescription,
    ColumnField,
    EvaluationColumnCount
};

using TEvaluationLine = std::array<QString, EvaluationColumnCount>;

struct TEvaluation {
    QVector<qint32> ctpId;
    QStringList reference;
    QStringList antennaRef;
    QVector<double> fieldStrength; // V/m
    QVector<int> verdict;
    QVector<double> frequency; // MHz
    QVector<TEvaluationLine> lines;

    int count() const { return ctpId.size(); }
};

// The summary line: the highest field strength and what it requires.
struct TEvaluationSummary {
    int entry = -1;      // list position of the highest value
    int summaryClass = 0; // 1 … 4
    QString valueText;    // "1,23 V/m"
    QString locationText; // "at CTP_01 by Loc01-Ant01: requires a"
    QString resultText;   // "Technical Antenna File"
    QString reference;    // the point and the placement the location text names
    QString antennaRef;
    int colour = 0;       // red + 256 × green + 65536 × blue
};

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

// Runs the list query for the owner and evaluates it. The number of entries
// becomes the point count of CurrentSelection(); when there are entries, the
// terrain-study flag becomes "summary class is not 1". Nothing else changes
// when there are none.
struct TEvaluationOutcome {
    TEvaluation evaluation;
    std::optional<TEvaluationSummary> summary;
};
TOpResult<TEvaluationOutcome> EvaluatePoints(TdtmMain &dm, qint32 ownerId);
