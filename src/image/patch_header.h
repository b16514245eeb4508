#pragma once
// The 16-byte patch-code header at image offset 1008: tag bytes, the patch length and checksum
// (both high byte first) and the MCU LED bytes 8..14 with their check byte 15.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace gm::image {

inline constexpr std::size_t kPatchHeaderSize = 16;
using PatchHeader = std::array<std::uint8_t, kPatchHeaderSize>;
using HeaderView = std::span<const std::uint8_t, kPatchHeaderSize>;
using MutableHeaderView = std::span<std::uint8_t, kPatchHeaderSize>;

// Fixed header bytes: 0 = 0x04, 1 = 0x00, 4 = 0x00, 5 = 0x1A.
inline constexpr std::uint8_t kPatchHeaderByte0 = 0x04;
inline constexpr std::uint8_t kPatchHeaderByte5 = 0x1A;
inline constexpr std::uint16_t kPatchChecksumXor = 0x015A;
// The MCU LED data occupies header bytes 8..14, checked into byte 15.
inline constexpr std::size_t kMcuLedOffset = 8;
inline constexpr std::size_t kMcuLedLength = 7;
inline constexpr std::size_t kMcuLedCheckOffset = 15;

std::uint16_t patchLengthOf(HeaderView header);
void setPatchLength(MutableHeaderView header, std::uint16_t length);
std::uint16_t storedPatchChecksumOf(HeaderView header);
void setStoredPatchChecksum(MutableHeaderView header, std::uint16_t checksum);

struct PatchSum {
    std::uint16_t checksum = 0;   // (16-bit sum of the summed bytes) XOR 0x015A
    std::size_t summedBytes = 0;  // min(length, patch size)
    bool lengthFits = true;       // false when the length asked for more than the patch holds
};
// Checksum over the first `length` bytes of `patch`; a length past its end is clamped.
PatchSum patchChecksumOver(std::span<const std::uint8_t> patch, std::size_t length);

// Sets the fixed bytes and the checksum of `header` for `patch` at the header's own length;
// the length and bytes 8..15 are kept.
PatchSum refreshPatchHeader(MutableHeaderView header, std::span<const std::uint8_t> patch);

std::uint8_t mcuLedCheckByteOf(HeaderView header);
void setMcuLedCheckByte(MutableHeaderView header);
bool hasValidMcuLedCheckByte(HeaderView header);

}  // namespace gm::image
