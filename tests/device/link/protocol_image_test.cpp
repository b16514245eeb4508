// The transfer patterns of the editor: whole-image read and write, and the profile push.

#include <algorithm>

#include "image/check_byte.h"
#include "protocol_test_fixture.h"

namespace gm::device::test {
namespace {

using ImageTransfer = ProtocolTest;

TEST_F(ImageTransfer, WholeImageReadIs293ReportsWithProgress) {
    mouse.loadEeprom(patternedImage());
    image::ImageModel model;

    ASSERT_TRUE(protocol.readImage(model));

    EXPECT_EQ(commands(), (std::vector<Bytes>{{0x40, 0x09, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00}}));
    EXPECT_EQ(dataReports().size(), 293u);
    EXPECT_EQ(model.buffer, mouse.eeprom());
    ASSERT_EQ(presenter.events.size(), 293u);
    EXPECT_EQ(presenter.events.front(), "show 0/293");
    EXPECT_EQ(presenter.events.back(), "show 292/293");
}

TEST_F(ImageTransfer, WrittenImageReadsBackUnchanged) {
    image::ImageModel written;
    written.buffer = patternedImage();
    ASSERT_TRUE(protocol.writeImage(written));
    EXPECT_EQ(commands(), (std::vector<Bytes>{{0x40, 0x07, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00}}));
    EXPECT_EQ(dataReports().size(), 293u);

    image::ImageModel read;
    ASSERT_TRUE(protocol.readImage(read));
    EXPECT_EQ(read.buffer, written.buffer);
}

class ProfilePush : public ProtocolTest {
protected:
    void SetUp() override {
        ProtocolTest::SetUp();
        mouse.loadEeprom(patternedImage());
        for (std::size_t i = 0; i < model.copies.profiles.size(); ++i) {
            model.copies.profiles[i] = static_cast<std::uint8_t>(0x80 + i);
        }
        model.copies.fireKeys.fill(0x3C);
        model.copies.user.fill(0x11);
    }

    image::ImageModel model;
};

TEST_F(ProfilePush, SendsProfilesFireKeysUserReReadAndReArm) {
    ASSERT_TRUE(protocol.pushProfiles(model, true));

    const image::Image eeprom = mouse.eeprom();
    const std::uint8_t userByte0 = eeprom[164];
    EXPECT_EQ(commands(), (std::vector<Bytes>{
                              {0x40, 0x07, 0x00, 0xC0, 0x00, 0x93, 0x00, 0x00},
                              {0x40, 0x07, 0x01, 0xE4, 0x00, 0x0C, 0x00, 0x00},
                              {0x40, 0x06, 0x00, 0xA4, 0x00, 0x1C, 0x00, 0x00},
                              {0x40, 0x05, 0x00, 0xA4, 0x0F, 0x00, 0x00, 0x01},
                              {0x40, 0x05, 0x00, 0xA4, userByte0, 0x00, 0x00, 0x01},
                          }));
    // 21 profile chunks and 2 fire key chunks out, 4 User chunks in.
    EXPECT_EQ(dataReports().size(), 21u + 2u + 4u);

    for (std::size_t p = 0; p < 3; ++p) {
        const auto section = std::span(model.copies.profiles).subspan(p * 49, 49);
        EXPECT_TRUE(image::hasValidCheckByte(section)) << "profile " << p + 1;
    }
    EXPECT_TRUE(std::equal(model.copies.profiles.begin(), model.copies.profiles.end(),
                           eeprom.begin() + 192));
    EXPECT_TRUE(std::equal(model.copies.fireKeys.begin(), model.copies.fireKeys.end(),
                           eeprom.begin() + 484));
    EXPECT_TRUE(
        std::equal(model.copies.user.begin(), model.copies.user.end(), eeprom.begin() + 164));
}

TEST_F(ProfilePush, WithoutFireKeysLeavesThatAreaAlone) {
    const image::Image before = mouse.eeprom();
    ASSERT_TRUE(protocol.pushProfiles(model, false));
    EXPECT_EQ(commands().size(), 4u);
    const image::Image after = mouse.eeprom();
    EXPECT_TRUE(std::equal(before.begin() + 484, before.begin() + 496, after.begin() + 484));
}

TEST_F(ProfilePush, IncompleteUserReReadKeepsTheWorkingCopyAndSendsNoReArm) {
    // 21 profile chunks go through; the User re-read loses its last data report.
    mouse.refuseDataFrom(21 + 4);
    EXPECT_FALSE(protocol.pushProfiles(model, false));

    EXPECT_TRUE(std::ranges::all_of(model.copies.user, [](std::uint8_t b) { return b == 0x11; }));
    EXPECT_EQ(commands().size(), 2u) << "no live write may carry a made-up User byte 0";
}

TEST_F(ProfilePush, RefusedBlockWriteStopsThePush) {
    mouse.refuseCommands(true);
    EXPECT_FALSE(protocol.pushProfiles(model, true));
    EXPECT_EQ(seen().size(), 1u);
}

}  // namespace
}  // namespace gm::device::test
