#include "settings/cpi_levels.h"

#include "image/fields.h"
#include "settings/live_write.h"

namespace gm::settings {
namespace {

constexpr std::size_t kCurrentLevelAddress = image::fields::kCurrentLevel;

bool isLevel(int level) {
    return level >= 1 && level <= kCpiLevelCount;
}

device::Result invalid(const std::string& detail) {
    return device::Result::fail(device::Failure::InvalidRequest, device::Step::None, detail);
}

std::size_t valueAddressOf(int level) {
    return kLevelValuesAddress + static_cast<std::size_t>(level - 1) / 2;
}

}  // namespace

CpiLevels cpiLevelsOf(const image::ImageModel& model) {
    const auto& vendor = model.copies.vendor;
    CpiLevels levels;
    const int countByte = vendor[kLevelCountAddress];
    levels.count = countByte < kCpiLevelCount ? countByte + 1 : 0;
    const int current = model.copies.user[kCurrentLevelAddress - image::kUser.offset];
    if (current < kCpiLevelCount)
        levels.current = current + 1;
    for (int level = 1; level <= kCpiLevelCount; ++level) {
        const std::uint8_t pair = vendor[valueAddressOf(level)];
        const auto i = static_cast<std::size_t>(level - 1);
        levels.values[i] = static_cast<std::uint8_t>(level % 2 == 1 ? pair & 0x0F : pair >> 4);
        levels.colours[i] = colourAt(vendor, kLevelColoursAddress + 3 * i);
    }
    return levels;
}

std::vector<std::string> currentLevelItems(int count) {
    std::vector<std::string> items;
    for (int level = 1; level <= count; ++level)
        items.push_back("CPI" + std::to_string(level));
    return items;
}

device::Result setLevelCount(device::Workspace& workspace, int count) {
    if (!isLevel(count))
        return invalid("level count " + std::to_string(count) + " (1..8)");
    workingByte(workspace.model(), kLevelCountAddress) = static_cast<std::uint8_t>(count - 1);
    return writeLive(workspace, kLevelCountAddress, 1);
}

device::Result toggleLevel(device::Workspace& workspace, int level) {
    if (!isLevel(level))
        return invalid("level " + std::to_string(level) + " (1..8)");
    const int count = cpiLevelsOf(workspace.model()).count;
    if (level == count + 1)
        return setLevelCount(workspace, level);
    // The only level in use stays: a mouse always has one level.
    if (level == count && count > 1)
        return setLevelCount(workspace, count - 1);
    return device::Result::done();
}

device::Result setCurrentLevel(device::Workspace& workspace, int level) {
    if (!isLevel(level))
        return invalid("level " + std::to_string(level) + " (1..8)");
    workingByte(workspace.model(), kCurrentLevelAddress) = static_cast<std::uint8_t>(level - 1);
    return writeLive(workspace, kCurrentLevelAddress, 1);
}

device::Result setLevelValue(device::Workspace& workspace, int level, std::uint8_t valueIndex) {
    if (!isLevel(level) || valueIndex >= kCpiValues.size())
        return invalid("level " + std::to_string(level) + " value " + std::to_string(valueIndex));
    const std::size_t address = valueAddressOf(level);
    std::uint8_t& pair = workingByte(workspace.model(), address);
    pair = level % 2 == 1 ? static_cast<std::uint8_t>((pair & 0xF0) | valueIndex)
                          : static_cast<std::uint8_t>((pair & 0x0F) | valueIndex << 4);
    if (device::Result written = writeLive(workspace, address, 1); !written || !maySend(workspace))
        return written;
    // Leave the current level and enter it again: the mouse applies the new value at once.
    const std::uint8_t current = workingByte(workspace.model(), kCurrentLevelAddress);
    const auto neighbour = static_cast<std::uint8_t>(current == 0 ? 1 : current - 1);
    if (device::Result left =
            workspace.protocol()
                .liveWrite(static_cast<std::uint8_t>(kCurrentLevelAddress), neighbour, 0, 0, 1)
                .at(device::Step::LiveWrite);
        !left) {
        return left;
    }
    return writeLive(workspace, kCurrentLevelAddress, 1);
}

device::Result setLevelColour(device::Workspace& workspace, int level, Rgb colour) {
    if (!isLevel(level))
        return invalid("level " + std::to_string(level) + " (1..8)");
    const std::size_t address = kLevelColoursAddress + 3 * static_cast<std::size_t>(level - 1);
    return writeColour(workspace, address, colour);
}

std::vector<bool> barSegments(std::uint8_t valueIndex, int style, int segments) {
    std::vector<bool> lit(static_cast<std::size_t>(segments), false);
    for (int s = 0; s < segments; ++s)
        lit[static_cast<std::size_t>(s)] = style == 1 ? s == valueIndex : s <= valueIndex;
    return lit;
}

}  // namespace gm::settings
