#pragma once
// The workspace: everything the editor keeps while it runs, in one plain object that a driver
// (the window, the command-line tool, a test) builds once: the link to the mouse (transport,
// operation guard, command protocol, session), the image model, the change notifications, the
// backup folder and the file writer. Feature operations are functions over it.

#include <memory>
#include <thread>

#include "device/clock.h"
#include "device/hid/hid_backend.h"
#include "device/link/operation_guard.h"
#include "device/link/protocol.h"
#include "device/link/sealed_presenter.h"
#include "device/link/transport.h"
#include "device/presenter.h"
#include "device/session/changes.h"
#include "device/session/session.h"
#include "device/session/write_journal.h"
#include "device/timing.h"
#include "image/files/backup_store.h"
#include "image/files/file_writer.h"
#include "image/image_model.h"
#include "image/macro_tables.h"

namespace gm::device {

// Whether whole-image writes keep a backup of the image they replace. Without a backup folder
// they are refused, unless the user chose to go on without one.
enum class BackupPolicy { Required, Skipped };

class Workspace {
public:
    // `backend`, `clock`, `driver` and `files` outlive the workspace. The thread that builds it
    // is the driver's thread: notifications are delivered there.
    Workspace(hid::Backend& backend, Clock& clock, const Timing& timing, Presenter& driver,
              image::files::FileWriter& files);
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    Clock& clock() { return clock_; }
    const Timing& timing() const { return timing_; }
    // For tests and tools that tune a wait; change it only while no operation runs.
    Timing& timing() { return timing_; }
    hid::Backend& backend() { return backend_; }
    Transport& transport() { return transport_; }
    OperationGuard& guard() { return guard_; }
    CommandProtocol& protocol() { return protocol_; }
    // The presenter as operations call it (sealed against nested operations).
    Presenter& presenter() { return presenter_; }
    session::Session& session() { return *session_; }
    session::ChangeHub& changes() { return changes_; }
    image::ImageModel& model() { return model_; }
    // The PC macro library as last loaded from or written to the macro file.
    image::PcMacroStore& pcMacros() { return pcMacros_; }
    image::files::FileWriter& files() { return files_; }

    // The folder of backups kept before whole-image writes (none until set), stamped by `now`.
    void setBackupFolder(const std::filesystem::path& folder,
                         image::files::WallClock now = std::chrono::system_clock::now);
    image::files::BackupStore* backups() { return backups_.get(); }
    BackupPolicy backupPolicy() const { return backupPolicy_; }

    // Interrupted writes of a checked section, remembered for the next connection; kept in
    // `file` (shared by every run of the programs) once it is set.
    session::WriteJournal& journal() { return journal_; }
    void setJournalFile(const std::filesystem::path& file) { journal_.setFile(file, files_); }
    void setBackupPolicy(BackupPolicy policy) { backupPolicy_ = policy; }

    // On the driver's thread, when the change hub woke it: applies what the status listener
    // posted and tells the observers.
    void drainPostedChanges() { session_->applyPostedChanges(); }

private:
    Clock& clock_;
    Timing timing_;
    hid::Backend& backend_;
    image::files::FileWriter& files_;
    std::thread::id driverThread_;
    OperationGuard guard_;
    SealedPresenter presenter_;
    Transport transport_;
    CommandProtocol protocol_;
    image::ImageModel model_;
    image::PcMacroStore pcMacros_;
    session::ChangeHub changes_;
    std::unique_ptr<session::Session> session_;
    std::unique_ptr<image::files::BackupStore> backups_;
    session::WriteJournal journal_;
    BackupPolicy backupPolicy_ = BackupPolicy::Required;
};

}  // namespace gm::device
