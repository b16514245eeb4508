#pragma once
// Runs a command line of the desktop's own tools (gsettings, xset, glib-compile-schemas) and
// returns what it printed, so a test reads back what the desktop holds as a user would.

#include <cstdio>
#include <string>

namespace gm::host::desktop_mouse::testing {

inline std::string toolOutput(const std::string& command) {
    std::string output;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        output += buffer;
    pclose(pipe);
    while (!output.empty() && (output.back() == '\n' || output.back() == ' '))
        output.pop_back();
    return output;
}

}  // namespace gm::host::desktop_mouse::testing
