#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// Exit codes of vlmcli.
constexpr int ExitSuccess = 0;
constexpr int ExitFailure = 1; // the command ran and something failed
constexpr int ExitUsage = 2;   // wrong command line: nothing was done

// Where a command reads and writes; the program passes the standard streams,
// tests pass string streams.
struct CliStreams {
    std::istream &in;
    std::ostream &out;
    std::ostream &err;
};

// One command of vlmcli ("vlmcli NAME ARGS…"). The dispatcher answers --help
// itself; run() receives the arguments after the command name.
class CliCommand
{
public:
    virtual ~CliCommand() = default;
    virtual std::string_view name() const = 0;
    virtual std::string_view summary() const = 0; // one line for the command list
    virtual std::string_view help() const = 0;    // the full help text
    virtual int run(const std::vector<std::string> &args, CliStreams &streams) const = 0;
};
