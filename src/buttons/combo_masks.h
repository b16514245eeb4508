#pragma once
// Combo masks: b3 of the middle, back, forward and DPI codes (and of fire macros) ties the button
// to combo key n through bit n-1. The selectors offer no mask or a single bit.

#include <algorithm>
#include <array>
#include <cstdint>

namespace gm::buttons {

inline constexpr std::array<std::uint8_t, 9> kComboMaskChoices{0x00, 0x01, 0x02, 0x04, 0x08,
                                                               0x10, 0x20, 0x40, 0x80};

constexpr bool isComboMaskChoice(std::uint8_t mask) {
    return std::find(kComboMaskChoices.begin(), kComboMaskChoices.end(), mask) !=
           kComboMaskChoices.end();
}

}  // namespace gm::buttons
