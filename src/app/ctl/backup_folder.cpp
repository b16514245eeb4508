#include "app/ctl/backup_folder.h"

#include <cstdlib>

namespace gm::ctl {

namespace fs = std::filesystem;

const char* const kBackupDirHelp =
    "Before the mouse's whole image (or its patch code) is replaced, a copy of it is kept in\n"
    "the backup folder: --backup-dir DIR, else $XDG_DATA_HOME/gmouse/backups, else\n"
    "~/.local/share/gmouse/backups. 'gmousectl backups' lists them. When no backup can be\n"
    "kept nothing is written; --no-backup writes without one.\n";

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::optional<fs::path> backupFolder(const ParsedArgs& args, std::string& error) {
    if (const auto given = args.value("--backup-dir"))
        return fs::path(*given);
    const std::string dataHome = environment("XDG_DATA_HOME");
    if (!dataHome.empty() && fs::path(dataHome).is_absolute()) {
        return fs::path(dataHome) / "gmouse" / "backups";
    }
    const std::string home = environment("HOME");
    if (!home.empty())
        return fs::path(home) / ".local" / "share" / "gmouse" / "backups";
    error = "no folder for backups: neither XDG_DATA_HOME nor HOME is set; give --backup-dir";
    return std::nullopt;
}

void applyBackupOptions(const ParsedArgs& args, const fs::path& folder, DeviceContext& context) {
    device::Workspace& workspace = context.workspace();
    workspace.setBackupFolder(folder);
    if (args.has("--no-backup"))
        workspace.setBackupPolicy(device::BackupPolicy::Skipped);
}

}  // namespace gm::ctl
