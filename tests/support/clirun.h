#pragma once

// Runs a vlmcli command in-process with captured streams (tests linking vlm_cli).

#include "cli/clicommand.h"

#include <sstream>
#include <string>
#include <vector>

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

inline CliRun RunCliCommand(const CliCommand &command, const std::vector<std::string> &args,
                            const std::string &input = std::string())
{
    std::istringstream in(input);
    std::ostringstream out, err;
    CliStreams streams{in, out, err};
    const int code = command.run(args, streams);
    return {code, out.str(), err.str()};
}
