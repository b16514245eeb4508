#include "device/session/profile_transfer.h"

#include "device/session/whole_image_write.h"
#include "image/files/file_io.h"
#include "image/files/profile_file.h"

namespace gm::device::session {

namespace fs = std::filesystem;

namespace {

// Clears the read busy flag however the operation ends.
class ReadBusyScope {
public:
    explicit ReadBusyScope(Session& session) : session_(session) { session_.setReadBusy(true); }
    ~ReadBusyScope() { session_.setReadBusy(false); }
    ReadBusyScope(const ReadBusyScope&) = delete;
    ReadBusyScope& operator=(const ReadBusyScope&) = delete;

private:
    Session& session_;
};

void tell(Session& session, std::string text) {
    session.presenter().showMessage(Message{"", std::move(text)});
}

}  // namespace

fs::path saveProfile(Session& session, const fs::path& chosen) {
    if (!session.requireDevice())
        return {};
    fs::path target = image::files::profileSaveName(chosen);
    if (!session.readWholeImage()) {
        tell(session,
             "The mouse did not answer the image read; " + target.string() + " was not written.");
        return {};
    }
    const std::string error = image::files::writeFileAtomically(target, session.model().buffer);
    if (!error.empty()) {
        tell(session, error);
        return {};
    }
    return target;
}

bool loadProfile(Session& session, const fs::path& path) {
    ReadBusyScope busy(session);
    if (!session.requireDevice())
        return false;
    const image::files::SizedFile file = image::files::readProfileFile(path);
    if (!file.ok()) {
        tell(session, file.error);
        return false;
    }
    if (!image::files::hasProfileMarker(file)) {
        session.presenter().showMessage(messages::kLoadingBinError);
        return false;
    }
    if (!keepBackup(session, "load"))
        return false;
    image::Image loaded = session.model().buffer;
    image::files::applySizedFile(file, loaded);
    const std::string note = image::files::sizeNote(path, file, "image");
    if (!note.empty())
        tell(session, note);
    beginWholeImageWrite(session);
    adoptImage(session, loaded);
    return finishWholeImageWrite(session);
}

bool restoreBackup(Session& session, std::size_t number) {
    ReadBusyScope busy(session);
    if (!session.requireDevice())
        return false;
    image::files::BackupStore* store = session.backupStore();
    if (store == nullptr) {
        tell(session, "No backup folder is set.");
        return false;
    }
    const image::files::BackupLoadResult backup = store->load(number);
    if (!backup.ok()) {
        tell(session, backup.error);
        return false;
    }
    if (!keepBackup(session, "restore"))
        return false;
    beginWholeImageWrite(session);
    adoptImage(session, backup.image);
    return finishWholeImageWrite(session);
}

}  // namespace gm::device::session
