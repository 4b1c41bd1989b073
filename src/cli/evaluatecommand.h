#pragma once

#include "cli/clicommand.h"

// vlmcli evaluate DB CALL [--csv]: evaluates every critical test point of the
// owner with that call on the given database file, as the critical test
// points page does, and prints the list and the summary line.
class EvaluateCommand : public CliCommand
{
public:
    std::string_view name() const override;
    std::string_view summary() const override;
    std::string_view help() const override;
    int run(const std::vector<std::string> &args, CliStreams &streams) const override;
};
