#include "host/files/user_folders.h"

#include <cstdlib>
#include <string>

namespace gm::host {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::filesystem::path stateFolder() {
    const std::filesystem::path state = environment("XDG_STATE_HOME");
    if (state.is_absolute())
        return state / "gmouse";
    const std::filesystem::path home = environment("HOME");
    if (home.is_absolute())
        return home / ".local" / "state" / "gmouse";
    return {};
}

std::filesystem::path writeJournalFile(bool virtualMouse) {
    const std::filesystem::path folder = stateFolder();
    if (folder.empty())
        return {};
    return folder / (virtualMouse ? "write-journal-virtual" : "write-journal");
}

}  // namespace gm::host
