#include <gtest/gtest.h>

#include <algorithm>
#include <span>

#include "image/check_byte.h"
#include "image/factory_images.h"
#include "image/image_model.h"

namespace gm::image {
namespace {

std::span<const std::uint8_t> areaBytes(const Image& image, Area area) {
    return std::span(image).subspan(area.offset, area.length);
}

bool sameBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

void breakCheckByte(Image& image, Section section) {
    image[areaOf(section).end() - 1] ^= 0x01;
}

ImageModel modelWith(const Image& image, ChipType chip) {
    ImageModel model;
    model.setChip(chip);
    model.buffer = image;
    return model;
}

TEST(ImageModel, StartsErasedAndSizedFor4210A) {
    const ImageModel model;
    EXPECT_TRUE(std::all_of(model.buffer.begin(), model.buffer.end(),
                            [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_FALSE(model.chip.has_value());
    EXPECT_EQ(model.copies.patchCode.size(), 784u);
    EXPECT_EQ(model.copies.tail.size(), 240u);
    EXPECT_EQ(model.copies.fireMacroRecords[9].size(), 24u);
}

TEST(ImageModel, SetChipResizesAndForgettingTheChipKeepsTheCopies) {
    ImageModel model;
    model.setChip(ChipType::Chip4230A);
    EXPECT_EQ(model.copies.patchCode.size(), 512u);
    EXPECT_EQ(model.copies.tail.size(), 512u);
    EXPECT_EQ(model.copies.fireMacroRecords[0].size(), 32u);
    model.copies.tail[5] = 0x42;
    model.setChip(std::nullopt);
    EXPECT_FALSE(model.chip.has_value());
    EXPECT_EQ(model.geometry.tailOffset, 1536u);
    EXPECT_EQ(model.copies.tail.size(), 512u);
    EXPECT_EQ(model.copies.tail[5], 0x42);
}

TEST(Split, ValidImagePassesUnchanged) {
    for (const ChipType chip : {ChipType::Chip4210A, ChipType::Chip4230A}) {
        ImageModel model = modelWith(factoryImage(chip, 2), chip);
        const Image before = model.buffer;
        const SplitResult result = split(model);
        EXPECT_FALSE(result.anyRepaired());
        EXPECT_EQ(model.buffer, before);
        for (const Section section : kCheckedSections) {
            EXPECT_TRUE(
                sameBytes(workingCopyOf(section, model.copies), areaBytes(before, areaOf(section))))
                << nameOf(section);
        }
        EXPECT_TRUE(sameBytes(model.copies.reserved, areaBytes(before, kReserved)));
        EXPECT_TRUE(sameBytes(model.copies.fireKeys, areaBytes(before, kFireKeys)));
        EXPECT_TRUE(sameBytes(model.copies.macroArea, areaBytes(before, kMacro)));
        EXPECT_TRUE(sameBytes(model.copies.patchHeader, areaBytes(before, kPatchHeader)));
        const ChipGeometry g = geometryOf(chip);
        EXPECT_TRUE(sameBytes(model.copies.patchCode,
                              areaBytes(before, {kPatchCodeOffset, g.patchLength})));
        EXPECT_TRUE(sameBytes(model.copies.tail, areaBytes(before, {g.tailOffset, g.tailLength})));
    }
}

TEST(Split, ErasedVendorIsRebuiltInTheWorkingCopyOnly) {
    Image image = factoryImage(ChipType::Chip4210A, 1);
    std::fill_n(image.begin(), kVendor.length, std::uint8_t{0xFF});
    ImageModel model = modelWith(image, ChipType::Chip4210A);
    const SplitResult result = split(model);

    EXPECT_TRUE(result.repaired[0]);
    EXPECT_FALSE(result.repaired[1] || result.repaired[2] || result.repaired[3] ||
                 result.repaired[4]);
    EXPECT_EQ(model.buffer, image);  // the buffer is never changed by a split
    const auto& vendor = model.copies.vendor;
    EXPECT_EQ(vendor[0], 0x7A);
    EXPECT_EQ(vendor[3], 0xB8);
    EXPECT_EQ(std::string(vendor.begin() + 111, vendor.begin() + 127), "HID Gaming mouse");
    EXPECT_TRUE(hasValidCheckByte(vendor));
}

TEST(Split, OnlyTheBadProfileIsRebuilt) {
    Image image = factoryImage(ChipType::Chip4230A, 1);
    breakCheckByte(image, Section::Profile2);
    ImageModel model = modelWith(image, ChipType::Chip4230A);
    const SplitResult result = split(model);

    EXPECT_TRUE(result.repaired[3]);
    EXPECT_EQ(std::count(result.repaired.begin(), result.repaired.end(), true), 1);
    EXPECT_TRUE(
        sameBytes(workingCopyOf(Section::Profile1, model.copies), areaBytes(image, kProfile1)));
    EXPECT_TRUE(
        sameBytes(workingCopyOf(Section::Profile3, model.copies), areaBytes(image, kProfile3)));
    const auto profile2 = workingCopyOf(Section::Profile2, model.copies);
    EXPECT_EQ(profile2[0], 0x01);  // default Key1 left button replaces the fire-macro key
    EXPECT_EQ(profile2[8], 0x06);  // default Key3 fire key 06 12 00 10
    EXPECT_EQ(profile2[9], 0x12);
    EXPECT_TRUE(hasValidCheckByte(profile2));
}

TEST(Split, SyncRepairKeepsTheColourBytes) {
    Image image = factoryImage(ChipType::Chip4210A, 1);
    for (std::size_t i = 57; i <= 110; ++i)
        image[i] = static_cast<std::uint8_t>(i);
    ImageModel model = modelWith(image, ChipType::Chip4210A);
    model.ledTypeText = "Sync";
    split(model);  // the colour change broke the Vendor check byte

    for (std::size_t i = 57; i <= 110; ++i)
        EXPECT_EQ(model.copies.vendor[i], i) << i;
    EXPECT_EQ(model.copies.vendor[42], 0x05);
    EXPECT_TRUE(hasValidCheckByte(model.copies.vendor));
}

TEST(Split, FourTwoTenTailHoldsTenRecordsOf24Bytes) {
    Image image = factoryImage(ChipType::Chip4210A, 1);
    for (std::size_t i = 0; i < 240; ++i)
        image[1808 + i] = static_cast<std::uint8_t>(i);
    ImageModel model = modelWith(image, ChipType::Chip4210A);
    split(model);
    for (std::size_t r = 0; r < kFireMacroCount; ++r) {
        ASSERT_EQ(model.copies.fireMacroRecords[r].size(), 24u);
        EXPECT_TRUE(
            sameBytes(model.copies.fireMacroRecords[r], areaBytes(image, {1808 + 24 * r, 24})))
            << r;
    }
}

TEST(Split, FourTwoThirtyTailNeverReadsItsLast32Bytes) {
    Image image = factoryImage(ChipType::Chip4230A, 3);
    for (std::size_t i = 1536; i < 2016; ++i)
        image[i] = static_cast<std::uint8_t>(i * 7);
    std::fill(image.begin() + 2016, image.end(), std::uint8_t{0xAB});
    ImageModel model = modelWith(image, ChipType::Chip4230A);
    split(model);
    for (std::size_t r = 0; r < kFireMacroCount; ++r) {
        EXPECT_TRUE(sameBytes(model.copies.fireMacroRecords[r],
                              areaBytes(image, {1536 + 160 + 32 * r, 32})))
            << r;
        EXPECT_TRUE(
            sameBytes(model.copies.fireMacroNames[r], areaBytes(image, {1536 + 16 * r, 16})))
            << r;
    }
    const auto records = model.copies.fireMacroRecords;
    const auto names = model.copies.fireMacroNames;
    std::fill(model.buffer.begin() + 2016, model.buffer.end(), std::uint8_t{0x00});
    split(model);
    EXPECT_EQ(model.copies.fireMacroRecords, records);
    EXPECT_EQ(model.copies.fireMacroNames, names);
    EXPECT_EQ(model.copies.tail[511], 0x00);  // the tail buffer itself carries them unchanged
}

TEST(Split, ChipChangeBetweenSplitsFollowsTheNewGeometry) {
    ImageModel model = modelWith(factoryImage(ChipType::Chip4230A, 1), ChipType::Chip4230A);
    split(model);
    model.setChip(ChipType::Chip4210A);
    model.buffer = factoryImage(ChipType::Chip4210A, 1);
    split(model);
    EXPECT_EQ(model.copies.tail.size(), 240u);
    EXPECT_EQ(model.copies.fireMacroRecords[0].size(), 24u);
    EXPECT_EQ(model.copies.fireMacroRecords[0][0], 0xFD);
}

TEST(PatchChecksumOf, ReportsStoredComputedAndWhetherTheLengthFits) {
    ImageModel model = modelWith(factoryImage(ChipType::Chip4210A, 1), ChipType::Chip4210A);
    split(model);
    PatchChecksum sum = patchChecksumOf(model);
    EXPECT_EQ(sum.length, 736);
    EXPECT_EQ(sum.stored, 0x5F63);
    EXPECT_EQ(sum.computed, 0x5F63);
    EXPECT_TRUE(sum.lengthFits);

    model.copies.patchHeader[2] = 0xFF;  // 0xFFE0: far past the 784-byte patch area
    sum = patchChecksumOf(model);
    EXPECT_FALSE(sum.lengthFits);
    EXPECT_EQ(sum.length, 0xFFE0);
    EXPECT_NE(sum.computed, sum.stored);
}

}  // namespace
}  // namespace gm::image
