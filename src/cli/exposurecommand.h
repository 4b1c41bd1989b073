#pragma once

#include "cli/clicommand.h"

// vlmcli exposure DB CALL [--csv]: the combined exposure quotient of every
// critical test point of the owner with that call, one row per point.
class ExposureCommand : public CliCommand
{
public:
    std::string_view name() const override;
    std::string_view summary() const override;
    std::string_view help() const override;
    int run(const std::vector<std::string> &args, CliStreams &streams) const override;
};
