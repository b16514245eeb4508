#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/text/utf16.h"

namespace gm::ui::text {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kReplacement = "\xEF\xBF\xBD";

TEST(Utf16, DecodesAsciiChineseAndSurrogatePairs) {
    EXPECT_EQ(utf8FromUtf16Le(Bytes{}), "");
    EXPECT_EQ(utf8FromUtf16Le(Bytes{0x41, 0x00, 0x7E, 0x00}), "A~");
    EXPECT_EQ(utf8FromUtf16Le(Bytes{0xE9, 0x00}), "\xC3\xA9");                      // é
    EXPECT_EQ(utf8FromUtf16Le(Bytes{0xE6, 0x5D, 0x2E, 0x95}), "左键");              // U+5DE6 U+952E
    EXPECT_EQ(utf8FromUtf16Le(Bytes{0x3D, 0xD8, 0x00, 0xDE}), "\xF0\x9F\x98\x80");  // U+1F600
    EXPECT_EQ(utf8FromUtf16Le(Bytes{0xFF, 0xFE}), "\xEF\xBB\xBF");  // a mark is text here
}

TEST(Utf16, BrokenInputBecomesReplacementCharacters) {
    // A high surrogate at the end, before a plain character, and a lone low surrogate.
    EXPECT_EQ(utf8FromUtf16Le(Bytes{0x41, 0x00, 0x3D, 0xD8}), "A" + kReplacement);
    EXPECT_EQ(utf8FromUtf16Le(Bytes{0x3D, 0xD8, 0x41, 0x00}), kReplacement + "A");
    EXPECT_EQ(utf8FromUtf16Le(Bytes{0x00, 0xDE, 0x41, 0x00}), kReplacement + "A");
    EXPECT_EQ(utf8FromUtf16Le(Bytes{0x3D, 0xD8, 0x3D, 0xD8, 0x00, 0xDE}),
              kReplacement + "\xF0\x9F\x98\x80");
    // An odd byte at the end; a high surrogate whose partner would be cut by it.
    EXPECT_EQ(utf8FromUtf16Le(Bytes{0x41, 0x00, 0x42}), "A" + kReplacement);
    EXPECT_EQ(utf8FromUtf16Le(Bytes{0x3D, 0xD8, 0x00}), kReplacement + kReplacement);
    EXPECT_EQ(utf8FromUtf16Le(Bytes{0x42}), kReplacement);
}

TEST(Utf16, EncodesEveryValidTextAndBack) {
    for (const std::string text : {"", "Str001=Reset", "连发间隔(×1ms)", "\xF0\x9F\x98\x80 x",
                                   "\xEF\xBB\xBF\xF4\x8F\xBF\xBF"}) {
        const auto encoded = utf16LeFromUtf8(text);
        ASSERT_TRUE(encoded) << text;
        EXPECT_EQ(utf8FromUtf16Le(*encoded), text);
    }
    EXPECT_EQ(utf16LeFromUtf8("\xF0\x9F\x98\x80"), (Bytes{0x3D, 0xD8, 0x00, 0xDE}));
}

TEST(Utf16, RefusesInvalidUtf8) {
    for (const std::string bad : {
             "\x80",              // continuation byte without a lead
             "\xC3",              // lead byte at the end
             "\xE5\xB7",          // three-byte form cut short
             "\xE5\x41\x8E",      // a non-continuation inside
             "\xC0\x80",          // overlong NUL
             "\xE0\x80\xAF",      // overlong '/'
             "\xED\xA0\x80",      // a surrogate code point
             "\xF4\x90\x80\x80",  // above U+10FFFF
             "\xFF",
         }) {
        EXPECT_FALSE(utf16LeFromUtf8(bad)) << testing::PrintToString(bad);
    }
}

}  // namespace
}  // namespace gm::ui::text
