#include "cli/exportcommand.h"

#include "base/currentselection.h"
#include "base/programfolder.h"
#include "cli/clistation.h"
#include "reports/exportdatabase.h"
#include "reports/exportsource.h"
#include "store/datamodule.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <ostream>

namespace
{

constexpr std::string_view HelpText =
    "Usage: vlmcli export DB CALL FILE\n"
    "\n"
    "Writes the regulator export database of the owner with the call sign CALL in\n"
    "the database file DB to FILE, exactly as the submission page's \"Create\" does:\n"
    "FILE becomes the template \"Empty_Vlm.mdb\" beside the program with its\n"
    "application rows and antenna tables filled with the owner's data in the owner's\n"
    "document language, written as an Access 2000 file. An existing FILE is replaced\n"
    "only when the new one is complete; after a failure it is left as it was.\n"
    "\n"
    "Options:\n"
    "  -h, --help   this help\n"
    "\n"
    "Exit codes: 0 success, 1 the database, the owner, the template or FILE could not\n"
    "be used, 2 wrong usage.\n";

} // namespace

std::string_view ExportCommand::name() const
{
    return "export";
}

std::string_view ExportCommand::summary() const
{
    return "the regulator export database of an owner";
}

std::string_view ExportCommand::help() const
{
    return HelpText;
}

int ExportCommand::run(const std::vector<std::string> &args, CliStreams &streams) const
{
    for (const std::string &arg : args) {
        if (arg.rfind("--", 0) == 0) {
            streams.err << "vlmcli export: unknown option '" << arg << "'\n";
            return ExitUsage;
        }
    }
    if (args.size() != 3) {
        streams.err << "vlmcli export: expected DB, CALL and FILE\n"
                    << "Usage: vlmcli export DB CALL FILE\n";
        return ExitUsage;
    }
    const QString db = QString::fromStdString(args[0]);
    const QString call = QString::fromStdString(args[1]);
    const QString target = QFileInfo(QString::fromStdString(args[2])).absoluteFilePath();
    if (!QFileInfo(db).isFile()) {
        streams.err << "vlmcli export: no database file '" << args[0] << "'\n";
        return ExitFailure;
    }
    if (QFileInfo(db).canonicalFilePath() == QFileInfo(target).canonicalFilePath()) {
        streams.err << "vlmcli export: FILE must not be the database DB\n";
        return ExitUsage;
    }

    const auto app = EnsureCoreApplication();
    TdtmMain dm;
    const QString error = OpenOwnerOfCall(dm, db, call);
    if (!error.isEmpty()) {
        streams.err << "vlmcli export: " << error.toStdString() << '\n';
        return ExitFailure;
    }
    const TExportFileResult created = CreateExportDatabase(dm, target);
    if (!created.ok()) {
        streams.err << "vlmcli export: "
                    << ExportFailureMessage(created)
                           .replace(QLatin1Char('\n'), QLatin1Char(' '))
                           .toStdString()
                    << '\n';
        return ExitFailure;
    }
    const TOpResult<int> antennas = CountExportAntennas(dm, CurrentSelection().ownerId);
    streams.out << "Exported " << (antennas.ok() ? antennas.value : 0) << " antenna(s) of "
                << args[1] << " to " << target.toStdString() << '\n';
    return ExitSuccess;
}
