#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "image/check_byte.h"
#include "image/section_defaults.h"

namespace gm::image {
namespace {

struct LedCase {
    const char* ledType;
    std::uint8_t vendor5, vendor7, modeMask, userLed;
    std::array<std::uint8_t, 9> breath;
};

const LedCase kLedCases[] = {
    {"RGB", 0xFF, 0x7F, 0x3F, 0x05, {0x01, 0x00, 0x80, 0x00, 0x00, 0x64, 0x00, 0x64, 0x08}},
    {"Sync", 0x3F, 0xBF, 0x05, 0x42, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x6D, 0x60, 0x08}},
    {"NT", 0x3F, 0xCF, 0x37, 0xF5, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x00, 0x64, 0x08}},
    {"MCULED", 0x3F, 0xCF, 0x7F, 0x81, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x00, 0x64, 0x08}},
    {"", 0xFF, 0x7F, 0x3F, 0x05, {0x01, 0x00, 0x80, 0x00, 0x00, 0x64, 0x00, 0x64, 0x08}},
    {"rgb", 0xFF, 0x7F, 0x3F, 0x05, {0x01, 0x00, 0x80, 0x00, 0x00, 0x64, 0x00, 0x64, 0x08}},
};

ImageModel erasedModel(const char* ledType, int packageItem) {
    ImageModel model;
    model.ledTypeText = ledType;
    model.packageItem = packageItem;
    model.copies.vendor.fill(0xEE);
    model.copies.user.fill(0xEE);
    model.copies.profiles.fill(0xEE);
    return model;
}

TEST(SectionDefaults, VendorAndUserFollowTheLedType) {
    for (const LedCase& c : kLedCases) {
        SCOPED_TRACE(c.ledType);
        ImageModel model = erasedModel(c.ledType, 0);
        applySectionDefaults(Section::Vendor, model);
        applySectionDefaults(Section::User, model);
        const auto& v = model.copies.vendor;
        EXPECT_EQ(v[5], c.vendor5);
        EXPECT_EQ(v[7], c.vendor7);
        EXPECT_EQ(v[42], c.modeMask);
        EXPECT_TRUE(std::equal(c.breath.begin(), c.breath.end(), v.begin() + 48));
        EXPECT_EQ(model.copies.user[1], c.userLed);
        EXPECT_TRUE(hasValidCheckByte(v));
        EXPECT_TRUE(hasValidCheckByte(model.copies.user));
    }
}

TEST(SectionDefaults, VendorFixedBytes) {
    ImageModel model = erasedModel("RGB", 0);
    applySectionDefaults(Section::Vendor, model);
    const auto& v = model.copies.vendor;
    const std::array<std::uint8_t, 5> head{0x7A, 0x3E, 0x08, 0xB8, 0xBF};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), v.begin()));
    EXPECT_EQ(v[6], 0x7F);
    EXPECT_EQ(v[8], 0xAF);
    EXPECT_EQ(v[9], 0x20);
    EXPECT_EQ(v[39], 0x00);
    const std::array<std::uint8_t, 5> cpi{0x03, 0x64, 0x98, 0x00, 0x00};
    EXPECT_TRUE(std::equal(cpi.begin(), cpi.end(), v.begin() + 43));
    EXPECT_EQ(v[57], 0xFF);   // user colour 1 red
    EXPECT_EQ(v[61], 0x80);   // user colour 2 orange, green byte
    EXPECT_EQ(v[86], 0xFF);   // user colour 10 white
    EXPECT_EQ(v[88], 0xFF);   // level colour 1 green
    EXPECT_EQ(v[110], 0xFF);  // level colour 8 blue
    EXPECT_EQ(std::string(v.begin() + 111, v.begin() + 127), "HID Gaming mouse");
    std::array<std::uint8_t, 36> comboKeys{};
    comboKeys[8] = 0x08;  // Combo Key3 = 08 01 00 00
    comboKeys[9] = 0x01;
    EXPECT_TRUE(std::equal(comboKeys.begin(), comboKeys.end(), v.begin() + 127));
}

TEST(SectionDefaults, PackageDecidesLedInitBytesAndProfiles) {
    ImageModel model = erasedModel("RGB", 0);
    applySectionDefaults(Section::Vendor, model);
    EXPECT_EQ(model.copies.vendor[40], 0x06);
    EXPECT_EQ(model.copies.vendor[41], 0x87);

    model = erasedModel("RGB", 1);
    applySectionDefaults(Section::Vendor, model);
    EXPECT_EQ(model.copies.vendor[40], 0x10);
    EXPECT_EQ(model.copies.vendor[41], 0xE0);

    // No package chosen: bytes 40..41 and the profile keys stay as they were.
    model = erasedModel("RGB", -1);
    applySectionDefaults(Section::Vendor, model);
    applySectionDefaults(Section::Profile2, model);
    EXPECT_EQ(model.copies.vendor[40], 0xEE);
    EXPECT_EQ(model.copies.vendor[41], 0xEE);
    const auto profile2 = workingCopyOf(Section::Profile2, model.copies);
    EXPECT_TRUE(std::all_of(profile2.begin(), profile2.end() - 1,
                            [](std::uint8_t b) { return b == 0xEE; }));
    EXPECT_TRUE(hasValidCheckByte(profile2));
}

TEST(SectionDefaults, SyncLeavesTheColourBytes) {
    ImageModel model = erasedModel("Sync", 0);
    applySectionDefaults(Section::Vendor, model);
    for (std::size_t i = 57; i <= 110; ++i)
        EXPECT_EQ(model.copies.vendor[i], 0xEE) << i;
}

TEST(SectionDefaults, UserAndProfileTables) {
    ImageModel model = erasedModel("MCULED", 1);
    applySectionDefaults(Section::User, model);
    const auto& u = model.copies.user;
    EXPECT_EQ(u[0], 0x00);
    EXPECT_EQ(u[2], 0x01);
    EXPECT_EQ(u[3], 0x01);
    EXPECT_TRUE(std::all_of(u.begin() + 4, u.begin() + 27, [](std::uint8_t b) { return b == 0; }));

    applySectionDefaults(Section::Profile3, model);
    const auto p3 = workingCopyOf(Section::Profile3, model.copies);
    const std::array<std::uint8_t, 48> keys{
        0x01, 0x01, 0x00, 0x00, 0x01, 0x08, 0x00, 0x00, 0x06, 0x12, 0x00, 0x10,
        0x01, 0x02, 0x00, 0x00, 0x01, 0x10, 0x00, 0x00, 0x02, 0x08, 0x07, 0x00,
        0x01, 0x04, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_TRUE(std::equal(keys.begin(), keys.end(), p3.begin()));
    EXPECT_TRUE(hasValidCheckByte(p3));
    // The other profiles are not touched.
    EXPECT_EQ(workingCopyOf(Section::Profile1, model.copies)[0], 0xEE);
}

TEST(SectionDefaults, FireKeyArea) {
    const std::array<std::uint8_t, 12> expected{0xFF, 0xFF, 0x01, 0x00, 0x3C, 0x03,
                                                0x00, 0x78, 0x07, 0x00, 0xC8, 0xE0};
    EXPECT_EQ(fireKeyAreaDefaults(), expected);
}

}  // namespace
}  // namespace gm::image
