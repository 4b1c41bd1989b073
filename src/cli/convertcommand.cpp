#include "cli/convertcommand.h"

#include "base/meridoxbinding.h"
#include "base/numberformat.h"
#include "cli/angletext.h"
#include "cli/cliapplication.h"
#include "cli/clinumbers.h"

#include <QCoreApplication>
#include <cctype>
#include <cmath>
#include <memory>
#include <ostream>

namespace
{

constexpr std::string_view HelpText =
    "Usage: vlmcli convert to-wgs84 X Y [--decimal]\n"
    "       vlmcli convert to-lambert LAT LON\n"
    "\n"
    "Converts one point between Belgian Lambert 72 and WGS84 with the program's\n"
    "coordinate library (libmeridox.so beside vlmcli), exactly as the site page does.\n"
    "\n"
    "  to-wgs84 X Y     Lambert 72 easting and northing in metres; prints latitude\n"
    "                   and longitude to the whole second, e.g.\n"
    "                   50\xC2\xB0"
    "50'25\" N, 4\xC2\xB0"
    "22'08\" E\n"
    "  to-lambert LAT LON\n"
    "                   WGS84 latitude and longitude, as decimal degrees (50.840278)\n"
    "                   or degrees, minutes and seconds (50:50:25, 50\xC2\xB0"
    "50'25\"N,\n"
    "                   \"50 50 25\"); S and W, or a minus sign, for the other\n"
    "                   hemispheres; prints X and Y in whole metres, e.g. 150010, 169985\n"
    "\n"
    "Options:\n"
    "  --decimal    to-wgs84 prints signed decimal degrees (6 decimals) of the\n"
    "               angles rounded to the whole second, e.g. 50.840278, 4.368889\n"
    "  -h, --help   this help\n"
    "\n"
    "Numbers are written with a decimal point.\n"
    "Exit codes: 0 success, 1 the library is missing or the conversion failed,\n"
    "2 wrong usage.\n";

// Lambert 72 input beyond this many metres cannot be a point of the grid.
constexpr double LambertLimit = 1.0e7;

// The program's number texts (decimal comma) for a value of the command line.
QString ProgramText(double value)
{
    return FormatNumber(value);
}

struct DmsValue {
    bool negative = false;
    long long degrees = 0;
    long long minutes = 0;
    long long seconds = 0;
};

// Reads the binding's degree, minute and second texts back into numbers.
DmsValue FromTexts(const QString &degrees, const QString &minutes, const QString &seconds)
{
    DmsValue v;
    const double d = NumberOrZero(degrees);
    v.negative = d < 0.0;
    v.degrees = std::llround(std::fabs(d));
    v.minutes = std::llround(NumberOrZero(minutes));
    v.seconds = std::llround(NumberOrZero(seconds));
    return v;
}

std::string Two(long long value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string DmsText(const DmsValue &v, char positive, char negative)
{
    return std::to_string(v.degrees) + "\xC2\xB0" + Two(v.minutes) + "'" + Two(v.seconds) + "\" " +
           (v.negative ? negative : positive);
}

std::string DecimalText(const DmsValue &v)
{
    const double value = double(v.degrees) + double(v.minutes) / 60.0 + double(v.seconds) / 3600.0;
    return QString::number(v.negative ? -value : value, 'f', 6).toStdString();
}

bool LoadLibrary(CliStreams &streams)
{
    // A library unloaded with an earlier application object is loaded again.
    if (!IsConversionLibraryLoaded())
        ResetConversionLibrary();
    const ConversionLibraryLoad load = LoadConversionLibrary();
    if (!load.loaded || !IsConversionLibraryLoaded()) {
        streams.err << "vlmcli convert: the coordinate library is not available: "
                    << load.errorText.toStdString() << '\n';
        return false;
    }
    return true;
}

int Usage(CliStreams &streams, const std::string &problem)
{
    streams.err << "vlmcli convert: " << problem << '\n'
                << "Usage: vlmcli convert to-wgs84 X Y [--decimal] | to-lambert LAT LON\n";
    return ExitUsage;
}

int ToWgs84(const std::vector<std::string> &values, bool decimal, CliStreams &streams)
{
    double x = 0.0;
    double y = 0.0;
    if (!ParseNumber(values[0], x) || !ParseNumber(values[1], y))
        return Usage(streams, "X and Y must be numbers of metres");
    if (std::fabs(x) > LambertLimit || std::fabs(y) > LambertLimit)
        return Usage(streams, "X and Y lie far outside the Lambert 72 grid");

    const auto app = EnsureCoreApplication();
    if (!LoadLibrary(streams))
        return ExitFailure;
    Wgs84DmsTexts texts;
    if (!Lambert72ToWgs84(ProgramText(x), ProgramText(y), &texts)) {
        streams.err << "vlmcli convert: the point " << values[0] << ", " << values[1]
                    << " could not be converted\n";
        return ExitFailure;
    }
    const DmsValue lat = FromTexts(texts.latDeg, texts.latMin, texts.latSec);
    const DmsValue lon = FromTexts(texts.lonDeg, texts.lonMin, texts.lonSec);
    if (decimal)
        streams.out << DecimalText(lat) << ", " << DecimalText(lon) << '\n';
    else
        streams.out << DmsText(lat, 'N', 'S') << ", " << DmsText(lon, 'E', 'W') << '\n';
    return ExitSuccess;
}

int ToLambert(const std::vector<std::string> &values, CliStreams &streams)
{
    ParsedAngle lat;
    ParsedAngle lon;
    std::string problem;
    if (!ParseAngle(values[0], AngleAxis::Latitude, lat, &problem) ||
        !ParseAngle(values[1], AngleAxis::Longitude, lon, &problem))
        return Usage(streams, problem);

    const auto app = EnsureCoreApplication();
    if (!LoadLibrary(streams))
        return ExitFailure;
    // The binding adds the three texts up, so a negative angle is negative in each.
    auto part = [](const ParsedAngle &a, double value) {
        return ProgramText(a.negative ? -value : value);
    };
    QString xText;
    QString yText;
    if (!Wgs84ToLambert72(part(lat, lat.degrees), part(lat, lat.minutes), part(lat, lat.seconds),
                          part(lon, lon.degrees), part(lon, lon.minutes), part(lon, lon.seconds),
                          &xText, &yText)) {
        streams.err << "vlmcli convert: the point " << values[0] << ", " << values[1]
                    << " could not be converted\n";
        return ExitFailure;
    }
    streams.out << QString::number(NumberOrZero(xText), 'f', 0).toStdString() << ", "
                << QString::number(NumberOrZero(yText), 'f', 0).toStdString() << '\n';
    return ExitSuccess;
}

} // namespace

std::string_view ConvertCommand::name() const
{
    return "convert";
}

std::string_view ConvertCommand::summary() const
{
    return "Lambert 72 and WGS84 coordinates of a point into each other";
}

std::string_view ConvertCommand::help() const
{
    return HelpText;
}

int ConvertCommand::run(const std::vector<std::string> &args, CliStreams &streams) const
{
    bool decimal = false;
    std::vector<std::string> positional;
    for (const std::string &arg : args) {
        // A minus sign followed by a digit or point starts a negative coordinate.
        const bool option =
            arg.rfind("--", 0) == 0 || (arg.size() > 1 && arg[0] == '-' && arg[1] != '.' &&
                                        !std::isdigit(static_cast<unsigned char>(arg[1])));
        if (arg == "--decimal")
            decimal = true;
        else if (option)
            return Usage(streams, "unknown option '" + arg + "'");
        else
            positional.push_back(arg);
    }
    if (positional.size() != 3)
        return Usage(streams, "expected a direction and two coordinates");
    const std::string &direction = positional[0];
    const std::vector<std::string> values(positional.begin() + 1, positional.end());
    if (direction == "to-wgs84")
        return ToWgs84(values, decimal, streams);
    if (direction == "to-lambert") {
        if (decimal)
            return Usage(streams, "--decimal belongs to to-wgs84");
        return ToLambert(values, streams);
    }
    return Usage(streams, "unknown direction '" + direction + "'; use to-wgs84 or to-lambert");
}
