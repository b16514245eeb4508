#include <algorithm>

#include "app/ctl/command.h"

namespace gm::ctl {

bool hasFlag(const Args& args, const std::string& flag) {
    return std::find(args.begin(), args.end(), flag) != args.end();
}

std::string optionValue(const Args& args, const std::string& name) {
    const std::string withEquals = name + "=";
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name && i + 1 < args.size())
            return args[i + 1];
        if (args[i].rfind(withEquals, 0) == 0)
            return args[i].substr(withEquals.size());
    }
    return {};
}

Args positional(const Args& args, const std::vector<std::string>& optionsWithValue) {
    Args result;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) == 0) {
            const bool takesValue = std::find(optionsWithValue.begin(), optionsWithValue.end(),
                                              arg) != optionsWithValue.end();
            if (takesValue)
                ++i;
            continue;
        }
        result.push_back(arg);
    }
    return result;
}

}  // namespace gm::ctl
