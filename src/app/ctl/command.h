#pragma once
// gmousectl's command table. Each group of commands lives in its own file and registers itself
// from main(); a command gets its arguments after its name and returns the exit status.

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace gm::ctl {

using Args = std::vector<std::string>;

struct Command {
    std::string name;     // one or two words: "info", "image check"
    std::string usage;    // arguments after the name, e.g. "FILE [--chip 4210A|4230A]"
    std::string summary;  // one line for the command list
    std::string help;     // the full text of --help, after the usage line
    std::function<int(const Args&, std::ostream& out, std::ostream& err)> run;
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

// Small helpers for argument lists.
bool hasFlag(const Args& args, const std::string& flag);
// Value of "--name VALUE" or "--name=VALUE"; empty when absent.
std::string optionValue(const Args& args, const std::string& name);
// Arguments that are not options (do not start with "--") and are not option values.
Args positional(const Args& args, const std::vector<std::string>& optionsWithValue);

void registerImageCommands(CommandRegistry& registry);
void registerDeviceCommands(CommandRegistry& registry);
void registerSessionCommands(CommandRegistry& registry);

}  // namespace gm::ctl
