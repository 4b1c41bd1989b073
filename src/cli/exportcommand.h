#pragma once

#include "cli/clicommand.h"

// vlmcli export DB CALL FILE: writes the regulator export database of the owner
// with that call, as the submission page's "Create" does: a fresh copy of the
// template "Empty_Vlm.mdb" beside the program, filled with the owner's data.
class ExportCommand : public CliCommand
{
public:
    std::string_view name() const override;
    std::string_view summary() const override;
    std::string_view help() const override;
    int run(const std::vector<std::string> &args, CliStreams &streams) const override;
};
