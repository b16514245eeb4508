#include "image/files/patch_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "support/temp_folder.h"

namespace gm::image::files {
namespace {

using gm::testing::TempFolder;

constexpr std::size_t k4210AArea = 784;

// A header giving `length` followed by `codeBytes` code bytes of value 0x11.
std::vector<std::uint8_t> patchBytes(std::uint16_t length, std::size_t codeBytes) {
    const std::array<std::uint8_t, 16> header{0x04,
                                              0x00,
                                              static_cast<std::uint8_t>(length >> 8),
                                              static_cast<std::uint8_t>(length & 0xFF),
                                              0x00,
                                              0x1A,
                                              0x12,
                                              0x34,
                                              1,
                                              2,
                                              3,
                                              4,
                                              5,
                                              6,
                                              7,
                                              8};
    std::vector<std::uint8_t> bytes(header.size() + codeBytes, 0x11);
    std::copy(header.begin(), header.end(), bytes.begin());
    return bytes;
}

TEST(PatchFile, FillsThePatchAreaPastTheFileWithFF) {
    TempFolder temp;
    const auto patch = readPatchFile(temp.write("p.bin", patchBytes(736, 740)), k4210AArea);
    ASSERT_TRUE(patch.ok()) << patch.error;
    ASSERT_EQ(patch.code.size(), k4210AArea);
    EXPECT_EQ(patch.code[739], 0x11);
    EXPECT_EQ(patch.code[740], 0xFF);
    EXPECT_EQ(patch.code[783], 0xFF);
    EXPECT_EQ(patchLengthOf(patch.header), 736);
    EXPECT_TRUE(patch.note.empty());
}

TEST(PatchFile, RefusesFilesThatDoNotHoldWhatTheirHeaderSays) {
    TempFolder temp;
    const auto tooShort =
        readPatchFile(temp.write("a.bin", std::vector<std::uint8_t>(15, 4)), k4210AArea);
    EXPECT_FALSE(tooShort.ok());
    EXPECT_NE(tooShort.error.find("16-byte"), std::string::npos) << tooShort.error;

    const auto tooLong = readPatchFile(temp.write("b.bin", patchBytes(785, 785)), k4210AArea);
    EXPECT_FALSE(tooLong.ok());
    EXPECT_NE(tooLong.error.find("785"), std::string::npos) << tooLong.error;
    // The 4230A's area is 512: a 4210A-sized patch does not fit it.
    EXPECT_FALSE(readPatchFile(temp.write("c.bin", patchBytes(736, 736)), 512).ok());

    const auto truncated = readPatchFile(temp.write("d.bin", patchBytes(736, 700)), k4210AArea);
    EXPECT_FALSE(truncated.ok());
    EXPECT_NE(truncated.error.find("only 700"), std::string::npos) << truncated.error;

    EXPECT_FALSE(readPatchFile(temp.path() / "none.bin", k4210AArea).ok());
}

TEST(PatchFile, SaysWhenBytesPastTheAreaAreIgnored) {
    TempFolder temp;
    const auto patch = readPatchFile(temp.write("p.bin", patchBytes(736, 900)), k4210AArea);
    ASSERT_TRUE(patch.ok());
    EXPECT_FALSE(patch.note.empty());
    EXPECT_EQ(patch.code[783], 0x11);
}

}  // namespace
}  // namespace gm::image::files
