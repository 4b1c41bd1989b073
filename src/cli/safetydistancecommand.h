#pragma once

#include "cli/clicommand.h"

// vlmcli safety-distance DB CALL [--csv]: the safety distance of every antenna
// placement of the owner with that call, one row per placement.
class SafetyDistanceCommand : public CliCommand
{
public:
    std::string_view name() const override;
    std::string_view summary() const override;
    std::string_view help() const override;
    int run(const std::vector<std::string> &args, CliStreams &streams) const override;
};
