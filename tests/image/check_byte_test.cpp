#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "image/check_byte.h"
#include "image/patch_header.h"

namespace gm::image {
namespace {

TEST(CheckByte, SumModulo256XorMask) {
    // 163 bytes of FF sum to 0x5D modulo 256; XOR 0x5A gives 0x07.
    const std::vector<std::uint8_t> erased(163, 0xFF);
    EXPECT_EQ(checkByteOf(erased), 0x07);
    EXPECT_EQ(checkByteOf(std::vector<std::uint8_t>{}), 0x5A);
    EXPECT_EQ(checkByteOf(std::vector<std::uint8_t>{0x80, 0x80, 0x01}), 0x01 ^ 0x5A);
}

TEST(CheckByte, SetAndValidateLastByte) {
    std::vector<std::uint8_t> section(28, 0x11);
    EXPECT_FALSE(hasValidCheckByte(section));
    setCheckByte(section);
    EXPECT_EQ(section.back(), static_cast<std::uint8_t>((27 * 0x11) & 0xFF) ^ 0x5A);
    EXPECT_TRUE(hasValidCheckByte(section));
    section[3] ^= 0x01;
    EXPECT_FALSE(hasValidCheckByte(section));
    // An empty span has no check byte to hold or set.
    std::vector<std::uint8_t> empty;
    setCheckByte(empty);
    EXPECT_FALSE(hasValidCheckByte(empty));
}

TEST(PatchHeader, ChecksumIsSixteenBitSumXorMask) {
    std::vector<std::uint8_t> patch(600, 0xFF);  // 512 x FF = 0x1FE00, 16-bit 0xFE00
    const PatchSum sum = patchChecksumOver(patch, 512);
    EXPECT_EQ(sum.checksum, 0xFE00 ^ 0x015A);
    EXPECT_EQ(sum.summedBytes, 512u);
    EXPECT_TRUE(sum.lengthFits);
    EXPECT_EQ(patchChecksumOver(patch, 0).checksum, 0x015A);
}

TEST(PatchHeader, LengthPastThePatchIsClampedAndReported) {
    const std::vector<std::uint8_t> patch(512, 0x01);
    const PatchSum sum = patchChecksumOver(patch, 0xFFFF);
    EXPECT_FALSE(sum.lengthFits);
    EXPECT_EQ(sum.summedBytes, 512u);
    EXPECT_EQ(sum.checksum, 512 ^ 0x015A);
}

TEST(PatchHeader, FieldsAreHighByteFirst) {
    PatchHeader header{};
    setPatchLength(header, 0x02E0);
    setStoredPatchChecksum(header, 0x5F63);
    EXPECT_EQ(header[2], 0x02);
    EXPECT_EQ(header[3], 0xE0);
    EXPECT_EQ(header[6], 0x5F);
    EXPECT_EQ(header[7], 0x63);
    EXPECT_EQ(patchLengthOf(header), 0x02E0);
    EXPECT_EQ(storedPatchChecksumOf(header), 0x5F63);
}

TEST(PatchHeader, RefreshSetsTagAndChecksumKeepsLengthAndLedBytes) {
    PatchHeader header;
    header.fill(0xEE);
    setPatchLength(header, 4);
    const std::vector<std::uint8_t> patch{1, 2, 3, 4, 100, 100};
    const PatchSum sum = refreshPatchHeader(header, patch);
    EXPECT_EQ(sum.checksum, 10 ^ 0x015A);
    const PatchHeader expectedHead{0x04, 0x00, 0x00, 0x04, 0x00, 0x1A};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(header[i], expectedHead[i]) << i;
    EXPECT_EQ(storedPatchChecksumOf(header), 10 ^ 0x015A);
    for (std::size_t i = 8; i < 16; ++i)
        EXPECT_EQ(header[i], 0xEE) << i;
}

TEST(PatchHeader, McuLedCheckByteCoversBytes8To14) {
    PatchHeader header{};
    header[0] = 0x77;  // outside the MCU LED bytes: no effect
    header[8] = 0x03;
    header[9] = 0x85;
    EXPECT_FALSE(hasValidMcuLedCheckByte(header));
    setMcuLedCheckByte(header);
    EXPECT_EQ(header[15], (0x03 + 0x85) ^ 0x5A);
    EXPECT_TRUE(hasValidMcuLedCheckByte(header));
}

}  // namespace
}  // namespace gm::image
