#pragma once
// A key function code as the editor carries it: eight upper-case hexadecimal digits, two per
// byte, b0 first (the same byte order as in the image).

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace gm::image {

using KeyCode = std::array<std::uint8_t, 4>;

std::string codeTextOf(std::span<const std::uint8_t, 4> code);
// Parses exactly eight hexadecimal digits (either case); anything else gives nothing.
std::optional<KeyCode> codeFromText(std::string_view text);

}  // namespace gm::image
