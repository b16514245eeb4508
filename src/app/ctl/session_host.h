#pragma once
// What gmousectl's session commands share: a device session on the link of a DeviceContext,
// with the workspace model, a printing presenter and the backup folder.

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "app/ctl/command.h"
#include "app/ctl/device_context.h"
#include "device/clock.h"
#include "device/session/session.h"
#include "device/timing.h"
#include "image/files/backup_store.h"
#include "image/image_model.h"

namespace gm::ctl {

// The folder of backups: --backup-dir when given, else $XDG_DATA_HOME/gmouse/backups, else
// ~/.local/share/gmouse/backups. nullopt with `error` set when none can be found.
std::optional<std::filesystem::path> backupFolder(const ParsedArgs& args, std::string& error);

inline const Option kBackupDirOption{{"--backup-dir"}, OptionValue::Required};

extern const char* const kBackupDirHelp;

class SessionHost {
public:
    // `backups` may be empty: no backups are kept then.
    SessionHost(DeviceContext& context, std::ostream& err,
                std::optional<std::filesystem::path> backups);
    ~SessionHost();
    SessionHost(const SessionHost&) = delete;
    SessionHost& operator=(const SessionHost&) = delete;

    device::session::Session& session() { return *session_; }
    image::ImageModel& model() { return model_; }

    // For a mouse the context has opened and identified: takes its chip type and, when
    // `readImage`, reads its image, as the editor holds it once connected. False (and told)
    // when the read fails.
    bool adoptOpenMouse(DeviceContext& context, bool readImage = true);

private:
    std::ostream& err_;
    device::SteadyClock clock_;
    device::Timing timing_;
    image::ImageModel model_;
    std::unique_ptr<device::Presenter> presenter_;
    std::unique_ptr<image::files::BackupStore> backups_;
    std::unique_ptr<device::session::Session> session_;
};

}  // namespace gm::ctl
