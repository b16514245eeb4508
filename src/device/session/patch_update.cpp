#include "device/session/patch_update.h"

#include "device/session/whole_image_write.h"
#include "image/image_model.h"

namespace gm::device::session {

namespace {

// Reads a patch file for the model's chip; a file that cannot be used is FileUnusable.
Result readFor(Workspace& workspace, const std::filesystem::path& path,
               std::optional<image::files::PatchFile>& patch) {
    image::files::PatchFile read =
        image::files::readPatchFile(path, workspace.model().geometry.patchLength);
    if (!read.ok())
        return Result::fail(Failure::FileUnusable, Step::ReadFile, read.error);
    Result result;
    if (!read.note.empty())
        result.notes.push_back(makeMessage(text::kFileNote, {read.note}));
    patch = std::move(read);
    return result;
}

}  // namespace

void refreshPatchHeader(image::files::PatchFile& patch) {
    image::refreshPatchHeader(patch.header, patch.code);
}

Result programPatch(Workspace& workspace, image::files::PatchFile patch) {
    const DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started())
        return operation.refusal;
    const Result backup = keepBackup(workspace, "patch");
    if (!backup)
        return backup;
    refreshPatchHeader(patch);
    image::ImageModel& model = workspace.model();
    model.copies.patchHeader = patch.header;
    model.copies.patchCode = patch.code;
    image::compose(model);
    const image::Image expected = model.buffer;

    CommandProtocol& protocol = workspace.protocol();
    Result write =
        protocol.writeBlock(static_cast<std::uint16_t>(image::kPatchHeader.offset), patch.header)
            .at(Step::WritePatchHeader);
    // The code follows the header whatever the header's answer was, as before.
    Result code =
        protocol.writeBlock(static_cast<std::uint16_t>(image::kPatchCodeOffset), patch.code)
            .at(Step::WritePatchCode);
    workspace.presenter().hideProgress();
    if (write)
        write = std::move(code);
    Result result = restartAndVerify(workspace, expected, std::move(write));
    result.backup = backup.backup;
    return result;
}

void PatchUpdate::openPage() {
    if (!workspace_.session().requireDevice() || workspace_.session().errorPage())
        return;
    patch_.reset();
    fileName_.clear();
}

Result PatchUpdate::loadFile(const std::filesystem::path& path) {
    patch_.reset();
    const Result read = readFor(workspace_, path, patch_);
    fileName_ = patch_ ? path.string() : std::string();
    return read;
}

Result PatchUpdate::program() {
    if (!workspace_.session().hasDevice())
        return Result::fail(Failure::NoDevice);
    if (!patch_)
        return Result::fail(Failure::FileUnusable, Step::ReadFile, "no patch file is loaded");
    if (patch_->code.size() != workspace_.model().geometry.patchLength) {
        // Loaded for the other chip type (a different mouse was attached since): its area
        // length no longer fits.
        return Result::fail(Failure::Unsupported, Step::ReadFile, fileName_);
    }
    return programPatch(workspace_, *patch_);
}

Result programPatchFile(Workspace& workspace, const std::filesystem::path& path) {
    if (!workspace.session().requireDevice())
        return Result::fail(Failure::NoDevice);
    std::optional<image::files::PatchFile> patch;
    Result read = readFor(workspace, path, patch);
    if (!read)
        return read;
    Result result = programPatch(workspace, std::move(*patch));
    result.notes.insert(result.notes.begin(), read.notes.begin(), read.notes.end());
    return result;
}

}  // namespace gm::device::session
