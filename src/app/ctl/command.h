#pragma once
// gmousectl's command table and its one argument parser. Each group of commands lives in its own
// file and registers itself from main(); a command declares the options it takes, main() parses
// the arguments after the command's name against them, and the command gets the result and
// returns the exit status.

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace gm::ctl {

using Args = std::vector<std::string>;

// How an option takes a value: --trace; --chip X or --chip=X; --simulate or --simulate=X.
enum class OptionValue { None, Required, Optional };

struct Option {
    std::vector<std::string> names;  // the first is the one the command asks for; others alias it
    OptionValue value = OptionValue::None;
    bool repeatable = false;  // otherwise giving it twice is refused
};
using OptionList = std::vector<Option>;

// Options given and positional arguments, in the order given.
class ParsedArgs {
public:
    Args positional;

    bool has(const std::string& name) const { return options_.count(name) != 0; }
    // The value of an option; empty for a flag or an optional value not given.
    std::optional<std::string> value(const std::string& name) const;
    // Every value of a repeatable option.
    const std::vector<std::string>& values(const std::string& name) const;
    void add(const std::string& name, std::string value);

private:
    std::map<std::string, std::vector<std::string>> options_;
};

// Splits `args` into `options` and positional arguments; an argument starting with '-' (other
// than "-" itself) is an option. Refuses unknown options, a missing or empty value, a value
// given to a flag, and an option given twice unless it is repeatable: nullopt with `error` set.
std::optional<ParsedArgs> parseArgs(const Args& args, const OptionList& options,
                                    std::string& error);

struct Command {
    std::string name;     // one or two words: "info", "image check"
    std::string usage;    // arguments after the name, e.g. "FILE [--chip 4210A|4230A]"
    std::string summary;  // one line for the command list
    std::string help;     // the full text of --help, after the usage line
    OptionList options;   // what the command takes besides positional arguments
    std::function<int(const ParsedArgs&, std::ostream& out, std::ostream& err)> run;
};

// Exit statuses shared by all commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the operation ran and failed (device refused, bad check)
inline constexpr int kExitUsage = 2;    // unusable input: wrong arguments, unreadable file

class CommandRegistry {
public:
    void add(Command command) { commands_.push_back(std::move(command)); }
    const std::vector<Command>& commands() const { return commands_; }

private:
    std::vector<Command> commands_;
};

void registerImageCommands(CommandRegistry& registry);
void registerDeviceCommands(CommandRegistry& registry);
void registerSessionCommands(CommandRegistry& registry);
void registerSettingsCommands(CommandRegistry& registry);
void registerButtonCommands(CommandRegistry& registry);
void registerMacroCommands(CommandRegistry& registry);
void registerFireCommands(CommandRegistry& registry);
void registerDesktopCommands(CommandRegistry& registry);

}  // namespace gm::ctl
