#include "image/files/profile_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace gm::image::files {
namespace {

using gm::testing::TempFolder;

std::vector<std::uint8_t> profileBytes(std::size_t size, std::uint8_t marker = kMarker) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    if (size > kMarkerOffset)
        bytes[kMarkerOffset] = marker;
    return bytes;
}

TEST(ProfileSaveName, AddsTheExtensionOnlyWhenMissing) {
    EXPECT_EQ(profileSaveName("NAME"), "NAME.bin");
    EXPECT_EQ(profileSaveName("dir/NAME.bin"), "dir/NAME.bin");
    EXPECT_EQ(profileSaveName("NAME.BIN"), "NAME.BIN");
    EXPECT_EQ(profileSaveName("dir.bin/NAME"), "dir.bin/NAME.bin");
    EXPECT_EQ(profileSaveName("NAME.txt"), "NAME.txt.bin");
    EXPECT_EQ(profileSaveName("bin"), "bin.bin");
}

TEST(ProfileFile, AcceptsOnlyTheMarkerE0) {
    TempFolder temp;
    const auto good = readProfileFile(temp.write("good.bin", profileBytes(kImageSize)));
    ASSERT_TRUE(good.ok());
    EXPECT_TRUE(hasProfileMarker(good));
    EXPECT_FALSE(good.shorter());
    EXPECT_FALSE(good.longer);

    const auto bad = readProfileFile(temp.write("bad.bin", profileBytes(kImageSize, 0xE1)));
    ASSERT_TRUE(bad.ok());
    EXPECT_FALSE(hasProfileMarker(bad));

    // A file that ends before byte 495 has no marker at all.
    const auto tiny = readProfileFile(temp.write("tiny.bin", profileBytes(kMarkerOffset)));
    EXPECT_FALSE(hasProfileMarker(tiny));

    const auto missing = readProfileFile(temp.path() / "missing.bin");
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.error.find("missing.bin"), std::string::npos);
}

TEST(ProfileFile, AShortFileKeepsTheRestOfTheBufferAndSaysSo) {
    TempFolder temp;
    const auto path = temp.write("short.bin", profileBytes(600));
    const auto file = readProfileFile(path);
    ASSERT_TRUE(hasProfileMarker(file));
    EXPECT_TRUE(file.shorter());

    Image buffer;
    buffer.fill(0xAB);
    applySizedFile(file, buffer);
    EXPECT_EQ(buffer[599], static_cast<std::uint8_t>(599 * 7));
    EXPECT_EQ(buffer[600], 0xAB);
    EXPECT_EQ(buffer[kImageSize - 1], 0xAB);
    const std::string note = sizeNote(path, file, "image");
    EXPECT_NE(note.find("600 of 2048"), std::string::npos) << note;
    EXPECT_NE(note.find("600..2047"), std::string::npos) << note;
}

TEST(ProfileFile, ALongerFileLoadsOnlyItsFirstImageAndSaysSo) {
    TempFolder temp;
    auto bytes = profileBytes(kImageSize + 100);
    const auto path = temp.write("long.bin", bytes);
    const auto file = readProfileFile(path);
    ASSERT_TRUE(hasProfileMarker(file));
    EXPECT_TRUE(file.longer);
    ASSERT_EQ(file.bytes.size(), kImageSize);

    Image buffer{};
    applySizedFile(file, buffer);
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.end(), bytes.begin()));
    EXPECT_NE(sizeNote(path, file, "image").find("only its first 2048"), std::string::npos);
    EXPECT_TRUE(sizeNote(path, readProfileFile(temp.write("x", profileBytes(kImageSize))), "image")
                    .empty());
}

}  // namespace
}  // namespace gm::image::files
