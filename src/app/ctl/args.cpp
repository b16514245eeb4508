#include <algorithm>

#include "app/ctl/command.h"
#include "image/echoed_text.h"

namespace gm::ctl {

namespace {

// "-1" is a (negative) number for the command to refuse with a clear message, not an option.
bool looksLikeOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
}

const Option* find(const OptionList& options, const std::string& name) {
    for (const Option& option : options) {
        if (std::find(option.names.begin(), option.names.end(), name) != option.names.end())
            return &option;
    }
    return nullptr;
}

// "-o or --output" for an option with aliases.
std::string spelled(const Option& option) {
    std::string text;
    for (const std::string& name : option.names)
        text += (text.empty() ? "" : " or ") + name;
    return text;
}

}  // namespace

std::optional<std::string> ParsedArgs::value(const std::string& name) const {
    const auto it = options_.find(name);
    if (it == options_.end())
        return std::nullopt;
    return it->second.front();
}

const std::vector<std::string>& ParsedArgs::values(const std::string& name) const {
    static const std::vector<std::string> none;
    const auto it = options_.find(name);
    return it == options_.end() ? none : it->second;
}

void ParsedArgs::add(const std::string& name, std::string value) {
    options_[name].push_back(std::move(value));
}

std::optional<ParsedArgs> parseArgs(const Args& args, const OptionList& options,
                                    std::string& error) {
    ParsedArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!looksLikeOption(arg)) {
            parsed.positional.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const Option* option = find(options, name);
        if (option == nullptr) {
            error = "unknown option " + image::echoed(name);
            return std::nullopt;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
            if (option->value == OptionValue::None) {
                error = image::echoed(name) + " takes no value";
                return std::nullopt;
            }
            if (value.empty()) {
                error = name + " needs a value";
                return std::nullopt;
            }
        } else if (option->value == OptionValue::Required) {
            // A following option is not taken as the value, so "--sim-eeprom --trace" is
            // refused rather than read as a file named "--trace".
            if (i + 1 >= args.size() || args[i + 1].empty() || looksLikeOption(args[i + 1])) {
                error = name + " needs a value";
                return std::nullopt;
            }
            value = args[++i];
        }
        const std::string& key = option->names.front();
        if (parsed.has(key) && !option->repeatable) {
            error = spelled(*option) + " given twice";
            return std::nullopt;
        }
        parsed.add(key, std::move(value));
    }
    return parsed;
}

}  // namespace gm::ctl
