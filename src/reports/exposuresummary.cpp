#include "reports/exposuresummary.h"

#include "base/clock.h"
#include "base/currentselection.h"
#include "base/numberformat.h"
#include "exposure/criticalpointops.h"
#include "exposure/engine/combinedexposure.h"
#include "exposure/engine/limits.h"
#include "reports/documentdata.h"
#include "reports/reportjobs.h"
#include "reports/submissionfiles.h"
#include "store/datamodule.h"
#include "store/jetdataset.h"
#include "store/recordstatement.h"

#include <QCoreApplication>

namespace
{

const QString DocumentName = QStringLiteral("ExposureSummary");
constexpr int EnglishLanguage = 1;

QString Replaced(QString text, const TExposureSummary &s)
{
    text.replace(QStringLiteral("<CALL>"), s.call);
    text.replace(QStringLiteral("<NAME>"), s.ownerName);
    text.replace(QStringLiteral("<DATE>"), s.date.toString(QStringLiteral("dd/MM/yyyy")));
    return text;
}

// "–" where a table cell has no value.
QString None()
{
    return QStringLiteral("-");
}

} // namespace

QString TExposureTexts::word(const QString &key) const
{
    return words.value(key, key);
}

QString ExposureWords::Verdict(int verdict)
{
    return QStringLiteral("verdict%1").arg(verdict);
}

TExposureTexts ParseExposureTexts(const QStringList &templateLines)
{
    TExposureTexts t;
    QString section;
    for (const QString &raw : templateLines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).toUpper();
            continue;
        }
        if (section == QLatin1String("TITLE") && !line.isEmpty() && t.title.isEmpty())
            t.title = line;
        else if (section == QLatin1String("INTRO"))
            t.intro << raw;
        else if (section == QLatin1String("METHOD"))
            t.method << raw;
        else if (section == QLatin1String("POINTS") && !line.isEmpty())
            t.pointColumns = line.split(QLatin1Char('|'));
        else if (section == QLatin1String("SAFETY") && !line.isEmpty())
            t.safetyColumns = line.split(QLatin1Char('|'));
        else if (section == QLatin1String("WORDS") && line.contains(QLatin1Char('='))) {
            const int equals = line.indexOf(QLatin1Char('='));
            t.words.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }
    // Blank lines around the sections are layout of the template, not text.
    for (QStringList *lines : {&t.intro, &t.method}) {
        while (!lines->isEmpty() && lines->last().trimmed().isEmpty())
            lines->removeLast();
    }
    while (t.pointColumns.size() < 7)
        t.pointColumns << QString();
    while (t.safetyColumns.size() < 4)
        t.safetyColumns << QString();
    return t;
}

QString ExposureSummaryFileName(const QString &call)
{
    return OwnerFileName(call, QStringLiteral("_VLM_Exposure.pdf"));
}

bool ExposureSummaryTextAvailable(TdtmMain &dm, int languageId)
{
    for (const int language : {languageId, int(EnglishLanguage)}) {
        const TOpResult<TDocumentTemplate> document = LoadDocument(dm, language, DocumentName);
        if (document.ok() && !document.value.text.trimmed().isEmpty())
            return true;
    }
    return false;
}

TOpResult<TExposureSummary> LoadExposureSummary(TdtmMain &dm, qint32 ownerId, int languageId,
                                                const QDate &today)
{
    using Result = TOpResult<TExposureSummary>;
    TExposureSummary s;
    s.date = today;

    TOpResult<TDocumentTemplate> document = LoadDocument(dm, languageId, DocumentName);
    if (document.ok() && document.value.text.trimmed().isEmpty() && languageId != EnglishLanguage)
        document = LoadDocument(dm, EnglishLanguage, DocumentName);
    if (!document.ok())
        return Result::failure(document.error);
    if (document.value.text.trimmed().isEmpty())
        return Result::failure(QCoreApplication::translate(
            "ExposureSummary", "The database holds no text for the exposure summary "
                               "(document \"ExposureSummary\"): update its reference tables."));
    s.texts = ParseExposureTexts(document.value.lines());

    const TOpStatus owner = OpenStatement(
        dm.qryTemp3, {QStringLiteral("SELECT OwnerCall, OwnerFname, OwnerName FROM tblOwner"),
                      QStringLiteral("WHERE IdOwner =%1").arg(ownerId)});
    if (!owner.ok())
        return Result::failure(owner);
    s.call = FieldText(dm.qryTemp3, QStringLiteral("OwnerCall"));
    s.ownerName = (FieldText(dm.qryTemp3, QStringLiteral("OwnerFname")) + QLatin1Char(' ') +
                   FieldText(dm.qryTemp3, QStringLiteral("OwnerName")))
                      .trimmed();

    // The evaluation as the critical test points page makes it, without
    // touching the selection.
    const TOpResult<int> list = OpenPointList(dm, ownerId);
    if (!list.ok())
        return Result::failure(list.error);
    s.evaluation = EvaluateRows(*dm.qryCtpList);

    const TOpResult<QVector<TPlacementSafety>> safety = ListSafetyDistances(dm, ownerId);
    if (!safety.ok())
        return Result::failure(safety.error);
    s.safety = safety.value;
    for (const TPlacementSafety &p : std::as_const(s.safety)) {
        if (!p.hasPower && !s.missingPower.contains(p.placementRef))
            s.missingPower << p.placementRef;
    }
    return Result::success(s);
}

