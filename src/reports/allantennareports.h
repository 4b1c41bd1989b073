#pragma once

#include "store/recordresult.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class TdtmMain;

// The antenna reports of several placements at once, as the report page's
// "Make all reports" writes them: one PDF file per placement.

// The report text of one placement as the report page shows it: the
// "AntReport" template of the document language filled with the placement's
// values, then one line per critical test point of its site.
TOpResult<QStringList> LoadAntennaReportLines(TdtmMain &dm, qint32 ownerId,
                                              const QString &reference, int languageId,
                                              const QDate &today);

// How one placement's report ended.
struct TReportFileOutcome {
    QString reference;
    QString path;  // the file written, or the one that could not be written
    QString error; // empty when the file was written
    bool ok() const { return error.isEmpty(); }
};

// Writes the report of every reference, in the given order, as a PDF file at
// pathFor(reference). A failing report does not stop the others. step(done,
// count) is told before each report; when it returns false the remaining
// references are neither written nor listed.
QVector<TReportFileOutcome>
WriteAntennaReports(TdtmMain &dm, qint32 ownerId, int languageId, const QDate &today,
                    const QStringList &references,
                    const std::function<QString(const QString &reference)> &pathFor,
                    const std::function<bool(int done, int count)> &step = {});

// The one message after all reports: the folder and the files written there,
// then each report that failed with its reason. Without any outcome, that there
// was no placement to report on.
QString AllReportsMessage(const QVector<TReportFileOutcome> &outcomes);
