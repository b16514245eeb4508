#include "macros/macro_code.h"

namespace gm::macros {

namespace {
constexpr std::uint8_t kMacroClass = 0x10;
}

image::KeyCode macroKeyCode(std::uint16_t address) {
    return {kMacroClass, static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), 0x00};
}

std::optional<std::uint16_t> macroAddressOf(const image::KeyCode& code) {
    if (code[0] != kMacroClass || code[3] != 0x00)
        return std::nullopt;
    return static_cast<std::uint16_t>((code[1] << 8) | code[2]);
}

}  // namespace gm::macros
