#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/text/layout_table.h"

namespace gm::ui::text {
namespace {

std::vector<std::uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(LayoutTable, ReadsDecimalValuesOfItsLanguagesSection) {
    const auto stored = bytesOf(
        "; Reset & Exit Button\r\n"
        "[org2]\r\n"
        "Btn_Exit_1_X=940\r\n"
        "// Btn_Exit_1_Y=3\r\n"
        ";Btn_B2_Enable=1\r\n"
        "Btn_B3_Enable=0\r\n"
        "Key1_Y=-4\r\n"
        "Size_A=\r\n"
        "Color_A_R=ff\r\n"
        "[org1]\r\n"
        "Key2_X=5\r\n");
    const LayoutTable layout(stored, Language::Chinese);
    EXPECT_EQ(layout.intValue("Btn_Exit_1_X"), 940);
    EXPECT_EQ(layout.intValue("Btn_B3_Enable"), 0);
    EXPECT_EQ(layout.intValue("Key1_Y"), -4);
    // Commented, empty, non-decimal and other sections' keys are absent.
    EXPECT_FALSE(layout.intValue("Btn_Exit_1_Y"));
    EXPECT_FALSE(layout.intValue("Btn_B2_Enable"));
    EXPECT_FALSE(layout.intValue("Size_A"));
    EXPECT_FALSE(layout.intValue("Color_A_R"));
    EXPECT_FALSE(layout.intValue("Key2_X"));
    EXPECT_EQ(LayoutTable(stored, Language::English).intValue("Key2_X"), 5);
    EXPECT_EQ(LayoutTable(stored, Language::NeutralEnglish).size(), 0u);
}

TEST(LayoutTable, EightBitTextIsReadAsBytes) {
    const auto stored = bytesOf("[org1]\nName\xB0=1\nKey1_X=12\n\x00\xFF\n");
    EXPECT_EQ(LayoutTable(stored, Language::English).intValue("Key1_X"), 12);
}

}  // namespace
}  // namespace gm::ui::text
