#include "buttons/gun_key_list.h"

#include <algorithm>

#include "buttons/gun_presets.h"

namespace gm::buttons {

namespace {

constexpr image::KeyCode kUnused{};

int clampItem(int item, int last) {
    return std::clamp(item, 0, last);
}

}  // namespace

image::KeyCode gunKeyCode(const GunKeyOptions& options) {
    if (options.typeItem == 1) {
        const int item = clampItem(options.colourItem, kUserColourItem);
        const int colour = item == kUserColourItem ? kUserColourCode : item;
        return {kFireMacroClass, static_cast<std::uint8_t>(kOffsetTypeBit | colour), 0, 0};
    }
    const int keepLeft = options.keepLeftItem == 1 ? kKeepLeftBit : 0;
    const int b1 = keepLeft + clampItem(options.startItem, 9);
    const int b2 = clampItem(options.numberItem, 9) + 1;
    return {kFireMacroClass, static_cast<std::uint8_t>(b1), static_cast<std::uint8_t>(b2), 0};
}

GunKeyOptions gunKeyOptionsOf(const image::KeyCode& code) {
    GunKeyOptions options;
    const int low = code[1] & 0x0F;
    options.typeItem = (code[1] & kOffsetTypeBit) != 0 ? 1 : 0;
    if (options.typeItem == 1)
        options.colourItem = low == kUserColourCode ? kUserColourItem : clampItem(low, 9);
    else
        options.startItem = clampItem(low, 9);
    options.keepLeftItem = (code[1] & kKeepLeftBit) != 0 ? 1 : 0;
    options.numberItem = clampItem(code[2] - 1, 9);
    return options;
}

GunKeyList GunKeyList::fromBytes(std::span<const std::uint8_t> bytes) {
    GunKeyList list;
    const std::size_t held = std::min(bytes.size(), kGunKeyFileSize);
    for (std::size_t at = 0; at < held; ++at)
        list.slots_[at / 4][at % 4] = bytes[at];
    return list;
}

std::array<std::uint8_t, kGunKeyFileSize> GunKeyList::bytes() const {
    std::array<std::uint8_t, kGunKeyFileSize> bytes{};
    for (std::size_t at = 0; at < kGunKeyFileSize; ++at)
        bytes[at] = slots_[at / 4][at % 4];
    return bytes;
}

std::vector<MacroEntry> GunKeyList::entries() const {
    std::vector<MacroEntry> entries;
    for (std::size_t slot = 0; slot < kGunKeySlots; ++slot) {
        if (slots_[slot] != kUnused)
            entries.push_back({"Fire Macro" + std::to_string(slot + 1), slots_[slot]});
    }
    return entries;
}

std::optional<std::size_t> GunKeyList::slotOfEntry(std::size_t index) const {
    for (std::size_t slot = 0; slot < kGunKeySlots; ++slot) {
        if (slots_[slot] != kUnused && index-- == 0)
            return slot;
    }
    return std::nullopt;
}

std::optional<std::size_t> GunKeyList::add(const image::KeyCode& code) {
    if (code == kUnused)
        return std::nullopt;
    const auto free = std::find(slots_.begin(), slots_.end(), kUnused);
    if (free == slots_.end())
        return std::nullopt;
    *free = code;
    return static_cast<std::size_t>(free - slots_.begin());
}

std::optional<std::size_t> GunKeyList::remove(std::size_t slot) {
    if (slot >= kGunKeySlots)
        return std::nullopt;
    std::size_t entry = 0;
    for (std::size_t s = 0; s < slot; ++s)
        entry += slots_[s] != kUnused ? 1 : 0;
    std::move(slots_.begin() + static_cast<std::ptrdiff_t>(slot) + 1, slots_.end(),
              slots_.begin() + static_cast<std::ptrdiff_t>(slot));
    slots_.back() = kUnused;
    const std::size_t left = entries().size();
    if (left == 0)
        return std::nullopt;
    return std::min(entry == 0 ? 0 : entry - 1, left - 1);
}

}  // namespace gm::buttons
