#pragma once
// The key function code that runs a device macro: 0x10, the body address high and low, 0x00.

#include <cstdint>
#include <optional>

#include "image/code_text.h"

namespace gm::macros {

image::KeyCode macroKeyCode(std::uint16_t address);

// The body address a code runs; nothing for any other code (the fire-macro keys are class 0x10
// too, but end in 0xFF).
std::optional<std::uint16_t> macroAddressOf(const image::KeyCode& code);

}  // namespace gm::macros
