#include "settings/live_write.h"

#include <algorithm>
#include <span>

#include "image/check_byte.h"

namespace gm::settings {
namespace {

// The working copy holding an area that is not a section (the fire keys, the patch header).
std::span<std::uint8_t> workingArea(image::ImageModel& model, image::Area area) {
    if (area.offset == image::kFireKeys.offset)
        return model.copies.fireKeys;
    return model.copies.patchHeader;
}

}  // namespace

std::uint8_t& workingByte(image::ImageModel& model, std::size_t address) {
    if (address >= image::kUser.offset)
        return model.copies.user.at(address - image::kUser.offset);
    return model.copies.vendor.at(address);
}

bool maySend(device::Workspace& workspace) {
    return !workspace.session().readBusy();
}

device::Result writeLive(device::Workspace& workspace, std::size_t address, std::uint8_t count) {
    device::Result written = writeLiveUnchecked(workspace, address, count);
    if (!written)
        return written;
    return writeCheckByte(workspace, address);
}

device::Result writeCheckByte(device::Workspace& workspace, std::size_t address) {
    if (!maySend(workspace))
        return device::Result::done();
    const image::Area section = address < image::kUser.offset ? image::kVendor : image::kUser;
    image::ImageModel& model = workspace.model();
    const std::size_t last = section.offset + section.length - 1;
    const std::uint8_t check = image::checkByteOf(
        std::span<const std::uint8_t>(model.buffer).subspan(section.offset, section.length - 1));
    workingByte(model, last) = check;
    if (model.buffer[last] == check)
        return device::Result::done();
    return writeLiveUnchecked(workspace, last, 1);
}

device::Result writeColour(device::Workspace& workspace, std::size_t address, Rgb colour) {
    image::ImageModel& model = workspace.model();
    workingByte(model, address) = colour.red;
    workingByte(model, address + 1) = colour.green;
    workingByte(model, address + 2) = colour.blue;
    return writeLive(workspace, address, 3);
}

device::Result writeLiveUnchecked(device::Workspace& workspace, std::size_t address,
                                  std::uint8_t count) {
    if (!maySend(workspace))
        return device::Result::done();
    image::ImageModel& model = workspace.model();
    std::array<std::uint8_t, 3> data{};
    for (std::uint8_t i = 0; i < count; ++i)
        data[i] = workingByte(model, address + i);
    device::Result sent =
        workspace.protocol()
            .liveWrite(static_cast<std::uint8_t>(address), data[0], data[1], data[2], count)
            .at(device::Step::LiveWrite);
    for (std::uint8_t i = 0; i < count; ++i) {
        if (sent)
            model.buffer[address + i] = data[i];
        else
            workingByte(model, address + i) = model.buffer[address + i];
    }
    workspace.changes().notify(
        {device::session::ChangeKind::SectionChanged, static_cast<int>(address), {}});
    return sent;
}

device::Result writeArea(device::Workspace& workspace, image::Area area, device::Step step) {
    if (!maySend(workspace))
        return device::Result::done();
    image::ImageModel& model = workspace.model();
    const std::span<std::uint8_t> copy = workingArea(model, area);
    device::Result sent =
        workspace.protocol().writeBlock(static_cast<std::uint16_t>(area.offset), copy).at(step);
    workspace.presenter().hideProgress();
    const auto held = model.buffer.begin() + static_cast<std::ptrdiff_t>(area.offset);
    if (sent)
        std::copy(copy.begin(), copy.end(), held);
    else
        std::copy(held, held + static_cast<std::ptrdiff_t>(copy.size()), copy.begin());
    workspace.changes().notify(
        {device::session::ChangeKind::SectionChanged, static_cast<int>(area.offset), {}});
    return sent;
}

}  // namespace gm::settings
