#pragma once
// Fields of the image that several parts of the program read or write, named once: where they
// are and how their bits are packed. Offsets are image addresses (live writes reach the first
// 256 bytes).

#include <cstddef>
#include <cstdint>

#include "image/layout.h"

namespace gm::image::fields {

// Vendor 0..1 and 2..3: the USB vendor and product id, high byte first.
inline constexpr std::size_t kUsbVendorId = kVendor.offset + 0;
inline constexpr std::size_t kUsbProductId = kVendor.offset + 2;

// User 0: the active profile in bits 3..0 (0..2), its colour code in bits 7..4.
inline constexpr std::size_t kActiveProfile = kUser.offset + 0;
inline constexpr std::uint8_t kProfileMask = 0x0F;
inline constexpr int kProfileColourShift = 4;
// User 2: the current CPI level, counted from 0.
inline constexpr std::size_t kCurrentLevel = kUser.offset + 2;

// The profile number of a User 0 byte; values above 2 name no profile.
constexpr std::uint8_t profileOf(std::uint8_t user0) {
    return static_cast<std::uint8_t>(user0 & kProfileMask);
}
constexpr bool isProfile(std::uint8_t profile) {
    return profile < kProfileCount;
}

// Writing this value to User 0 and then the real one makes the mouse take new key tables.
inline constexpr std::uint8_t kRearmKeyTables = 0x0F;

}  // namespace gm::image::fields
