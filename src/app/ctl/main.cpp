// gmousectl: the command-line tool of the mouse editor.

#include <algorithm>
#include <iostream>
#include <string>

#include "app/ctl/command.h"

namespace gm::ctl {
namespace {

void printCommandList(const CommandRegistry& registry, std::ostream& out) {
    out << "usage: gmousectl COMMAND [ARGS...]\n\ncommands:\n";
    for (const Command& command : registry.commands()) {
        out << "  " << command.name << (command.usage.empty() ? "" : " " + command.usage) << "\n"
            << "      " << command.summary << "\n";
    }
    out << "\nRun 'gmousectl COMMAND --help' for the details of one command.\n";
}

void printHelp(const Command& command, std::ostream& out) {
    out << "usage: gmousectl " << command.name << (command.usage.empty() ? "" : " " + command.usage)
        << "\n\n"
        << command.summary << "\n";
    if (!command.help.empty()) {
        out << "\n" << command.help;
        if (command.help.back() != '\n')
            out << "\n";
    }
}

// The longest registered name (one or two words) that the arguments start with.
const Command* findCommand(const CommandRegistry& registry, const Args& args, size_t& words) {
    const Command* best = nullptr;
    for (const Command& command : registry.commands()) {
        const bool twoWords = command.name.find(' ') != std::string::npos;
        if (twoWords && args.size() >= 2 && args[0] + " " + args[1] == command.name) {
            best = &command;
            words = 2;
            break;
        }
        if (!twoWords && !args.empty() && args[0] == command.name && best == nullptr) {
            best = &command;
            words = 1;
        }
    }
    return best;
}

}  // namespace

int run(const Args& args) {
    CommandRegistry registry;
    registerImageCommands(registry);
    registerDeviceCommands(registry);
    registerSessionCommands(registry);
    registerSettingsCommands(registry);

    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printCommandList(registry, std::cout);
        return args.empty() ? kExitUsage : kExitOk;
    }
    size_t words = 0;
    const Command* command = findCommand(registry, args, words);
    if (command == nullptr) {
        std::cerr << "gmousectl: unknown command '" << args[0] << "'\n";
        printCommandList(registry, std::cerr);
        return kExitUsage;
    }
    const Args rest(args.begin() + static_cast<long>(words), args.end());
    // --help anywhere wins, so a half-written command line still gets its help.
    if (std::any_of(rest.begin(), rest.end(),
                    [](const std::string& arg) { return arg == "--help" || arg == "-h"; })) {
        printHelp(*command, std::cout);
        return kExitOk;
    }
    std::string error;
    const auto parsed = parseArgs(rest, command->options, error);
    if (!parsed) {
        std::cerr << "gmousectl " << command->name << ": " << error << "\n";
        return kExitUsage;
    }
    return command->run(*parsed, std::cout, std::cerr);
}

}  // namespace gm::ctl

int main(int argc, char** argv) {
    return gm::ctl::run(gm::ctl::Args(argv + 1, argv + argc));
}
