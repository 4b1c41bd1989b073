#pragma once

#include "cli/clicommand.h"

// vlmcli package DB CALL: the submission package of an owner, as the submission page
// makes it step by step: the regulator export database, the cover letter and the ZIP
// of the personal directory, all written into that directory.
class PackageCommand : public CliCommand
{
public:
    std::string_view name() const override;
    std::string_view summary() const override;
    std::string_view help() const override;
    int run(const std::vector<std::string> &args, CliStreams &streams) const override;
};
