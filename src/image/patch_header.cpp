#include "image/patch_header.h"

#include <algorithm>

#include "image/check_byte.h"

namespace gm::image {

namespace {

std::uint16_t wordAt(HeaderView header, std::size_t offset) {
    return static_cast<std::uint16_t>(header[offset] << 8 | header[offset + 1]);
}

void setWordAt(MutableHeaderView header, std::size_t offset, std::uint16_t value) {
    header[offset] = static_cast<std::uint8_t>(value >> 8);
    header[offset + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

constexpr std::size_t kLengthOffset = 2;
constexpr std::size_t kChecksumOffset = 6;

}  // namespace

std::uint16_t patchLengthOf(HeaderView header) {
    return wordAt(header, kLengthOffset);
}

void setPatchLength(MutableHeaderView header, std::uint16_t length) {
    setWordAt(header, kLengthOffset, length);
}

std::uint16_t storedPatchChecksumOf(HeaderView header) {
    return wordAt(header, kChecksumOffset);
}

void setStoredPatchChecksum(MutableHeaderView header, std::uint16_t checksum) {
    setWordAt(header, kChecksumOffset, checksum);
}

PatchSum patchChecksumOver(std::span<const std::uint8_t> patch, std::size_t length) {
    PatchSum result;
    result.lengthFits = length <= patch.size();
    result.summedBytes = std::min(length, patch.size());
    std::uint16_t sum = 0;
    for (const std::uint8_t byte : patch.first(result.summedBytes)) {
        sum = static_cast<std::uint16_t>(sum + byte);
    }
    result.checksum = static_cast<std::uint16_t>(sum ^ kPatchChecksumXor);
    return result;
}

PatchSum refreshPatchHeader(MutableHeaderView header, std::span<const std::uint8_t> patch) {
    const PatchSum sum = patchChecksumOver(patch, patchLengthOf(header));
    header[0] = kPatchHeaderByte0;
    header[1] = 0x00;
    header[4] = 0x00;
    header[5] = kPatchHeaderByte5;
    setStoredPatchChecksum(header, sum.checksum);
    return sum;
}

std::uint8_t mcuLedCheckByteOf(HeaderView header) {
    return checkByteOf(header.subspan(kMcuLedOffset, kMcuLedLength));
}

void setMcuLedCheckByte(MutableHeaderView header) {
    header[kMcuLedCheckOffset] = mcuLedCheckByteOf(header);
}

bool hasValidMcuLedCheckByte(HeaderView header) {
    return header[kMcuLedCheckOffset] == mcuLedCheckByteOf(header);
}

}  // namespace gm::image
