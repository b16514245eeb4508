#include "device/session/patch_update.h"

#include <algorithm>

namespace gm::device::session {

namespace {

// Reads a patch file for the model's chip, telling the user why a file is refused.
std::optional<image::files::PatchFile> readFor(Session& session,
                                               const std::filesystem::path& path) {
    image::files::PatchFile patch =
        image::files::readPatchFile(path, session.model().geometry.patchLength);
    if (!patch.ok()) {
        session.presenter().showMessage(Message{"", patch.error});
        return std::nullopt;
    }
    if (!patch.note.empty())
        session.presenter().showMessage(Message{"", patch.note});
    return patch;
}

}  // namespace

void checkEEPatchCodeSection(image::files::PatchFile& patch) {
    image::refreshPatchHeader(patch.header, patch.code);
}

bool programPatch(Session& session, image::files::PatchFile patch) {
    Presenter& presenter = session.presenter();
    image::ImageModel& model = session.model();
    session.setPollEnabled(false);
    presenter.setOverlays(true);
    checkEEPatchCodeSection(patch);
    model.copies.patchHeader = patch.header;
    model.copies.patchCode = patch.code;
    session.protocol().writeBlock(static_cast<std::uint16_t>(image::kPatchHeader.offset),
                                  patch.header);
    session.protocol().writeBlock(static_cast<std::uint16_t>(image::kPatchCodeOffset), patch.code);
    presenter.hideProgress();
    return session.restartAndReconnect();
}

void PatchUpdate::openPage() {
    if (!session_.requireDevice() || session_.errorPage())
        return;
    patch_.reset();
    fileName_.clear();
}

bool PatchUpdate::loadFile(const std::filesystem::path& path) {
    patch_ = readFor(session_, path);
    fileName_ = patch_ ? path.string() : std::string();
    return patch_.has_value();
}

bool PatchUpdate::program() {
    if (!session_.hasDevice() || !patch_)
        return false;
    if (patch_->code.size() != session_.model().geometry.patchLength) {
        // Loaded for the other chip type (a different mouse was attached since): its area
        // length no longer fits.
        session_.presenter().showMessage(
            Message{"", fileName_ + " was loaded for a different chip type; load it again."});
        return false;
    }
    return programPatch(session_, *patch_);
}

bool programPatchFile(Session& session, const std::filesystem::path& path) {
    if (!session.requireDevice())
        return false;
    std::optional<image::files::PatchFile> patch = readFor(session, path);
    return patch && programPatch(session, std::move(*patch));
}

}  // namespace gm::device::session
