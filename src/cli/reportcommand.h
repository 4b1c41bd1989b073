#pragma once

#include "cli/clicommand.h"

// vlmcli report DB CALL REF: writes the antenna report PDF of one placement, as the
// report page's "Make File" does, into the owner's personal directory.
class ReportCommand : public CliCommand
{
public:
    std::string_view name() const override;
    std::string_view summary() const override;
    std::string_view help() const override;
    int run(const std::vector<std::string> &args, CliStreams &streams) const override;
};
