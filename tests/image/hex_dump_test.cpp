#include <gtest/gtest.h>

#include <vector>

#include "image/factory_images.h"
#include "image/hex_dump.h"
#include "image/image_model.h"

namespace gm::image {
namespace {

TEST(HexDump, SixteenBytesALineWithAddressesFromTheStart) {
    std::vector<std::uint8_t> bytes(18);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(0xF0 + i);
    EXPECT_EQ(hexDump(0x00A4, bytes),
              "00A4: F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF\n"
              "00B4: 00 01\n");
    EXPECT_EQ(hexDump(0x07FF, std::vector<std::uint8_t>{0x0A}), "07FF: 0A\n");
    EXPECT_EQ(hexDump(0, {}), "");
}

TEST(ImageAreas, TileTheWholeImageInOrderForBothChips) {
    for (ChipType chip : {ChipType::Chip4210A, ChipType::Chip4230A}) {
        std::size_t next = 0;
        for (const NamedArea& named : imageAreas(geometryOf(chip))) {
            EXPECT_EQ(named.area.offset, next) << named.name;
            next = named.area.end();
        }
        EXPECT_EQ(next, kImageSize);
    }
}

TEST(ComposedImage, HoldsTheWorkingCopiesAndLeavesTheModelAlone) {
    ImageModel model;
    model.buffer = factoryImage(ChipType::Chip4210A, 1);
    split(model);
    model.copies.user[2] = 0x5A;
    const Image before = model.buffer;
    const Image composed = composedImage(model);
    EXPECT_EQ(composed[kUser.offset + 2], 0x5A);
    EXPECT_EQ(model.buffer, before);
}

}  // namespace
}  // namespace gm::image
