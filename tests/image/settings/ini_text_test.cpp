#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/settings/ini_text.h"

namespace gm::image::settings {
namespace {

TEST(IniText, ReadsOnlyTheNamedSectionWhateverTheLineEnds) {
    const IniText ini = IniText::parse(
        "Before=ignored\r\n[org]\r\nWeb_X=9400\nWeb_Y=9016\r[other]\r\nWeb_X=1\r\n[Org]\nPath=x");
    const IniSection org = ini.section("ORG");
    EXPECT_EQ(org.text("Web_X"), "9400");
    EXPECT_EQ(org.text("web_y"), "9016");
    EXPECT_EQ(org.text("Path"), "x");  // a second header of the same section adds to it
    EXPECT_FALSE(org.value("Before"));
    EXPECT_EQ(ini.section("other").text("Web_X"), "1");
    EXPECT_EQ(org.size(), 3u);
}

TEST(IniText, CommentsBlanksAndMalformedLines) {
    const IniSection section = IniText::parse(
                                   "[s]\n"
                                   "; Key=comment\n"
                                   "  // Other=comment\n"
                                   "  Spaced  =  a value  \n"
                                   "Equals=a=b\n"
                                   "Empty=\n"
                                   "no equals sign\n"
                                   "=no key\n"
                                   "[unclosed\n"
                                   "Still=in s\n")
                                   .section("s");
    EXPECT_FALSE(section.value("Key"));
    EXPECT_FALSE(section.value("Other"));
    EXPECT_EQ(section.text("Spaced"), "a value");
    EXPECT_EQ(section.text("Equals"), "a=b");
    EXPECT_EQ(section.value("Empty"), "");
    EXPECT_EQ(section.text("Still"), "in s");
    EXPECT_EQ(section.size(), 4u);
}

TEST(IniText, FirstOfTwoEqualKeysCounts) {
    const IniSection section = IniText::parse("[s]\nKey=first\nKEY=second\n").section("s");
    EXPECT_EQ(section.text("key"), "first");
    EXPECT_EQ(section.size(), 1u);
}

TEST(IniText, AbsentSectionReadsEveryKeyAsAbsent) {
    const IniSection section = IniText::parse("[a]\nKey=1\n").section("b");
    EXPECT_TRUE(section.empty());
    EXPECT_EQ(section.text("Key"), "");
    EXPECT_FALSE(section.intValue("Key"));
    EXPECT_TRUE(IniText::parse("").section("a").empty());
}

TEST(IniText, LinesGivenApartKeepLineBreaksInTheirValues) {
    const std::vector<std::string> lines{"[lang1]", "Str100=first\r\nsecond", "Str101="};
    const IniSection section = IniText::parseLines(lines).section("lang1");
    EXPECT_EQ(section.text("Str100"), "first\r\nsecond");
    EXPECT_EQ(section.value("Str101"), "");
}

TEST(IniText, IntegersAreDecimalWithAnOptionalSign) {
    EXPECT_EQ(parseDecimal("9400"), 9400);
    EXPECT_EQ(parseDecimal("-1"), -1);
    EXPECT_EQ(parseDecimal("+7"), 7);
    EXPECT_EQ(parseDecimal("007"), 7);
    for (const char* bad : {"", "+", "-", "+-1", "1x", "0x10", "1.5", " 1", "99999999999"})
        EXPECT_FALSE(parseDecimal(bad)) << bad;
    const IniSection section = IniText::parse("[s]\nN= 12 \nWord=abc\n").section("s");
    EXPECT_EQ(section.intValue("N"), 12);
    EXPECT_FALSE(section.intValue("Word"));
    EXPECT_FALSE(section.intValue("Absent"));
}

}  // namespace
}  // namespace gm::image::settings
