#include "buttons/key_push.h"

#include <algorithm>
#include <array>

#include "image/check_byte.h"

namespace gm::buttons {

namespace {

// After a push the mouse took only in part: its key tables replace the working copies when they
// can be read whole, so the captions show what the mouse will act on.
void takeMouseKeyTables(device::Workspace& workspace) {
    std::array<std::uint8_t, image::kProfiles.length> held{};
    const device::Result read =
        workspace.protocol().readBlock(static_cast<std::uint16_t>(image::kProfiles.offset), held);
    if (!read)
        return;
    image::ImageModel& model = workspace.model();
    model.copies.profiles = held;
    image::rebuildCodeTexts(model);
    workspace.changes().notify({device::session::ChangeKind::SectionChanged,
                                static_cast<int>(image::kProfiles.offset),
                                {}});
}

}  // namespace

device::Result pushKeyTables(device::Workspace& workspace, device::session::FireKeys fireKeys) {
    if (workspace.session().readBusy())
        return device::Result::done();
    device::Result pushed = device::session::pushProfiles(workspace, fireKeys);
    if (pushed.failure == device::Failure::TransferIncomplete)
        takeMouseKeyTables(workspace);
    return pushed;
}

device::Result writeVendorSection(device::Workspace& workspace) {
    auto& vendor = workspace.model().copies.vendor;
    image::setCheckByte(vendor);
    if (workspace.session().readBusy())
        return device::Result::done();
    const device::session::DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started())
        return operation.refusal;
    return workspace.protocol()
        .writeBlock(static_cast<std::uint16_t>(image::kVendor.offset), vendor)
        .at(device::Step::WriteVendor);
}

device::Result writeLive(device::Workspace& workspace, std::size_t address,
                         std::span<const std::uint8_t> bytes) {
    if (workspace.session().readBusy())
        return device::Result::done();
    const device::session::DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started())
        return operation.refusal;
    device::Result written;
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - at);
        auto byteAt = [&](std::size_t i) { return i < count ? bytes[at + i] : std::uint8_t{0}; };
        device::Result chunk =
            workspace.protocol()
                .liveWrite(static_cast<std::uint8_t>(address + at), byteAt(0), byteAt(1), byteAt(2),
                           static_cast<std::uint8_t>(count))
                .at(device::Step::LiveWrite);
        if (!chunk && written)
            written = std::move(chunk);
    }
    return written;
}

}  // namespace gm::buttons
