#pragma once

#include "exposure/evaluation.h"
#include "exposure/safetydistances.h"
#include "reportengine/reportjob.h"
#include "store/recordresult.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class ReportCanvas;
class TdtmMain;

// The exposure summary of an owner's station, call + "_VLM_Exposure.pdf": the
// method in a few lines, per site a table of every critical test point against
// every placement with its field strength, limit, share of the limit and
// verdict, the combined exposure of each point, the safety distance of each
// placement, and the date.

// Its texts, from the "ExposureSummary" document of tblDocs in the document
// language. The template is divided into sections, each opened by a line
// "[NAME]": TITLE (one line), INTRO and METHOD (lines), POINTS and SAFETY (the
// column captions separated by "|") and WORDS (lines "key=text"). TITLE and
// INTRO may hold <CALL>, <NAME> and <DATE>.
struct TExposureTexts {
    QString title;
    QStringList intro;
    QStringList method;
    QStringList pointColumns;  // point, placement, frequency, E, limit, % of limit, verdict
    QStringList safetyColumns; // placement, frequency, limit, safety distance
    QMap<QString, QString> words;

    // A word of the WORDS section; the key itself when the template lacks it.
    QString word(const QString &key) const;
};
TExposureTexts ParseExposureTexts(const QStringList &templateLines);

// The keys of the WORDS section.
namespace ExposureWords
{
inline const QString Site = QStringLiteral("site");
inline const QString Points = QStringLiteral("points");
inline const QString Together = QStringLiteral("together");
inline const QString Safety = QStringLiteral("safety");
inline const QString NoPower = QStringLiteral("nopower");
inline const QString NoLimit = QStringLiteral("nolimit");
inline const QString Incomplete = QStringLiteral("incomplete"); // holds %1
inline const QString NoPoints = QStringLiteral("nopoints");
// "verdict1" … "verdict4": the words of the verdicts above 0.
QString Verdict(int verdict);
} // namespace ExposureWords

// Everything the document shows.
struct TExposureSummary {
    QString call;
    QString ownerName; // first name and name
    QDate date;
    TExposureTexts texts;
    TEvaluation evaluation;
    QVector<TPlacementSafety> safety;
    QStringList missingPower; // placements without a power chain, in site order
};

// The name of the document in the owner's folder: call + "_VLM_Exposure.pdf".
QString ExposureSummaryFileName(const QString &call);

// Whether the database holds the document's text in the language or in English.
// A database made before the document existed lacks it until its reference
// tables are updated.
bool ExposureSummaryTextAvailable(TdtmMain &dm, int languageId);

// Reads the owner, the evaluation, the safety distances and the texts in the
// language (English when the language has no such document). Fails when no
// language has the document. Changes nothing in CurrentSelection.
TOpResult<TExposureSummary> LoadExposureSummary(TdtmMain &dm, qint32 ownerId, int languageId,
                                                const QDate &today);

// The cells of the points table: one row per entry, and after the last entry of
// each point the row of their combined exposure.
struct TExposureRow {
    QStringList cells; // as many as pointColumns
    bool together = false;
};
QVector<TExposureRow> ExposureRowsOfSite(const TExposureSummary &summary, const QString &site);

// The title and the introduction with their placeholders replaced.
QString ExposureTitle(const TExposureSummary &summary);
QStringList ExposureIntro(const TExposureSummary &summary);

// The sites in the order of the tables: every site with a placement.
QStringList ExposureSites(const TExposureSummary &summary);

void DrawExposureSummary(ReportCanvas &canvas, const TExposureSummary &summary);
ReportJob BuildExposureSummaryJob(const TExposureSummary &summary, const QString &fileName);

// Loads and writes the document of the current owner (CurrentSelection) in its
// personal directory, under a temporary name first; the path, or the reason.
TOpResult<QString> WriteExposureSummary(TdtmMain &dm);
