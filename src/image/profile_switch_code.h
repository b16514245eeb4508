#pragma once
// The profile-switch key function code: b0 = 07 and b1 = 1ooo 0ppp, where bit 7 marks a switch
// to profile p (0..2) and bits 6..4 carry the switch options; bit 3 is not part of the target
// (07 88 00 00 still switches to profile 1). b1 = 00 is the profile loop.

#include <cstdint>
#include <optional>
#include <span>

namespace gm::image {

// The profile 0..2 `code` switches to; nothing for any other code.
std::optional<int> profileSwitchTarget(std::span<const std::uint8_t, 4> code);

}  // namespace gm::image
