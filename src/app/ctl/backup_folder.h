#pragma once
// Where gmousectl keeps the backups taken before whole-image writes, and the options that
// choose it.

#include <filesystem>
#include <optional>
#include <string>

#include "app/ctl/command.h"
#include "app/ctl/device_context.h"

namespace gm::ctl {

// The folder of backups: --backup-dir when given, else $XDG_DATA_HOME/gmouse/backups, else
// ~/.local/share/gmouse/backups. nullopt with `error` set when none can be found.
std::optional<std::filesystem::path> backupFolder(const ParsedArgs& args, std::string& error);

inline const Option kBackupDirOption{{"--backup-dir"}, OptionValue::Required};
inline const Option kNoBackupOption{{"--no-backup"}, OptionValue::None};

extern const char* const kBackupDirHelp;

// Sets the workspace's backup folder, or skips backups when --no-backup was given.
void applyBackupOptions(const ParsedArgs& args, const std::filesystem::path& folder,
                        DeviceContext& context);

}  // namespace gm::ctl
