#include "device/session/workspace.h"

#include "device/session/section_check.h"

namespace gm::device {

Workspace::Workspace(hid::Backend& backend, Clock& clock, const Timing& timing, Presenter& driver,
                     image::files::FileWriter& files)
    : clock_(clock),
      timing_(timing),
      backend_(backend),
      files_(files),
      driverThread_(std::this_thread::get_id()),
      presenter_(driver, guard_),
      transport_(backend_, clock_, timing_),
      protocol_(transport_, guard_, clock_, timing_, presenter_),
      changes_(guard_) {
    session_ = std::make_unique<session::Session>(session::SessionParts{
        transport_, guard_, protocol_, clock_, timing_, presenter_, model_, changes_});
    session_->setSectionCheck([this] { session::checkSectionsAsRead(*this); });
    // Operations of the status listener's thread are its own short reads: drivers hear only
    // of their own operations, and only on their thread.
    guard_.setBusyListener([this](bool busy) {
        if (std::this_thread::get_id() == driverThread_)
            changes_.notify({session::ChangeKind::Busy, busy ? 1 : 0, {}});
    });
}

Workspace::~Workspace() {
    session_->stopListener();
    transport_.invalidate();
}

void Workspace::setBackupFolder(const std::filesystem::path& folder, image::files::WallClock now) {
    backups_ = std::make_unique<image::files::BackupStore>(folder, std::move(now), files_);
}

}  // namespace gm::device