QStringList ExposureSites(const TExposureSummary &summary)
{
    QStringList sites;
    for (const TPlacementSafety &p : summary.safety) {
        if (!sites.contains(p.siteName))
            sites << p.siteName;
    }
    return sites;
}

QVector<TExposureRow> ExposureRowsOfSite(const TExposureSummary &summary, const QString &site)
{
    const TEvaluation &ev = summary.evaluation;
    const TExposureTexts &t = summary.texts;
    QVector<TExposureRow> rows;
    for (int i = 0; i < ev.count(); ++i) {
        if (ev.siteName[i] != site)
            continue;
        TExposureRow row;
        const double f = ev.frequency[i];
        const std::optional<LimitLevels> levels = VerdictLevels(f);
        QString value, limit, share, verdict;
        if (!ev.hasPower(i)) {
            value = None();
            limit = levels ? FormatRounded(levels->limit, 2) : None();
            share = None();
            verdict = t.word(ExposureWords::NoPower);
        } else if (!levels) {
            value = FieldStrengthText(ev.fieldStrength[i]);
            limit = None();
            share = None();
            verdict = t.word(ExposureWords::NoLimit);
        } else {
            value = FieldStrengthText(ev.fieldStrength[i]);
            limit = FormatRounded(levels->limit, 2);
            share = FormatRounded(100.0 * ev.fieldStrength[i] / levels->limit, 1) +
                    QStringLiteral(" %");
            verdict = t.word(ExposureWords::Verdict(ev.verdict[i]));
        }
        row.cells = {ev.reference[i], ev.antennaRef[i], FormatNumber(f), value, limit,
                     share,           verdict};
        rows << row;

        // The point's combined exposure follows its last line.
        const TPointExposure &point = ev.points[ev.pointOfEntry[i]];
        const bool lastOfPoint =
            i + 1 == ev.count() || ev.pointOfEntry[i + 1] != ev.pointOfEntry[i];
        if (lastOfPoint && point.summed > 0) {
            TExposureRow together;
            together.together = true;
            const QString sum =
                QStringLiteral("%1 (%2)").arg(t.word(ExposureWords::Together)).arg(point.summed);
            together.cells = {QString(),
                              sum,
                              QString(),
                              QString(),
                              QString(),
                              point.complete ? CombinedCellText(point) : None(),
                              point.complete
                                  ? t.word(ExposureWords::Verdict(QuotientVerdict(point.quotient)))
                                  : t.word(ExposureWords::NoPower)};
            rows << together;
        }
    }
    return rows;
}

ReportJob BuildExposureSummaryJob(const TExposureSummary &summary, const QString &fileName)
{
    ReportJob job;
    job.fileName = fileName;
    job.draw = [summary](ReportCanvas &canvas) { DrawExposureSummary(canvas, summary); };
    return job;
}

TOpResult<QString> WriteExposureSummary(TdtmMain &dm)
{
    const TCurrentSelection &cs = CurrentSelection();
    const TOpResult<TExposureSummary> summary =
        LoadExposureSummary(dm, cs.ownerId, cs.languageId, CurrentDateTime().date());
    if (!summary.ok())
        return TOpResult<QString>::failure(summary.error);
    const QString path =
        UserDocumentPath(cs.userDirectory, ExposureSummaryFileName(summary.value.call));
    const TOpStatus written = WriteJobPdf(BuildExposureSummaryJob(summary.value, path), path);
    if (!written.ok())
        return TOpResult<QString>::failure(written);
    return TOpResult<QString>::success(path);
}

QString ExposureTitle(const TExposureSummary &s)
{
    return Replaced(s.texts.title, s);
}

QStringList ExposureIntro(const TExposureSummary &s)
{
    QStringList lines;
    for (const QString &line : s.texts.intro)
        lines << Replaced(line, s);
    return lines;
}
