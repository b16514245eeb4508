#include <gtest/gtest.h>

#include "image/code_text.h"
#include "image/factory_images.h"
#include "image/image_model.h"

namespace gm::image {
namespace {

TEST(CodeText, BytesAndTextConvertBothWaysUnchanged) {
    const KeyCode codes[] = {{0x06, 0x92, 0x00, 0x3C},
                             {0x00, 0x00, 0x00, 0x00},
                             {0xFF, 0xFF, 0xFF, 0xFF},
                             {0x10, 0x06, 0xA0, 0xFF},
                             {0x0B, 0x07, 0x03, 0x00}};
    for (const KeyCode& code : codes) {
        const std::string text = codeTextOf(code);
        EXPECT_EQ(text.size(), 8u);
        EXPECT_EQ(codeFromText(text), code) << text;
    }
    EXPECT_EQ(codeTextOf(KeyCode{0x06, 0x92, 0x00, 0x3C}), "0692003C");
    EXPECT_EQ(codeFromText("1006a0ff"), (KeyCode{0x10, 0x06, 0xA0, 0xFF}));
}

TEST(CodeText, RejectsAnythingButEightHexDigits) {
    for (const char* bad : {"", "0692003", "0692003C0", "0692003G", " 692003C", "06-2003C"}) {
        EXPECT_FALSE(codeFromText(bad).has_value()) << bad;
    }
}

TEST(CodeText, RebuildTakesProfilesInOrderThenComboKeys) {
    ImageModel model;
    model.setChip(ChipType::Chip4230A);
    model.buffer = factoryImage(ChipType::Chip4230A, 3);
    split(model);
    model.codeTexts[44] = "stale";
    rebuildCodeTexts(model);
    EXPECT_EQ(model.codeTexts[0], "01010000");   // Profile1 Key1
    EXPECT_EQ(model.codeTexts[2], "0691003C");   // Profile1 Key3
    EXPECT_EQ(model.codeTexts[12], "1006A0FF");  // Profile2 Key1
    EXPECT_EQ(model.codeTexts[23], "0B040100");  // Profile2 Key12 of Cfg3
    EXPECT_EQ(model.codeTexts[29], "02080700");  // Profile3 Key6
    EXPECT_EQ(model.codeTexts[36], "00000000");  // Combo Key1
    EXPECT_EQ(model.codeTexts[37], "0E000000");  // Combo Key2
    EXPECT_EQ(model.codeTexts[39], "07D1F020");  // Combo Key4
    EXPECT_EQ(model.codeTexts[44], "00000000");  // Combo Key9, stale text cleared
}

}  // namespace
}  // namespace gm::image
