#include "cli/packagecommand.h"

#include "archive/archivepackage.h"
#include "base/currentselection.h"
#include "base/ownerfilename.h"
#include "base/programfolder.h"
#include "cli/clistation.h"
#include "exposure/evaluation.h"
#include "exposure/safetydistances.h"
#include "reports/exportdatabase.h"
#include "reports/exposuresummary.h"
#include "reports/reportjobs.h"
#include "reports/submissionfiles.h"
#include "reports/submissionnote.h"
#include "store/datamodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <ostream>

namespace
{

constexpr std::string_view HelpText =
    "Usage: vlmcli package DB CALL\n"
    "\n"
    "Makes the submission package of the owner with the call sign CALL in the\n"
    "database file DB, exactly as the submission page does, in the owner's personal\n"
    "directory:\n"
    "  CALL_VLM_Exposure.pdf     the exposure summary in the owner's document language:\n"
    "                            the method, every point against every placement, the\n"
    "                            combined exposure and the safety distances\n"
    "  CALL_Vlm.mdb              the regulator export database (the template\n"
    "                            \"Empty_Vlm.mdb\" beside the program, filled, as an\n"
    "                            Access 2000 file)\n"
    "  CALL_VLM_Letter_Bipt.pdf  the cover letter: the certification letter with the\n"
    "                            owner's terrain-study note when the evaluation of the\n"
    "                            critical test points requires one, otherwise the\n"
    "                            technical letter\n"
    "  CALL_Vlm.zip              every file of the personal directory\n"
    "Existing files of these names are replaced. A \"/\" in CALL becomes \"_\".\n"
    "\n"
    "Options:\n"
    "  -h, --help   this help\n"
    "\n"
    "A placement whose power chain was never saved has no field strength: the files\n"
    "are made, the placements are named on standard error and the exit code is 1.\n"
    "\n"
    "Exit codes: 0 success, 1 the database, the owner, the template, the personal\n"
    "directory or one of the files could not be used, or the evaluation is incomplete,\n"
    "2 wrong usage.\n";

QString WriteExport(TdtmMain &dm, const QString &target)
{
    const TExportFileResult created = CreateExportDatabase(dm, target);
    return created.ok()
               ? QString()
               : ExportFailureMessage(created).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QString WriteLetter(TdtmMain &dm, const QString &target)
{
    const TCurrentSelection &cs = CurrentSelection();
    // The evaluation decides which letter the owner needs, as it does before the page.
    const TOpResult<TEvaluationOutcome> evaluated = EvaluatePoints(dm, cs.ownerId);
    if (!evaluated.ok())
        return evaluated.error;
    QStringList terrainLines;
    if (cs.terrainStudy) {
        const TOpResult<QString> note = ReadOwnerFileNote(dm, cs.ownerId);
        if (!note.ok())
            return note.error;
        if (!note.value.isEmpty())
            terrainLines = note.value.split(QLatin1Char('\n'));
    }
    const QStringList files = DirectoryEntryList(cs.userDirectory);
    const TOpResult<ReportJob> job = BuildCoverLetterJob(
        dm, cs.terrainStudy ? QStringLiteral("CertFile") : QStringLiteral("TechFile"), terrainLines,
        files, target);
    if (!job.ok())
        return job.error;
    return WriteJobPdf(job.value, target).error;
}

} // namespace

std::string_view PackageCommand::name() const
{
    return "package";
}

std::string_view PackageCommand::summary() const
{
    return "export database, cover letter and ZIP of an owner";
}

std::string_view PackageCommand::help() const
{
    return HelpText;
}

int PackageCommand::run(const std::vector<std::string> &args, CliStreams &streams) const
{
    for (const std::string &arg : args) {
        if (arg.rfind("--", 0) == 0) {
            streams.err << "vlmcli package: unknown option '" << arg << "'\n";
            return ExitUsage;
        }
    }
    if (args.size() != 2) {
        streams.err << "vlmcli package: expected DB and CALL\n"
                    << "Usage: vlmcli package DB CALL\n";
        return ExitUsage;
    }
    const auto app = EnsureCoreApplication();
    TdtmMain dm;
    const QString opened =
        OpenOwnerOfCall(dm, QString::fromStdString(args[0]), QString::fromStdString(args[1]));
    if (!opened.isEmpty()) {
        streams.err << "vlmcli package: " << opened.toStdString() << '\n';
        return ExitFailure;
    }
    const TCurrentSelection &cs = CurrentSelection();
    // Without a personal directory the files would land wherever the command runs and
    // the archive would pack that folder.
    if (cs.userDirectory.isEmpty() || !QFileInfo(cs.userDirectory).isDir()) {
        streams.err << "vlmcli package: the personal directory '" << cs.userDirectory.toStdString()
                    << "' of " << args[1] << " does not exist\n";
        return ExitFailure;
    }
    const QString exportFile = OwnerFilePath(cs.userDirectory, cs.call, QStringLiteral("_Vlm.mdb"));
    // The exposure summary first, as the report page comes before the submission
    // page: the cover letter lists it among the enclosed files.
    // A database made before the summary existed lacks its text: the regulator's
    // files are still made, and the user is told how to get the summary.
    QString exposureFile;
    QString error;
    if (ExposureSummaryTextAvailable(dm, cs.languageId)) {
        const TOpResult<QString> exposure = WriteExposureSummary(dm);
        exposureFile = exposure.value;
        error = exposure.error;
    } else {
        streams.err << "vlmcli package: no exposure summary: the database holds no text for it "
                       "(document \"ExposureSummary\"); update its reference tables\n";
    }
    if (error.isEmpty())
        error = WriteExport(dm, exportFile);
    const QString letterFile =
        OwnerFilePath(cs.userDirectory, cs.call, QStringLiteral("_VLM_Letter_Bipt.pdf"));
    if (error.isEmpty())
        error = WriteLetter(dm, letterFile);
    OwnerArchiveResult archive;
    if (error.isEmpty()) {
        archive =
            CreateOwnerArchive(cs.userDirectory, cs.call, DirectoryEntryList(cs.userDirectory));
        if (!archive.ok)
            error = archive.error;
    }
    if (!error.isEmpty()) {
        streams.err << "vlmcli package: " << error.toStdString() << '\n';
        return ExitFailure;
    }
    for (const QString &file : {exposureFile, exportFile, letterFile, archive.archivePath})
        if (!file.isEmpty())
            streams.out << "Wrote " << QDir::toNativeSeparators(file).toStdString() << '\n';
    const TOpResult<QStringList> missing = PlacementsWithoutPowerChain(dm, cs.ownerId);
    if (!missing.ok() || !missing.value.isEmpty()) {
        streams.err << "vlmcli package: the evaluation is incomplete: no power chain for "
                    << missing.value.join(QStringLiteral(", ")).toStdString()
                    << missing.error.toStdString() << '\n';
        return ExitFailure;
    }
    return ExitSuccess;
}
