#pragma once
// Stand-in patch code for the factory images. It is not firmware: byte n is x(n) of the
// linear congruential sequence x(0) = seed, x(n+1) = (109 * x(n) + 89) mod 256 (full period 256).
// When a 16-bit sum is wanted, the last 64 bytes are lowered or raised by even shares until the
// sum of the `length` bytes is that value.

#include <cstdint>
#include <optional>
#include <vector>

namespace gm::tools {

std::vector<std::uint8_t> patchSequence(std::uint8_t seed, std::size_t length,
                                        std::optional<std::uint16_t> wantedSum);

}  // namespace gm::tools
