#pragma once

#include "cli/clicommand.h"

#include <memory>
#include <string>
#include <vector>

// Picks the command named by the first argument and runs it with the rest, and
// answers the general and per-command help.
class CliDispatcher
{
public:
    void add(std::unique_ptr<CliCommand> command);

    // args: the program's arguments without the program name.
    int run(const std::vector<std::string> &args, CliStreams &streams) const;

    std::string usage() const;

private:
    const CliCommand *find(std::string_view name) const;

    std::vector<std::unique_ptr<CliCommand>> m_commands;
};
