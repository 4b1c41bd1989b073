#include "cli/fieldstrengthcommand.h"

#include "cli/clinumbers.h"
#include "cli/fieldstrengthbatch.h"
#include "cli/fieldstrengthinput.h"
#include "exposure/engine/engine.h"
#include "exposure/evaluation.h"

#include <map>
#include <optional>
#include <ostream>

namespace
{

constexpr std::string_view HelpText =
    "Usage: vlmcli field-strength --pattern G0,G1,...,G9 [--aperture N] --freq f --tilt t\n"
    "                             --distance d --point-height hp --power Pd --antenna-height ha\n"
    "       vlmcli field-strength --batch\n"
    "\n"
    "Computes the electric field strength (V/m, RMS) of one antenna placement at one\n"
    "point, its verdict against the exposure limits and its summary class.\n"
    "\n"
    "Options:\n"
    "  --pattern G0,...,G9    vertical pattern in dBi at 0, 10, ..., 90 degrees off the beam\n"
    "  --aperture N           aperture size in wavelengths, a whole number;\n"
    "                         0 (the default) for a wire antenna\n"
    "  --freq f               frequency in MHz\n"
    "  --tilt t               beam tilt in degrees, positive upwards\n"
    "  --distance d           horizontal distance of the point from the mast in m\n"
    "  --point-height hp      height of the point in m\n"
    "  --power Pd             power at the antenna minus the point's space attenuation, dBW\n"
    "  --antenna-height ha    height of the antenna in m\n"
    "  --batch                read lines of 17 numbers 'G0 ... G9 N f t d hp Pd ha' from\n"
    "                         standard input and write 'E verdict class' for each, E to 17\n"
    "                         significant digits; a line that cannot be read gets\n"
    "                         'error: line n: reason' in its place and the run goes on\n"
    "  -h, --help             this help\n"
    "\n"
    "Numbers use a decimal point. Options also take the form --name=value.\n"
    "Verdict: 0 below 10 MHz (none), 1 above the limit, 2 at most the limit,\n"
    "3 below the warning level, 4 below the low level.\n"
    "Summary class: 1 lowest ... 4 above the limit.\n"
    "Exit codes: 0 success, 1 a batch line could not be read, 2 wrong usage.\n";

const char *const ValueOptions[] = {"pattern",  "aperture",     "freq",  "tilt",
                                    "distance", "point-height", "power", "antenna-height"};

const char *VerdictText(int verdict)
{
    switch (verdict) {
    case VerdictNone:
        return "no verdict below 10 MHz";
    case VerdictAboveLimit:
        return "above the limit";
    case VerdictNearLimit:
        return "at most the limit, not below the warning level";
    case VerdictBelowWarning:
        return "below the warning level, not below the low level";
    default:
        return "below the low level";
    }
}

bool IsValueOption(std::string_view name)
{
    for (const char *option : ValueOptions) {
        if (name == option)
            return true;
    }
    return false;
}

struct ParsedOptions {
    bool batch = false;
    std::map<std::string, std::string> values;
};

// Reads "--name value" and "--name=value" options; returns an error text on failure.
std::optional<std::string> ReadOptions(const std::vector<std::string> &args, ParsedOptions &options)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg.rfind("--", 0) != 0)
            return "unexpected argument '" + arg + "'";
        std::string name = arg.substr(2);
        std::optional<std::string> value;
        const std::size_t equals = name.find('=');
        if (equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.erase(equals);
        }
        if (name == "batch" && !value) {
            options.batch = true;
            continue;
        }
        if (!IsValueOption(name))
            return "unknown option '--" + name + "'";
        if (!value) {
            if (i + 1 == args.size())
                return "option '--" + name + "' needs a value";
            value = args[++i];
        }
        if (!options.values.emplace(name, *value).second)
            return "option '--" + name + "' is given twice";
    }
    if (options.batch && !options.values.empty())
        return "--batch reads everything from standard input and takes no other option";
    return std::nullopt;
}

std::optional<std::string> ReadNumberOption(const ParsedOptions &options, const char *name,
                                            double &value)
{
    const auto it = options.values.find(name);
    if (it == options.values.end())
        return std::string("missing option '--") + name + "'";
    if (!ParseNumber(it->second, value))
        return std::string("--") + name + ": '" + it->second + "' is not a number";
    return std::nullopt;
}

std::optional<std::string> ReadPattern(const ParsedOptions &options, AntennaPattern &pattern)
{
    const auto it = options.values.find("pattern");
    if (it == options.values.end())
        return std::string("missing option '--pattern'");
    const std::string_view text = it->second;
    std::size_t start = 0;
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item = text.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        double value = 0.0;
        if (!ParseNumber(item, value))
            return "--pattern: '" + std::string(item) + "' is not a number";
        if (count < pattern.size())
            pattern[count] = value;
        ++count;
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (count != pattern.size())
        return "--pattern needs 10 gains G0,...,G9, found " + std::to_string(count);
    return std::nullopt;
}

std::optional<std::string> ReadInput(const ParsedOptions &options, FieldStrengthInput &input)
{
    if (auto error = ReadPattern(options, input.pattern))
        return error;
    const auto aperture = options.values.find("aperture");
    if (aperture != options.values.end() && !ParseWholeNumber(aperture->second, input.apertureSize))
        return "--aperture: '" + aperture->second + "' is not a whole number";
    const struct {
        const char *name;
        double *value;
    } numbers[] = {{"freq", &input.f},     {"tilt", &input.t},
                   {"distance", &input.d}, {"point-height", &input.hp},
                   {"power", &input.pd},   {"antenna-height", &input.ha}};
    for (const auto &number : numbers) {
        if (auto error = ReadNumberOption(options, number.name, *number.value))
            return error;
    }
    return std::nullopt;
}

} // namespace

std::string_view FieldStrengthCommand::name() const
{
    return "field-strength";
}

std::string_view FieldStrengthCommand::summary() const
{
    return "field strength, verdict and summary class at a point";
}

std::string_view FieldStrengthCommand::help() const
{
    return HelpText;
}

int FieldStrengthCommand::run(const std::vector<std::string> &args, CliStreams &streams) const
{
    ParsedOptions options;
    FieldStrengthInput input;
    std::optional<std::string> error = ReadOptions(args, options);
    if (!error && !options.batch)
        error = ReadInput(options, input);
    if (error) {
        streams.err << "vlmcli field-strength: " << *error
                    << "\n'vlmcli field-strength --help' shows the options.\n";
        return ExitUsage;
    }

    if (options.batch)
        return RunFieldStrengthBatch(streams.in, streams.out) == 0 ? ExitSuccess : ExitFailure;

    const FieldStrengthAnswer answer = Evaluate(input);
    std::string line = "E = ";
    AppendShortNumber(line, answer.e);
    line += " V/m";
    if (answer.e == OutOfPatternValue)
        line += " (out of pattern: 91 degrees or more off the beam)";
    line += ", verdict " + std::to_string(answer.verdict) + " (" + VerdictText(answer.verdict) +
            "), summary class " + std::to_string(answer.summaryClass) + " (" +
            SummaryResultText(answer.summaryClass).toStdString() + ")\n";
    streams.out << line;
    return ExitSuccess;
}
