#include "cli/clidispatcher.h"
#include "cli/commands.h"

#include <iostream>

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    CliDispatcher dispatcher;
    RegisterCommands(dispatcher);
    const std::vector<std::string> args(argv + 1, argv + argc);
    CliStreams streams{std::cin, std::cout, std::cerr};
    const int code = dispatcher.run(args, streams);
    std::cout.flush();
    return std::cout ? code : ExitFailure;
}
