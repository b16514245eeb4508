#pragma once
// Where the macro file lives: the `Path` program setting when it is not empty, else the program's
// own folder, else, when that folder may not be written (an installed program), the user's data
// folder ($XDG_DATA_HOME/gmouse, else ~/.local/share/gmouse, as Qt's AppDataLocation gives).

#include <filesystem>
#include <functional>
#include <string>

namespace gm::host {

inline constexpr const char* kMacroFileName = "RDXM4210A-Macro.bin";

// The folder the running program was started from ("" when it cannot be told).
std::filesystem::path programFolder();

// $XDG_DATA_HOME/gmouse when that is absolute, else $HOME/.local/share/gmouse ("" when neither).
std::filesystem::path userDataFolder();

struct FolderRules {
    std::string pathSetting;              // the `Path` setting, used as a folder
    std::filesystem::path programFolder;  // programFolder()
    std::filesystem::path userFolder;     // userDataFolder()
    // Whether this user may create and replace files in a folder.
    std::function<bool(const std::filesystem::path&)> writable;
};

// The folder of the macro file by the rules above.
std::filesystem::path macroFolder(const FolderRules& rules);

// The rules on this system, for `pathSetting`.
FolderRules systemFolderRules(const std::string& pathSetting);

}  // namespace gm::host
