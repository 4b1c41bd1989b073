#include "reports/allantennareports.h"

#include "reports/antennareporttext.h"
#include "reports/documentdata.h"
#include "reports/reportjobs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

TOpResult<QStringList> LoadAntennaReportLines(TdtmMain &dm, qint32 ownerId,
                                              const QString &reference, int languageId,
                                              const QDate &today)
{
    const auto rows = LoadReportData(dm, ownerId, reference, languageId);
    if (!rows.ok())
        return TOpResult<QStringList>::failure(rows.error);
    const auto document = LoadDocument(dm, languageId, QStringLiteral("AntReport"));
    if (!document.ok())
        return TOpResult<QStringList>::failure(document.error);
    return TOpResult<QStringList>::success(
        BuildAntennaReportText(document.value.lines(), rows.value, languageId, today));
}

QVector<TReportFileOutcome>
WriteAntennaReports(TdtmMain &dm, qint32 ownerId, int languageId, const QDate &today,
                    const QStringList &references,
                    const std::function<QString(const QString &reference)> &pathFor,
                    const std::function<bool(int done, int count)> &step)
{
    QVector<TReportFileOutcome> outcomes;
    for (int i = 0; i < references.size(); ++i) {
        if (step && !step(i, int(references.size())))
            break;
        TReportFileOutcome outcome;
        outcome.reference = references.at(i);
        outcome.path = pathFor(outcome.reference);
        const TOpResult<QStringList> lines =
            LoadAntennaReportLines(dm, ownerId, outcome.reference, languageId, today);
        if (!lines.ok())
            outcome.error = lines.error;
        else
            outcome.error =
                WriteJobPdf(BuildAntennaReportJob(lines.value, outcome.path), outcome.path).error;
        outcomes.append(outcome);
    }
    if (step)
        step(int(outcomes.size()), int(references.size()));
    return outcomes;
}

QString AllReportsMessage(const QVector<TReportFileOutcome> &outcomes)
{
    if (outcomes.isEmpty())
        return QCoreApplication::translate("AllAntennaReports",
                                           "There is no antenna to report on.");
    QStringList lines;
    QString folder;
    for (const TReportFileOutcome &o : outcomes) {
        if (!o.ok())
            continue;
        const QFileInfo file(o.path);
        if (folder.isEmpty()) {
            folder = QDir::toNativeSeparators(file.absolutePath());
            lines << QCoreApplication::translate("AllAntennaReports",
                                                 "The reports were saved in %1 :")
                         .arg(folder);
        }
        lines << QStringLiteral("   ") + file.fileName();
    }
    bool failuresHeaded = false;
    for (const TReportFileOutcome &o : outcomes) {
        if (o.ok())
            continue;
        if (!failuresHeaded) {
            if (!lines.isEmpty())
                lines << QString();
            lines << QCoreApplication::translate("AllAntennaReports",
                                                 "These reports could not be saved :");
            failuresHeaded = true;
        }
        lines << QStringLiteral("   ") + o.reference + QStringLiteral(": ") + o.error;
    }
    return lines.join(QLatin1Char('\n'));
}
