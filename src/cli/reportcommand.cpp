#include "cli/reportcommand.h"

#include "base/clock.h"
#include "base/currentselection.h"
#include "base/ownerfilename.h"
#include "cli/clistation.h"
#include "reports/antennareporttext.h"
#include "reports/documentdata.h"
#include "reports/reportjobs.h"
#include "reports/submissionfiles.h"
#include "store/datamodule.h"
#include "store/jetliterals.h"
#include "store/recordstatement.h"

#include <QCoreApplication>
#include <QDir>
#include <ostream>

namespace
{

constexpr std::string_view HelpText =
    "Usage: vlmcli report DB CALL REF\n"
    "\n"
    "Writes the antenna report of the placement REF of the owner with the call sign\n"
    "CALL in the database file DB as a PDF file, exactly as the report page's\n"
    "\"Make File\" does: CALL_VLM_REF.pdf in the owner's personal directory, in the\n"
    "owner's document language. An existing file is replaced.\n"
    "\n"
    "Options:\n"
    "  -h, --help   this help\n"
    "\n"
    "Exit codes: 0 success, 1 the database, the owner, the placement or the personal\n"
    "directory could not be used, 2 wrong usage.\n";

// True when one of the owner's sites has a placement with that reference.
TOpResult<bool> HasPlacement(TdtmMain &dm, qint32 ownerId, const QString &ref)
{
    const TOpStatus status = OpenStatement(
        dm.qryTemp1,
        {QStringLiteral("SELECT tblStation.IdStation FROM tblStation INNER JOIN tblTower"),
         QStringLiteral("ON tblStation.IdTower = tblTower.IdTower"),
         QStringLiteral("WHERE tblTower.IdOwner =%1").arg(ownerId),
         QStringLiteral("AND tblStation.AntennasRef =") + JetText(ref)});
    if (!status.ok())
        return TOpResult<bool>::failure(status);
    return TOpResult<bool>::success(!dm.qryTemp1->isEmpty());
}

} // namespace

std::string_view ReportCommand::name() const
{
    return "report";
}

std::string_view ReportCommand::summary() const
{
    return "the antenna report PDF of one placement";
}

std::string_view ReportCommand::help() const
{
    return HelpText;
}

int ReportCommand::run(const std::vector<std::string> &args, CliStreams &streams) const
{
    for (const std::string &arg : args) {
        if (arg.rfind("--", 0) == 0) {
            streams.err << "vlmcli report: unknown option '" << arg << "'\n";
            return ExitUsage;
        }
    }
    if (args.size() != 3) {
        streams.err << "vlmcli report: expected DB, CALL and REF\n"
                    << "Usage: vlmcli report DB CALL REF\n";
        return ExitUsage;
    }
    const QString ref = QString::fromStdString(args[2]);
    const auto app = EnsureCoreApplication();
    TdtmMain dm;
    const QString opened =
        OpenOwnerOfCall(dm, QString::fromStdString(args[0]), QString::fromStdString(args[1]));
    if (!opened.isEmpty()) {
        streams.err << "vlmcli report: " << opened.toStdString() << '\n';
        return ExitFailure;
    }
    const TCurrentSelection &cs = CurrentSelection();
    const TOpResult<bool> placement = HasPlacement(dm, cs.ownerId, ref);
    if (!placement.ok() || !placement.value) {
        streams.err << "vlmcli report: "
                    << (placement.ok() ? "no placement '" + args[2] + "' of " + args[1]
                                       : placement.error.toStdString())
                    << '\n';
        return ExitFailure;
    }
    // Without a personal directory the page would write into whatever folder it runs in.
    if (cs.userDirectory.isEmpty()) {
        streams.err << "vlmcli report: the owner " << args[1] << " has no personal directory\n";
        return ExitFailure;
    }
    const auto rows = LoadReportData(dm, cs.ownerId, ref, cs.languageId);
    const auto document = rows.ok() ? LoadDocument(dm, cs.languageId, QStringLiteral("AntReport"))
                                    : TOpResult<TDocumentTemplate>::failure(rows.error);
    if (!document.ok()) {
        streams.err << "vlmcli report: " << document.error.toStdString() << '\n';
        return ExitFailure;
    }
    const QStringList lines = BuildAntennaReportText(document.value.lines(), rows.value,
                                                     cs.languageId, CurrentDateTime().date());
    const QString path = OwnerFilePath(cs.userDirectory, cs.call,
                                       QStringLiteral("_VLM_") + ref + QStringLiteral(".pdf"));
    const TOpStatus written = WriteJobPdf(BuildAntennaReportJob(lines, path), path);
    if (!written.ok()) {
        streams.err << "vlmcli report: " << written.error.toStdString() << '\n';
        return ExitFailure;
    }
    streams.out << "Wrote " << QDir::toNativeSeparators(path).toStdString() << '\n';
    return ExitSuccess;
}
