// Whatever bytes a mouse or a file hands over, the split must leave the buffer alone, end with
// five valid sections, and the derived texts and checksums must stay within the image. Run
// under the sanitizer builds, this also catches reads past any area.

#include <gtest/gtest.h>

#include <random>

#include "image/check_byte.h"
#include "image/image_model.h"
#include "image/patch_header.h"

namespace gm::image {
namespace {

Image randomImage(std::mt19937& random) {
    std::uniform_int_distribution<int> byte(0, 255);
    Image image;
    for (std::uint8_t& b : image)
        b = static_cast<std::uint8_t>(byte(random));
    return image;
}

TEST(SplitRobustness, AnyImageSplitsIntoValidSectionsWithoutTouchingTheBuffer) {
    std::mt19937 random(20261208);
    for (const ChipType chip : {ChipType::Chip4210A, ChipType::Chip4230A}) {
        for (const char* led : {"", "RGB", "Sync", "NT", "MCULED"}) {
            for (int round = 0; round < 100; ++round) {
                ImageModel model;
                model.setChip(chip);
                model.ledTypeText = led;
                model.packageItem = round % 2;
                model.buffer = randomImage(random);
                const Image before = model.buffer;

                split(model);
                rebuildCodeTexts(model);
                const PatchChecksum checksum = patchChecksumOf(model);

                ASSERT_EQ(model.buffer, before);
                for (const Section section : kCheckedSections) {
                    ASSERT_TRUE(hasValidCheckByte(workingCopyOf(section, model.copies)))
                        << nameOf(section) << " with LED type '" << led << "'";
                }
                for (const std::string& text : model.codeTexts)
                    ASSERT_EQ(text.size(), 8u);
                ASSERT_EQ(checksum.lengthFits, checksum.length <= model.copies.patchCode.size());
            }
        }
    }
}

}  // namespace
}  // namespace gm::image
