#include "device/session/whole_image_write.h"

#include "device/session/complete_read.h"
#include "image/image_model.h"

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

void beginWholeImageWrite(Session& session) {
    session.setReadBusy(true);
    session.setPollEnabled(false);
    session.presenter().setOverlays(true);
}

void adoptImage(Session& session, const image::Image& image) {
    image::ImageModel& model = session.model();
    model.buffer = image;
    image::split(model);
    image::rebuildCodeTexts(model);
    session.presenter().refresh(View::Everything);
    session.presenter().refresh(View::MacroLists);
}

bool finishWholeImageWrite(Session& session) {
    session.protocol().writeImage(session.model());
    session.presenter().hideProgress();
    session.setPollEnabled(true);
    session.setReadBusy(false);
    return session.restartAndReconnect();
}

}  // namespace gm::device::session
