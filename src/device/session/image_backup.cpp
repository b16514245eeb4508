#include "device/session/image_backup.h"

#include "device/session/complete_read.h"

namespace gm::device::session {

bool keepBackup(Session& session, std::string_view reason) {
    image::files::BackupStore* store = session.backupStore();
    if (store == nullptr)
        return true;
    image::Image current{};
    if (!readCompletely(session.transport(), session.protocol(),
                        [&] { return session.protocol().readBlock(0, current, true); })) {
        current = session.model().buffer;
    }
    session.presenter().hideProgress();
    const image::files::BackupStoreResult stored = store->store(current, reason);
    if (!stored.ok()) {
        session.presenter().showMessage(
            Message{"", "Could not keep a backup of the mouse's image (" + stored.error +
                            "); nothing was written to the mouse."});
        return false;
    }
    return true;
}

}  // namespace gm::device::session
