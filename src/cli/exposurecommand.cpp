#include "cli/exposurecommand.h"

#include "base/currentselection.h"
#include "cli/clistation.h"
#include "cli/clitable.h"
#include "exposure/evaluation.h"
#include "store/datamodule.h"

#include <QCoreApplication>
#include <ostream>

namespace
{

constexpr std::string_view HelpText =
    "Usage: vlmcli exposure DB CALL [--csv]\n"
    "\n"
    "Prints, for every critical test point of the owner with the call sign CALL in\n"
    "the database file DB, the exposure of the antennas of its site that transmit at\n"
    "the same time: the quotient Q = sum of (E / L1)^2 over those placements that work\n"
    "at 10 MHz or more, E the field strength at the point as the evaluation computes\n"
    "it and L1 the limit of the placement's frequency. Q <= 1 complies; 100 x sqrt(Q)\n"
    "is the percentage of the limit shown on the critical test points page.\n"
    "\n"
    "Options:\n"
    "  --csv        comma-separated values for machine use, with the header\n"
    "               Reference,Site,Quotient,Placements: Q to 17 significant digits\n"
    "               with a decimal point, Placements the number of placements summed;\n"
    "               Quotient is empty when a summed placement has no power chain\n"
    "  -h, --help   this help\n"
    "\n"
    "Exit codes: 0 success, 1 the database or the owner could not be read, or a\n"
    "placement has no power chain, 2 wrong usage.\n";

} // namespace

std::string_view ExposureCommand::name() const
{
    return "exposure";
}

std::string_view ExposureCommand::summary() const
{
    return "combined exposure quotient at every critical test point of an owner";
}

std::string_view ExposureCommand::help() const
{
    return HelpText;
}

int ExposureCommand::run(const std::vector<std::string> &args, CliStreams &streams) const
{
    const StationArguments a = ReadStationArguments(args);
    if (!a.error.empty()) {
        streams.err << "vlmcli exposure: " << a.error << '\n'
                    << "Usage: vlmcli exposure DB CALL [--csv]\n";
        return ExitUsage;
    }
    const auto app = EnsureCoreApplication();
    TdtmMain dm;
    const QString error =
        OpenOwnerOfCall(dm, QString::fromStdString(a.db), QString::fromStdString(a.call));
    if (!error.isEmpty()) {
        streams.err << "vlmcli exposure: " << error.toStdString() << '\n';
        return ExitFailure;
    }
    const TOpResult<TEvaluationOutcome> result = EvaluatePoints(dm, CurrentSelection().ownerId);
    if (!result.ok()) {
        streams.err << "vlmcli exposure: " << result.error.toStdString() << '\n';
        return ExitFailure;
    }
    const TEvaluation &ev = result.value.evaluation;

    QVector<QVector<QString>> table{{QStringLiteral("Reference"), QStringLiteral("Site"),
                                     QStringLiteral("% of limit (together)"),
                                     QStringLiteral("Quotient"), QStringLiteral("Placements")}};
    if (a.csv)
        streams.out << "Reference,Site,Quotient,Placements\n";
    for (const TPointExposure &point : ev.points) {
        const QString &reference = ev.reference[point.firstEntry];
        const QString &site = ev.siteName[point.firstEntry];
        if (a.csv) {
            streams.out << CsvField(reference.toStdString()) << ',' << CsvField(site.toStdString())
                        << ',' << (point.complete ? PlainNumber(point.quotient, 17) : std::string())
                        << ',' << point.summed << '\n';
            continue;
        }
        table << QVector<QString>{reference, site, CombinedCellText(point),
                                  point.complete
                                      ? QString::fromStdString(PlainNumber(point.quotient, 6))
                                      : QStringLiteral("-"),
                                  QString::number(point.summed)};
    }
    if (!a.csv) {
        if (ev.points.isEmpty())
            streams.out << "No critical test point to evaluate: the owner's sites have no "
                           "points with antennas.\n";
        else
            PrintColumns(table, {2, 3, 4}, streams.out);
    }
    const std::optional<TEvaluationSummary> &summary = result.value.summary;
    if (summary && !summary->incompleteText.isEmpty()) {
        streams.err << "vlmcli exposure: " << summary->incompleteText.toStdString() << '\n';
        return ExitFailure;
    }
    return ExitSuccess;
}
