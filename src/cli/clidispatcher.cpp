#include "cli/clidispatcher.h"

#include <algorithm>
#include <ostream>

namespace
{

bool IsHelpOption(std::string_view arg)
{
    return arg == "--help" || arg == "-h";
}

} // namespace

void CliDispatcher::add(std::unique_ptr<CliCommand> command)
{
    m_commands.push_back(std::move(command));
}

const CliCommand *CliDispatcher::find(std::string_view name) const
{
    for (const auto &command : m_commands) {
        if (command->name() == name)
            return command.get();
    }
    return nullptr;
}

std::string CliDispatcher::usage() const
{
    std::string text = "Usage: vlmcli COMMAND [OPTIONS]\n"
                       "       vlmcli COMMAND --help\n"
                       "       vlmcli help [COMMAND]\n"
                       "\n"
                       "The command-line companion of Velmor.\n"
                       "\n"
                       "Commands:\n";
    std::size_t width = 0;
    for (const auto &command : m_commands)
        width = std::max(width, command->name().size());
    for (const auto &command : m_commands) {
        text += "  ";
        text += command->name();
        text += std::string(width - command->name().size() + 3, ' ');
        text += command->summary();
        text += '\n';
    }
    text += "\nExit codes: 0 success, 1 the command failed, 2 wrong usage.\n";
    return text;
}

int CliDispatcher::run(const std::vector<std::string> &args, CliStreams &streams) const
{
    if (args.empty()) {
        streams.err << usage();
        return ExitUsage;
    }
    const std::string &first = args.front();
    if (IsHelpOption(first) || first == "help") {
        if (first == "help" && args.size() > 1) {
            const CliCommand *command = find(args[1]);
            if (!command) {
                streams.err << "vlmcli: unknown command '" << args[1]
                            << "'; 'vlmcli --help' lists the commands.\n";
                return ExitUsage;
            }
            streams.out << command->help();
            return ExitSuccess;
        }
        streams.out << usage();
        return ExitSuccess;
    }

    const CliCommand *command = find(first);
    if (!command) {
        const char *what = first.rfind('-', 0) == 0 ? "option" : "command";
        streams.err << "vlmcli: unknown " << what << " '" << first
                    << "'; 'vlmcli --help' lists the commands.\n";
        return ExitUsage;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (std::any_of(rest.begin(), rest.end(),
                    [](const std::string &a) { return IsHelpOption(a); })) {
        streams.out << command->help();
        return ExitSuccess;
    }
    return command->run(rest, streams);
}
