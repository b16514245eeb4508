#pragma once
// The check byte that ends the Vendor, User and Profile sections, and the MCU LED byte of the
// patch-code header: (sum of the bytes before it, modulo 256) XOR 0x5A.

#include <cstdint>
#include <span>

namespace gm::image {

std::uint8_t checkByteOf(std::span<const std::uint8_t> bytes);
// Recomputes and stores the last byte of `section` from the bytes before it.
void setCheckByte(std::span<std::uint8_t> section);
bool hasValidCheckByte(std::span<const std::uint8_t> section);

}  // namespace gm::image
