#include "reports/reportjobs.h"

#include "base/clock.h"
#include "base/currentselection.h"
#include "base/installlayout.h"
#include "base/programfolder.h"
#include "reportengine/bmpreader.h"

#include <QCoreApplication>
#include <QFile>

namespace
{
// Owner letter data, the named document and the regulator's address, in the current
// owner's document language.
TOpResult<TReportInputs> loadLetter(TdtmMain &dm, ReportKind kind, const QString &documentName)
{
    const TCurrentSelection &sel = CurrentSelection();
    TReportInputs in;
    in.kind = kind;
    in.today = CurrentDateTime().date();
    const auto owner = LoadOwnerLetterData(dm, sel.ownerId, sel.languageId);
    if (!owner.ok())
        return TOpResult<TReportInputs>::failure(owner.error);
    in.owner = owner.value;
    const auto document = LoadDocument(dm, sel.languageId, documentName);
    if (!document.ok())
        return TOpResult<TReportInputs>::failure(document.error);
    in.document = document.value;
    const auto regulator = LoadRegulatorAddress(dm, sel.languageId);
    if (!regulator.ok())
        return TOpResult<TReportInputs>::failure(regulator.error);
    in.regulator = regulator.value;
    return TOpResult<TReportInputs>::success(in);
}
} // namespace

ReportJob MakeReportJob(const TReportInputs &inputs, const QString &fileName)
{
    ReportJob job;
    job.fileName = fileName;
    job.draw = [inputs](ReportCanvas &canvas) { rvsEnginePrint(canvas, inputs); };
    if (inputs.kind == ReportKind::AntennaReport) {
        job.hasText = true;
        job.text.fontName = QStringLiteral("Courier New");
        job.text.sizePt = 9;
        job.text.lines = inputs.reportLines;
    }
    return job;
}

QString LowPowerPictureFile()
{
    return ScratchFile(QStringLiteral("Tmp.bmp"));
}

TOpResult<ReportJob> BuildLowPowerLetterJob(TdtmMain &dm, const QString &fileName)
{
    const QString picture = LowPowerPictureFile();
    RasterImage image;
    QString readError;
    const bool read = ReadBmpFile(picture, &image, &readError);
    QFile::remove(picture);
    auto in = loadLetter(dm, ReportKind::LowPowerLetter, QStringLiteral("QRP"));
    if (!in.ok())
        return TOpResult<ReportJob>::failure(in.error);
    if (read)
        in.value.picture = image;
    in.value.picturePath = picture;
    return TOpResult<ReportJob>::success(MakeReportJob(in.value, fileName));
}

ReportJob BuildAntennaReportJob(const QStringList &lines, const QString &fileName)
{
    TReportInputs in;
    in.kind = ReportKind::AntennaReport;
    in.today = CurrentDateTime().date();
    in.reportLines = lines;
    return MakeReportJob(in, fileName);
}

TOpResult<ReportJob> BuildCoverLetterJob(TdtmMain &dm, const QString &documentName,
                                         const QStringList &terrainLines, const QStringList &files,
                                         const QString &fileName)
{
    auto in = loadLetter(dm, ReportKind::CoverLetter, documentName);
    if (!in.ok())
        return TOpResult<ReportJob>::failure(in.error);
    in.value.terrainLines = terrainLines;
    in.value.files = files;
    return TOpResult<ReportJob>::success(MakeReportJob(in.value, fileName));
}

QString SpecialCaseDocumentName(int specialCase)
{
    switch (specialCase) {
    case 1:
        return QStringLiteral("MobilePortable");
    case 2:
        return QStringLiteral("Below10Mhz");
    case 3:
        return QStringLiteral("Above10GHz");
    case 4:
        return QStringLiteral("SWL");
    default:
        return QString();
    }
}

TOpResult<ReportJob> BuildSpecialCaseJob(TdtmMain &dm, int specialCase, const QString &fileName)
{
    const QString name = SpecialCaseDocumentName(specialCase);
    if (name.isEmpty())
        return TOpResult<ReportJob>::failure(QCoreApplication::translate(
            "ReportJobs", "There is no declaration for the normal case."));
    auto in = loadLetter(dm, ReportKind::SpecialCaseDeclaration, name);
    if (!in.ok())
        return TOpResult<ReportJob>::failure(in.error);
    return TOpResult<ReportJob>::success(MakeReportJob(in.value, fileName));
}

TOpStatus WriteJobPdf(const ReportJob &job, const QString &path)
{
    QString error;
    if (!WriteReportPdf(job, path, &error))
        return TOpStatus{error.isEmpty() ? QCoreApplication::translate(
                                               "ReportJobs", "The PDF file could not be written.")
                                         : error};
    return TOpStatus{};
}

QString UserDocumentPath(const QString &userDirectory, const QString &fileName)
{
    if (userDirectory.trimmed().isEmpty())
        return fileName;
    QString path = userDirectory;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + fileName;
}
