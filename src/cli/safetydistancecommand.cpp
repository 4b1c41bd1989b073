#include "cli/safetydistancecommand.h"

#include "base/currentselection.h"
#include "base/numberformat.h"
#include "cli/clistation.h"
#include "cli/clitable.h"
#include "exposure/safetydistances.h"
#include "store/datamodule.h"

#include <QCoreApplication>
#include <QStringList>
#include <ostream>

namespace
{

constexpr std::string_view HelpText =
    "Usage: vlmcli safety-distance DB CALL [--csv]\n"
    "\n"
    "Prints, for every antenna placement of the owner with the call sign CALL in the\n"
    "database file DB, its safety distance: the largest distance from the antenna,\n"
    "in the direction of its largest gain, at which the field strength of the power\n"
    "at the antenna still reaches the exposure limit of its frequency. Wire antennas\n"
    "follow the far field of their largest gain, aperture antennas their beam axis\n"
    "through the near field, the transition region and the far field.\n"
    "\n"
    "Options:\n"
    "  --csv        comma-separated values for machine use, with the header\n"
    "               Site,Placement,Frequency,Limit,SafetyDistance and numbers with a\n"
    "               decimal point (frequency in MHz, limit in V/m, distance in m);\n"
    "               Limit and SafetyDistance are empty below 10 MHz, where no limit\n"
    "               applies, and SafetyDistance without a power chain\n"
    "  -h, --help   this help\n"
    "\n"
    "Exit codes: 0 success, 1 the database or the owner could not be read, or a\n"
    "placement has no power chain, 2 wrong usage.\n";

QString Number(double value, int decimals)
{
    return FormatRounded(value, decimals);
}

} // namespace

std::string_view SafetyDistanceCommand::name() const
{
    return "safety-distance";
}

std::string_view SafetyDistanceCommand::summary() const
{
    return "safety distance of every antenna placement of an owner";
}

std::string_view SafetyDistanceCommand::help() const
{
    return HelpText;
}

int SafetyDistanceCommand::run(const std::vector<std::string> &args, CliStreams &streams) const
{
    const StationArguments a = ReadStationArguments(args);
    if (!a.error.empty()) {
        streams.err << "vlmcli safety-distance: " << a.error << '\n'
                    << "Usage: vlmcli safety-distance DB CALL [--csv]\n";
        return ExitUsage;
    }
    const auto app = EnsureCoreApplication();
    TdtmMain dm;
    const QString error =
        OpenOwnerOfCall(dm, QString::fromStdString(a.db), QString::fromStdString(a.call));
    if (!error.isEmpty()) {
        streams.err << "vlmcli safety-distance: " << error.toStdString() << '\n';
        return ExitFailure;
    }
    const TOpResult<QVector<TPlacementSafety>> list =
        ListSafetyDistances(dm, CurrentSelection().ownerId);
    if (!list.ok()) {
        streams.err << "vlmcli safety-distance: " << list.error.toStdString() << '\n';
        return ExitFailure;
    }

    QStringList missing;
    QVector<QVector<QString>> table{{QStringLiteral("Site"), QStringLiteral("Placement"),
                                     QStringLiteral("Frequency"), QStringLiteral("Limit"),
                                     QStringLiteral("Safety distance")}};
    if (a.csv)
        streams.out << "Site,Placement,Frequency,Limit,SafetyDistance\n";
    for (const TPlacementSafety &s : list.value) {
        if (!s.hasPower)
            missing << s.placementRef;
        if (a.csv) {
            streams.out << CsvField(s.siteName.toStdString()) << ','
                        << CsvField(s.placementRef.toStdString()) << ','
                        << PlainNumber(s.frequency, 15) << ','
                        << (s.limit ? PlainNumber(*s.limit, 15) : std::string()) << ','
                        << (s.distance ? PlainNumber(*s.distance, 17) : std::string()) << '\n';
            continue;
        }
        table << QVector<QString>{
            s.siteName, s.placementRef, Number(s.frequency, 3) + QStringLiteral(" MHz"),
            s.limit ? Number(*s.limit, 2) + QStringLiteral(" V/m") : QStringLiteral("-"),
            SafetyDistanceText(s)};
    }
    if (!a.csv) {
        if (list.value.isEmpty())
            streams.out << "No antenna placement: the owner's sites have no antennas.\n";
        else
            PrintColumns(table, {2, 3, 4}, streams.out);
    }
    if (!missing.isEmpty()) {
        streams.err << "vlmcli safety-distance: no power chain for "
                    << missing.join(QStringLiteral(", ")).toStdString() << '\n';
        return ExitFailure;
    }
    return ExitSuccess;
}
