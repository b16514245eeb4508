#include "host/files/user_folders.h"

#include <cstdlib>
#include <string>

namespace gm::host {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// The program's folder under the base directory `variable` names, else under `fallback` in the
// home folder.
std::filesystem::path userFolder(const char* variable, const std::filesystem::path& fallback) {
    const std::filesystem::path base = environment(variable);
    if (base.is_absolute())
        return base / "gmouse";
    const std::filesystem::path home = environment("HOME");
    if (home.is_absolute())
        return home / fallback / "gmouse";
    return {};
}

}  // namespace

std::filesystem::path stateFolder() {
    return userFolder("XDG_STATE_HOME", std::filesystem::path(".local") / "state");
}

std::filesystem::path configFolder() {
    return userFolder("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path writeJournalFile(bool virtualMouse) {
    const std::filesystem::path folder = stateFolder();
    if (folder.empty())
        return {};
    return folder / (virtualMouse ? "write-journal-virtual" : "write-journal");
}

}  // namespace gm::host
