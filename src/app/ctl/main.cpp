// gmousectl: the command-line tool of the mouse editor.

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "app/ctl/command.h"
#include "image/echoed_text.h"

namespace gm::ctl {
namespace {

// One command of a list: its usage line and, indented below, its summary.
void printEntry(const Command& command, std::ostream& out) {
    out << "  " << command.name << (command.usage.empty() ? "" : " " + command.usage) << "\n"
        << "      " << command.summary << "\n";
}

void printCommandList(const CommandRegistry& registry, std::ostream& out) {
    out << "usage: gmousectl COMMAND [ARGS...]\n\ncommands:\n";
    for (const Command& command : registry.commands())
        printEntry(command, out);
    out << "\nRun 'gmousectl COMMAND --help' for the details of one command.\n";
}

// The two-word commands under `word`: "image check", "image new" and "image show" for "image".
std::vector<const Command*> subcommandsOf(const CommandRegistry& registry,
                                          const std::string& word) {
    std::vector<const Command*> found;
    for (const Command& command : registry.commands()) {
        if (command.name.starts_with(word + " "))
            found.push_back(&command);
    }
    return found;
}

void printSubcommands(const std::vector<const Command*>& subcommands, std::ostream& out) {
    out << "\nsubcommands:\n";
    for (const Command* command : subcommands)
        printEntry(*command, out);
}

// What a group word alone prints ("gmousectl image --help").
void printGroup(const std::string& word, const std::vector<const Command*>& subcommands,
                std::ostream& out) {
    out << "usage: gmousectl " << word << " SUBCOMMAND [ARGS...]\n";
    printSubcommands(subcommands, out);
    out << "\nRun 'gmousectl " << word << " SUBCOMMAND --help' for the details of one.\n";
}

void printHelp(const CommandRegistry& registry, const Command& command, std::ostream& out) {
    out << "usage: gmousectl " << command.name << (command.usage.empty() ? "" : " " + command.usage)
        << "\n\n"
        << command.summary << "\n";
    if (!command.help.empty()) {
        out << "\n" << command.help;
        if (command.help.back() != '\n')
            out << "\n";
    }
    if (const auto subcommands = subcommandsOf(registry, command.name); !subcommands.empty())
        printSubcommands(subcommands, out);
}

bool isHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
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

// Whether `name` takes a value of its own in some command ("--sim-eeprom FILE").
bool takesValue(const CommandRegistry& registry, const std::string& name) {
    for (const Command& command : registry.commands()) {
        for (const Option& option : command.options) {
            if (option.value == OptionValue::Required &&
                std::find(option.names.begin(), option.names.end(), name) != option.names.end()) {
                return true;
            }
        }
    }
    return false;
}

// Options given before the command name ("gmousectl --simulate dump"), as users of git-style
// tools expect, are moved behind it; the command then parses them as its own.
Args withLeadingOptionsLast(const CommandRegistry& registry, const Args& args) {
    std::size_t first = 0;
    while (first < args.size() && args[first].size() > 1 && args[first][0] == '-' &&
           args[first] != "--help" && args[first] != "-h") {
        const std::string& option = args[first];
        const bool inlineValue = option.find('=') != std::string::npos;
        first += !inlineValue && takesValue(registry, option) ? 2 : 1;
    }
    first = std::min(first, args.size());
    Args reordered(args.begin() + static_cast<long>(first), args.end());
    reordered.insert(reordered.end(), args.begin(), args.begin() + static_cast<long>(first));
    return reordered;
}

}  // namespace

int run(const Args& given) {
    CommandRegistry registry;
    registerImageCommands(registry);
    registerDeviceCommands(registry);
    registerSessionCommands(registry);
    registerSettingsCommands(registry);
    registerButtonCommands(registry);
    registerMacroCommands(registry);
    registerFireCommands(registry);
    registerDesktopCommands(registry);

    const Args args = withLeadingOptionsLast(registry, given);
    if (args.empty() || isHelp(args[0]) || args[0] == "help") {
        printCommandList(registry, std::cout);
        return args.empty() ? kExitUsage : kExitOk;
    }
    if (args[0].size() > 1 && args[0][0] == '-') {
        std::cerr << "gmousectl: options but no command ('" << image::echoed(args[0]) << "')\n";
        printCommandList(registry, std::cerr);
        return kExitUsage;
    }
    size_t words = 0;
    const Command* command = findCommand(registry, args, words);
    if (command == nullptr) {
        const auto subcommands = subcommandsOf(registry, args[0]);
        if (subcommands.empty()) {
            std::cerr << "gmousectl: unknown command '" << image::echoed(args[0]) << "'\n";
            printCommandList(registry, std::cerr);
            return kExitUsage;
        }
        if (std::any_of(args.begin() + 1, args.end(), isHelp)) {
            printGroup(args[0], subcommands, std::cout);
            return kExitOk;
        }
        std::cerr << "gmousectl: "
                  << (args.size() == 1
                          ? args[0] + " needs a subcommand"
                          : "unknown " + args[0] + " subcommand '" + image::echoed(args[1]) + "'")
                  << "\n";
        printGroup(args[0], subcommands, std::cerr);
        return kExitUsage;
    }
    const Args rest(args.begin() + static_cast<long>(words), args.end());
    // --help anywhere wins, so a half-written command line still gets its help.
    if (std::any_of(rest.begin(), rest.end(), isHelp)) {
        printHelp(registry, *command, std::cout);
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
