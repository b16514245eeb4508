#pragma once
// The engineering page's gun-key list: up to ten fire-macro codes in slots, named "Fire Macro" +
// slot number, which the key menu's engineering fire-macro list offers and which name class-0B
// codes while the list's file exists. Its options build a code: keep the left click, first
// record and number of records, or (the offset type) a colour code instead.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "buttons/macro_catalogue.h"
#include "image/code_text.h"

namespace gm::buttons {

inline constexpr std::size_t kGunKeySlots = 10;
inline constexpr std::size_t kGunKeyFileSize = kGunKeySlots * 4;  // four bytes a slot, b0 first
// cb_SOSColor's last item, "User Color", stands for the colour code 15.
inline constexpr int kUserColourItem = 10;
inline constexpr std::uint8_t kUserColourCode = 15;
inline constexpr std::uint8_t kOffsetTypeBit = 0x80;

// The selectors of the options group, as item indices.
struct GunKeyOptions {
    int keepLeftItem = 1;  // cb_SOSLB: 0 "Disable", 1 "Enable"
    int startItem = 0;     // cb_SOSStartIndex: "1".."10"
    int numberItem = 0;    // cb_SOSNumber: "1".."10"
    int typeItem = 0;      // cb_SOSType: 0 "Disable", 1 "Enable"
    int colourItem = 0;    // cb_SOSColor: "LED Color1".."LED Colo10", "User Color"
    bool operator==(const GunKeyOptions&) const = default;
};

image::KeyCode gunKeyCode(const GunKeyOptions& options);
// The selectors a stored code loads back into.
GunKeyOptions gunKeyOptionsOf(const image::KeyCode& code);

class GunKeyList {
public:
    // The list the file's bytes hold, as far as they go (slots past a short file stay unused).
    static GunKeyList fromBytes(std::span<const std::uint8_t> bytes);
    std::array<std::uint8_t, kGunKeyFileSize> bytes() const;

    const std::array<image::KeyCode, kGunKeySlots>& codes() const { return slots_; }
    // The used slots in slot order, each named "Fire Macro" + its slot number.
    std::vector<MacroEntry> entries() const;
    // The slot (0..9) of entry `index` of entries().
    std::optional<std::size_t> slotOfEntry(std::size_t index) const;

    // Puts `code` in the first unused slot; nothing when all ten are used (or the code is
    // 00000000, which marks an unused slot).
    std::optional<std::size_t> add(const image::KeyCode& code);
    // Removes slot `slot`, moving the later codes up; the entry to select afterwards (the one
    // before the removed one, or the first), nothing when the list is then empty.
    std::optional<std::size_t> remove(std::size_t slot);

    bool operator==(const GunKeyList&) const = default;

private:
    std::array<image::KeyCode, kGunKeySlots> slots_{};
};

}  // namespace gm::buttons
