#pragma once

#include "cli/clicommand.h"

// vlmcli field-strength: the field strength at one point from options, or for
// many points from standard input with --batch.
class FieldStrengthCommand : public CliCommand
{
public:
    std::string_view name() const override;
    std::string_view summary() const override;
    std::string_view help() const override;
    int run(const std::vector<std::string> &args, CliStreams &streams) const override;
};
