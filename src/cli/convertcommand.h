#pragma once

#include "cli/clicommand.h"

// vlmcli convert to-wgs84 X Y [--decimal] | to-lambert LAT LON: converts one
// point between Belgian Lambert 72 metres and WGS84 through the program's own
// binding of the coordinate library, exactly as the site page does.
class ConvertCommand : public CliCommand
{
public:
    std::string_view name() const override;
    std::string_view summary() const override;
    std::string_view help() const override;
    int run(const std::vector<std::string> &args, CliStreams &streams) const override;
};
