#include "app/ctl/session_host.h"

#include "app/ctl/printing_presenter.h"

#include <cstdlib>
#include <ostream>

namespace gm::ctl {

namespace fs = std::filesystem;

const char* const kBackupDirHelp =
    "Before the mouse's whole image is replaced, a copy of it is kept in the backup folder:\n"
    "--backup-dir DIR, else $XDG_DATA_HOME/gmouse/backups, else\n"
    "~/.local/share/gmouse/backups. 'gmousectl backups' lists them.\n";

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

SessionHost::SessionHost(DeviceContext& context, std::ostream& err, std::optional<fs::path> backups)
    : err_(err), presenter_(std::make_unique<PrintingPresenter>(err)) {
    if (backups) {
        backups_ = std::make_unique<image::files::BackupStore>(
            *backups, [] { return std::chrono::system_clock::now(); });
    }
    session_ = std::make_unique<device::session::Session>(device::session::SessionParts{
        context.transport(), context.protocol(), clock_, timing_, *presenter_, model_});
    session_->setBackupStore(backups_.get());
}

SessionHost::~SessionHost() {
    session_->stopListener();
}

bool SessionHost::adoptOpenMouse(DeviceContext& context, bool readImage) {
    model_.setChip(context.chip());
    if (!readImage || session_->readWholeImage())
        return true;
    err_ << "gmousectl: the mouse's image could not be read completely\n";
    return false;
}

}  // namespace gm::ctl
