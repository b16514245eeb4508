#include "host/files/macro_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace gm::host {

namespace fs = std::filesystem;

fs::path programFolder() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : program.parent_path();
}

fs::path userDataFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && fs::path(dataHome).is_absolute())
        return fs::path(dataHome) / "gmouse";
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0')
        return fs::path(home) / ".local" / "share" / "gmouse";
    return {};
}

fs::path macroFolder(const FolderRules& rules) {
    if (!rules.pathSetting.empty())
        return fs::path(rules.pathSetting);
    if (!rules.programFolder.empty() && rules.writable(rules.programFolder))
        return rules.programFolder;
    return rules.userFolder;
}

FolderRules systemFolderRules(const std::string& pathSetting) {
    return {pathSetting, programFolder(), userDataFolder(),
            [](const fs::path& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }};
}

}  // namespace gm::host
