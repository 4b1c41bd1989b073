#include "cli/evaluatecommand.h"

#include "base/currentselection.h"
#include "cli/clistation.h"
#include "cli/clitable.h"
#include "exposure/evaluation.h"
#include "store/datamodule.h"
#include "store/schema.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <memory>
#include <ostream>

namespace
{

constexpr std::string_view HelpText =
    "Usage: vlmcli evaluate DB CALL [--csv]\n"
    "\n"
    "Evaluates every critical test point of the owner with the call sign CALL in\n"
    "the database file DB against every antenna placement of the point's site,\n"
    "exactly as the critical test points page does, and prints one line per point\n"
    "and placement followed by the summary line.\n"
    "\n"
    "Options:\n"
    "  --csv        comma-separated values for machine use: a header row, then one\n"
    "               row per entry with numbers written with a decimal point (the\n"
    "               field strength to 17 significant digits); no summary line\n"
    "  -h, --help   this help\n"
    "\n"
    "Verdict: 0 below 10 MHz (no limit applies there), 1 above the limit, 2 at most\n"
    "the limit, 3 below the warning level, 4 below the low level.\n"
    "A placement whose power chain was never saved has no field strength and no\n"
    "verdict: its lines read \"no power chain\" (empty Field and Verdict in CSV), the\n"
    "evaluation is incomplete and the exit code is 1.\n"
    "Exit codes: 0 success, 1 the database or the owner could not be read, or the\n"
    "evaluation is incomplete, 2 wrong usage.\n";

const std::array<const char *, 9> Headings = {"Reference",   "Site",   "Placement",
                                              "Distance",    "Height", "Attenuation",
                                              "Description", "Field",  "Verdict"};

std::string Utf8(const QString &text)
{
    return text.toStdString();
}

void PrintCsv(const TEvaluation &ev, const TJetDataset &rows, std::ostream &out)
{
    for (std::size_t c = 0; c < Headings.size(); ++c)
        out << (c ? "," : "") << Headings[c];
    out << ",Frequency\n";
    for (int i = 0; i < ev.count(); ++i) {
        const TEvaluationLine &line = ev.lines[i];
        out << CsvField(Utf8(line[ColumnReference])) << ',' << CsvField(Utf8(line[ColumnSite]))
            << ',' << CsvField(Utf8(line[ColumnAntenna])) << ','
            << PlainNumber(rows.value(i, Schema::CriticalPntDist).toDouble(), 15) << ','
            << PlainNumber(rows.value(i, Schema::CriticalPntHeight).toDouble(), 15) << ','
            << CsvField(Utf8(line[ColumnSpaceAtt])) << ','
            << CsvField(Utf8(line[ColumnDescription])) << ',';
        if (ev.hasPower(i))
            out << PlainNumber(ev.fieldStrength[i], 17) << ',' << ev.verdict[i];
        else
            out << ',';
        out << ',' << PlainNumber(ev.frequency[i], 15) << '\n';
    }
}

// Columns padded to their widest text (counted in characters, not bytes).
void PrintTable(const TEvaluation &ev, std::ostream &out)
{
    QVector<std::array<QString, 9>> table;
    std::array<QString, 9> head;
    for (std::size_t c = 0; c < Headings.size(); ++c)
        head[c] = QString::fromLatin1(Headings[c]);
    table << head;
    for (int i = 0; i < ev.count(); ++i) {
        std::array<QString, 9> row;
        for (int c = 0; c < ColumnField; ++c)
            row[c] = ev.lines[i][c];
        row[ColumnField] = FieldCellText(ev.fieldStrength[i], ev.verdict[i]);
        row[8] = ev.hasPower(i) ? QString::number(ev.verdict[i]) : QStringLiteral("-");
        table << row;
    }
    std::array<int, 9> width{};
    for (const auto &row : table) {
        for (std::size_t c = 0; c < row.size(); ++c)
            width[c] = std::max(width[c], int(row[c].size()));
    }
    for (const auto &row : table) {
        QString line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const bool numeric = c == ColumnDistance || c == ColumnHeight || c == ColumnField;
            const QString cell =
                numeric ? row[c].rightJustified(width[c]) : row[c].leftJustified(width[c]);
            line += (c ? QStringLiteral("  ") : QString()) + cell;
        }
        out << Utf8(line.trimmed()) << '\n';
    }
}

} // namespace

std::string_view EvaluateCommand::name() const
{
    return "evaluate";
}

std::string_view EvaluateCommand::summary() const
{
    return "field strength at every critical test point of an owner";
}

std::string_view EvaluateCommand::help() const
{
    return HelpText;
}

int EvaluateCommand::run(const std::vector<std::string> &args, CliStreams &streams) const
{
    bool csv = false;
    std::vector<std::string> positional;
    for (const std::string &arg : args) {
        if (arg == "--csv") {
            csv = true;
        } else if (arg.rfind("--", 0) == 0) {
            streams.err << "vlmcli evaluate: unknown option '" << arg << "'\n";
            return ExitUsage;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        streams.err << "vlmcli evaluate: expected DB and CALL\n"
                    << "Usage: vlmcli evaluate DB CALL [--csv]\n";
        return ExitUsage;
    }
    const auto app = EnsureCoreApplication();
    TdtmMain dm;
    const QString error = OpenOwnerOfCall(dm, QString::fromStdString(positional[0]),
                                          QString::fromStdString(positional[1]));
    if (!error.isEmpty()) {
        streams.err << "vlmcli evaluate: " << Utf8(error) << '\n';
        return ExitFailure;
    }
    const TOpResult<TEvaluationOutcome> result = EvaluatePoints(dm, CurrentSelection().ownerId);
    if (!result.ok()) {
        streams.err << "vlmcli evaluate: " << Utf8(result.error) << '\n';
        return ExitFailure;
    }
    const TEvaluation &ev = result.value.evaluation;
    const std::optional<TEvaluationSummary> &summary = result.value.summary;
    const bool incomplete = summary && !summary->incompleteText.isEmpty();
    if (csv) {
        PrintCsv(ev, *dm.qryCtpList, streams.out);
        if (incomplete)
            streams.err << "vlmcli evaluate: " << Utf8(summary->incompleteText) << '\n';
        return incomplete ? ExitFailure : ExitSuccess;
    }
    if (ev.count() == 0) {
        streams.out << "No critical test point to evaluate: the owner's sites have no points "
                       "with antennas.\n";
        return ExitSuccess;
    }
    PrintTable(ev, streams.out);
    const TEvaluationSummary &s = *summary;
    if (s.entry >= 0) {
        streams.out << "\nMaximum Field Strength: " << Utf8(s.valueText) << ' '
                    << Utf8(s.locationText) << ' ' << Utf8(s.resultText) << '\n';
    } else {
        streams.out << "\nMaximum Field Strength: none, no placement has a power chain\n";
    }
    if (!s.combinedText.isEmpty())
        streams.out << Utf8(s.combinedText) << '\n';
    if (incomplete) {
        streams.out << Utf8(s.incompleteText) << '\n';
        return ExitFailure;
    }
    return ExitSuccess;
}
