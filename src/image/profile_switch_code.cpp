#include "image/profile_switch_code.h"

namespace gm::image {

std::optional<int> profileSwitchTarget(std::span<const std::uint8_t, 4> code) {
    constexpr std::uint8_t kProfileSwitchClass = 0x07;
    const int target = code[1] & 0x87;
    if (code[0] != kProfileSwitchClass || target < 0x80 || target > 0x82)
        return std::nullopt;
    return target - 0x80;
}

}  // namespace gm::image
