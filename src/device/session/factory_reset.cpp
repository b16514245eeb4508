#include "device/session/factory_reset.h"

#include <algorithm>
#include <span>
#include <string>

#include "device/session/whole_image_write.h"
#include "image/factory_images.h"
#include "image/section_defaults.h"

namespace gm::device::session {

namespace {

// Bytes of each fire macro record the rebuild clears (the whole 4210A record).
constexpr std::size_t kClearedRecordBytes = 24;

// Copies a working copy into the image buffer at `offset`, never past the buffer's end.
void copyInto(image::Image& buffer, std::size_t offset, std::span<const std::uint8_t> bytes) {
    if (offset >= buffer.size())
        return;
    const std::size_t count = std::min(bytes.size(), buffer.size() - offset);
    std::copy_n(bytes.begin(), count, buffer.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace

bool defaultParameterConfirm(Session& session, int config) {
    if (config < 1 || config > kFactoryConfigCount) {
        session.presenter().showMessage(Message{
            "",
            "There is no factory configuration " + std::to_string(config) + "; choose 1, 2 or 3."});
        return false;
    }
    if (!session.requireDevice() || !keepBackup(session, "reset" + std::to_string(config))) {
        return false;
    }
    image::ImageModel& model = session.model();
    beginWholeImageWrite(session);
    const std::string chip = model.chip ? std::string(image::chipText(*model.chip)) : "";
    adoptImage(session, image::factoryImageFor(chip, config));
    return finishWholeImageWrite(session);
}

bool tlDefaultParameter(Session& session) {
    if (!session.requireDevice() || !keepBackup(session, "rebuild"))
        return false;
    image::ImageModel& model = session.model();
    image::WorkingCopies& copies = model.copies;
    beginWholeImageWrite(session);

    for (std::string& text : model.codeTexts)
        text.clear();
    for (image::Section section : image::kCheckedSections) {
        image::applySectionDefaults(section, model);
    }
    copies.fireKeys = image::fireKeyAreaDefaults();
    image::rebuildCodeTexts(model);
    session.presenter().refresh(View::Everything);

    copyInto(model.buffer, image::kVendor.offset, copies.vendor);
    copyInto(model.buffer, image::kUser.offset, copies.user);
    copyInto(model.buffer, image::kProfiles.offset, copies.profiles);
    copyInto(model.buffer, image::kReserved.offset, copies.reserved);
    copyInto(model.buffer, image::kFireKeys.offset, copies.fireKeys);
    copies.macroArea.fill(0x00);
    session.presenter().refresh(View::MacroLists);
    copyInto(model.buffer, image::kMacro.offset, copies.macroArea);
    copyInto(model.buffer, image::kPatchHeader.offset, copies.patchHeader);
    copyInto(model.buffer, image::kPatchCodeOffset, copies.patchCode);
    copyInto(model.buffer, model.geometry.tailOffset, copies.tail);
    // The fire macro table is cleared, but the tail goes to the mouse as it was read.
    for (std::vector<std::uint8_t>& record : copies.fireMacroRecords) {
        std::fill_n(record.begin(), std::min(record.size(), kClearedRecordBytes), 0x00);
    }
    return finishWholeImageWrite(session);
}

}  // namespace gm::device::session
