// Macro names as UTF-16BE, both ways.
#include "macros/macro_name.h"

#include <gtest/gtest.h>

#include "macros/pc_macros.h"

namespace gm::macros {
namespace {

image::MacroName nameOf(std::initializer_list<std::uint8_t> bytes) {
    image::MacroName name{};
    std::copy(bytes.begin(), bytes.end(), name.begin());
    return name;
}

TEST(MacroName, EncodesUtf16HighByteFirstPaddedWithZeros) {
    EXPECT_EQ(encodeMacroName("Go"), nameOf({0x00, 0x47, 0x00, 0x6F}));
    EXPECT_EQ(encodeMacroName("宏一"), nameOf({0x5B, 0x8F, 0x4E, 0x00}));
    EXPECT_EQ(decodeMacroName(encodeMacroName("宏一")), "宏一");
    EXPECT_EQ(decodeMacroName(encodeMacroName("ABCDEFGHIJ")), "ABCDEFGH");
}

TEST(MacroName, ACharacterOutsideTheBmpIsKeptWholeOrLeftOut) {
    const std::string face = "\xF0\x9F\x98\x80";  // U+1F600, two code units D83D DE00
    EXPECT_EQ(decodeMacroName(encodeMacroName("ABCDEF" + face)), "ABCDEF" + face);
    const image::MacroName seven = encodeMacroName("ABCDEFG" + face);
    EXPECT_EQ(decodeMacroName(seven), "ABCDEFG");
    EXPECT_EQ(seven[14], 0x00);  // no half pair in the last unit
    EXPECT_EQ(seven[15], 0x00);
}

TEST(MacroName, DecodingSkipsZeroUnitsAndReplacesWhatIsNotText) {
    EXPECT_EQ(decodeMacroName(nameOf({0x00, 0x41, 0x00, 0x00, 0x00, 0x42})), "AB");
    EXPECT_EQ(decodeMacroName(nameOf({0xD8, 0x3D, 0x00, 0x41})),
              "\xEF\xBF\xBD"
              "A");
    EXPECT_EQ(decodeMacroName(encodeMacroName("\xFF"
                                              "A")),
              "\xEF\xBF\xBD"
              "A");
}

TEST(MacroName, NamesTheMouseWouldReadAsAnEmptySlotAreNotNames) {
    EXPECT_TRUE(macroNameOf("Reload"));
    EXPECT_FALSE(macroNameOf(""));
    EXPECT_FALSE(
        macroNameOf("\xC3\xBF"
                    "x"));                      // U+00FF: 00 FF
    EXPECT_FALSE(macroNameOf("\xEF\xBC\x81"));  // U+FF01: FF 01
    EXPECT_FALSE(macroNameOf("123456789"));     // nine characters
    EXPECT_FALSE(macroNameOf("\xFF"));          // not UTF-8
    EXPECT_TRUE(macroNameOf("x\xC3\xBF"));      // only the first character matters
}

}  // namespace
}  // namespace gm::macros
