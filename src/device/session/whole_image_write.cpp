#include "device/session/whole_image_write.h"

#include <string>

#include "image/image_model.h"

namespace gm::device::session {

namespace {

// Read busy for the length of a scope, so change handlers send nothing while the image moves.
class ReadBusyScope {
public:
    explicit ReadBusyScope(Session& session) : session_(session) { session_.setReadBusy(true); }
    ~ReadBusyScope() { session_.setReadBusy(false); }
    ReadBusyScope(const ReadBusyScope&) = delete;
    ReadBusyScope& operator=(const ReadBusyScope&) = delete;

private:
    Session& session_;
};

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

}  // namespace

Result keepBackup(Workspace& workspace, std::string_view reason) {
    if (workspace.backupPolicy() == BackupPolicy::Skipped)
        return Result::done();
    image::files::BackupStore* store = workspace.backups();
    if (store == nullptr)
        return Result::fail(Failure::BackupNotStored, Step::KeepBackup, "no backup folder is set");
    image::Image current{};
    const bool read = workspace.protocol().readBlock(0, current, Progress::Shown).ok();
    workspace.presenter().hideProgress();
    if (!read)
        current = workspace.model().buffer;
    const image::files::BackupStoreResult stored = store->store(current, reason);
    if (!stored.ok()) {
        return Result::fail(Failure::BackupNotStored, Step::KeepBackup,
                            store->folder().string() + ": " + stored.error);
    }
    Result kept;
    kept.backup = 1;
    return kept;
}

void adoptImage(Workspace& workspace, const image::Image& image) {
    image::ImageModel& model = workspace.model();
    model.buffer = image;
    image::split(model);
    image::rebuildCodeTexts(model);
    workspace.changes().notify({ChangeKind::ImageReplaced, 1, {}});
}

Result replaceWholeImage(Workspace& workspace, const image::Image& image, std::string_view reason) {
    const DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started())
        return operation.refusal;
    const Result backup = keepBackup(workspace, reason);
    if (!backup)
        return backup;
    return replaceWholeImage(workspace, image, KeptBackup{backup.backup});
}

Result replaceWholeImage(Workspace& workspace, const image::Image& image, KeptBackup kept) {
    Session& session = workspace.session();
    const DeviceOperation operation = session.beginWithDevice();
    if (!operation.started())
        return operation.refusal;
    Result write;
    {
        ReadBusyScope busy(session);
        WriteJournal& journal = workspace.journal();
        const image::Area whole{0, image.size()};
        journal.beginArea(workspace.model().chip.value_or(image::ChipType::Chip4210A), whole,
                          workspace.model().buffer, image);
        adoptImage(workspace, image);
        write = workspace.protocol().writeBlock(0, image).at(Step::WriteImage);
        journal.settleArea(whole, write.ok());
        workspace.presenter().hideProgress();
    }
    Result result = restartAndVerify(workspace, image, write);
    result.backup = kept.backup;
    return result;
}

Result restartAndVerify(Workspace& workspace, const image::Image& written, Result write) {
    Result reconnected = workspace.session().restartAndReconnect();
    if (!write)
        return write;
    if (!reconnected)
        return reconnected;
    const std::vector<std::string> differing =
        image::areasThatDiffer(written, workspace.model().buffer, workspace.model().geometry);
    if (!differing.empty())
        return Result::fail(Failure::ReadBackDiffers, Step::ReadBack, joined(differing));
    return Result::done();
}

}  // namespace gm::device::session
