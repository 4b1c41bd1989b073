#include "reports/ui/printoperations.h"

#include "reportengine/ui/reportpreview.h"
#include "reports/reportjobs.h"

namespace
{
bool g_suppressPreview = false;
int g_suppressedPreviews = 0;

TOpStatus run(const ReportJob &job, bool preview, QWidget *parent)
{
    if (!preview)
        return WriteJobPdf(job, job.fileName);
    if (g_suppressPreview) {
        ++g_suppressedPreviews;
        return TOpStatus{};
    }
    ReportPreview::showJob(job, parent);
    return TOpStatus{};
}

TOpStatus run(const TOpResult<ReportJob> &job, bool preview, QWidget *parent)
{
    if (!job.ok())
        return TOpStatus{job.error};
    return run(job.value, preview, parent);
}
} // namespace

TOpStatus PrintLowPowerLetter(TdtmMain &dm, const QString &fileName, bool preview, QWidget *parent)
{
    return run(BuildLowPowerLetterJob(dm, fileName), preview, parent);
}

TOpStatus PrintAntennaReport(const QStringList &lines, const QString &fileName, bool preview,
                             QWidget *parent)
{
    return run(BuildAntennaReportJob(lines, fileName), preview, parent);
}

TOpStatus PrintCertificationLetter(TdtmMain &dm, const QStringList &terrainLines,
                                   const QStringList &files, const QString &fileName, bool preview,
                                   QWidget *parent)
{
    return run(BuildCoverLetterJob(dm, QStringLiteral("CertFile"), terrainLines, files, fileName),
               preview, parent);
}

TOpStatus PrintTechnicalLetter(TdtmMain &dm, const QStringList &files, const QString &fileName,
                               bool preview, QWidget *parent)
{
    return run(BuildCoverLetterJob(dm, QStringLiteral("TechFile"), {}, files, fileName), preview,
               parent);
}

TOpStatus PrintSpecialCaseDeclaration(TdtmMain &dm, int specialCase, QWidget *parent)
{
    return run(BuildSpecialCaseJob(dm, specialCase, QString()), true, parent);
}

void SetPreviewSuppressed(bool suppressed)
{
    g_suppressPreview = suppressed;
    g_suppressedPreviews = 0;
}

int SuppressedPreviewCount()
{
    return g_suppressedPreviews;
}
