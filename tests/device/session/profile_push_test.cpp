#include "device/session/profile_push.h"

#include <gtest/gtest.h>

#include "image/check_byte.h"
#include "session_rig.h"
#include "support/seen_commands.h"

namespace gm::device::session {
namespace {

using testing::SessionRig;
using Bytes = std::vector<std::uint8_t>;

class ProfilePush : public ::testing::Test {
protected:
    void SetUp() override {
        rig.connect();
        for (std::size_t i = 0; i < rig.model.copies.profiles.size(); ++i)
            rig.model.copies.profiles[i] = static_cast<std::uint8_t>(0x80 + i);
        rig.model.copies.fireKeys.fill(0x3C);
        rig.model.copies.user.fill(0x11);
    }

    std::vector<Bytes> commands() const { return gm::testing::commandReports(rig.mouse); }
    std::size_t dataReports() const { return gm::testing::dataReports(rig.mouse).size(); }

    SessionRig rig;
};

TEST_F(ProfilePush, SendsProfilesFireKeysUserReReadAndReArm) {
    const Result result = pushProfiles(rig.workspace, FireKeys::Written);
    ASSERT_TRUE(result.ok()) << messageOf(result).text;

    const image::Image eeprom = rig.mouse.eeprom();
    const std::uint8_t userByte0 = eeprom[164];
    EXPECT_EQ(commands(), (std::vector<Bytes>{
                              {0x40, 0x07, 0x00, 0xC0, 0x00, 0x93, 0x00, 0x00},
                              {0x40, 0x07, 0x01, 0xE4, 0x00, 0x0C, 0x00, 0x00},
                              {0x40, 0x06, 0x00, 0xA4, 0x00, 0x1C, 0x00, 0x00},
                              {0x40, 0x05, 0x00, 0xA4, 0x0F, 0x00, 0x00, 0x01},
                              {0x40, 0x05, 0x00, 0xA4, userByte0, 0x00, 0x00, 0x01},
                          }));
    // 21 profile chunks (147 bytes) and 2 fire key chunks out, 4 User chunks in.
    EXPECT_EQ(dataReports(), 21u + 2u + 4u);
    for (std::size_t p = 0; p < 3; ++p) {
        const auto section = std::span(rig.model.copies.profiles).subspan(p * 49, 49);
        EXPECT_TRUE(image::hasValidCheckByte(section)) << "profile " << p + 1;
    }
    EXPECT_TRUE(std::equal(rig.model.copies.profiles.begin(), rig.model.copies.profiles.end(),
                           eeprom.begin() + 192));
    EXPECT_TRUE(std::equal(rig.model.copies.user.begin(), rig.model.copies.user.end(),
                           eeprom.begin() + 164));
}

TEST_F(ProfilePush, WithoutFireKeysLeavesThatAreaAlone) {
    const image::Image before = rig.mouse.eeprom();
    ASSERT_TRUE(pushProfiles(rig.workspace, FireKeys::Kept).ok());
    EXPECT_EQ(commands().size(), 4u);
    const image::Image after = rig.mouse.eeprom();
    EXPECT_TRUE(std::equal(before.begin() + 484, before.begin() + 496, after.begin() + 484));
}

TEST_F(ProfilePush, ARefusedProfileReportFailsButTheSequenceGoesOn) {
    rig.mouse.refuseDataFrom(5);
    const Result result = pushProfiles(rig.workspace, FireKeys::Kept);
    EXPECT_EQ(result.failure, Failure::TransferIncomplete);
    EXPECT_EQ(result.step, Step::WriteProfiles);
    EXPECT_NE(messageOf(result).text.find("writing the key tables"), std::string::npos);
    // The mouse still gets the whole sequence up to the User re-read, which loses its reports
    // too: no re-arm may then carry a made-up User byte 0.
    EXPECT_EQ(commands().size(), 2u);
    EXPECT_TRUE(
        std::ranges::all_of(rig.model.copies.user, [](std::uint8_t b) { return b == 0x11; }));
}

TEST_F(ProfilePush, IncompleteUserReReadKeepsTheWorkingCopyAndSendsNoReArm) {
    rig.mouse.refuseDataFrom(21 + 4);
    const Result result = pushProfiles(rig.workspace, FireKeys::Kept);
    EXPECT_EQ(result.step, Step::ReadUser);
    EXPECT_TRUE(
        std::ranges::all_of(rig.model.copies.user, [](std::uint8_t b) { return b == 0x11; }));
    EXPECT_EQ(commands().size(), 2u) << "no live write may carry a made-up User byte 0";
}

TEST_F(ProfilePush, RefusedBlockWriteStopsThePush) {
    rig.mouse.refuseCommands(true);
    EXPECT_EQ(pushProfiles(rig.workspace, FireKeys::Written).failure, Failure::CommandRefused);
    EXPECT_EQ(rig.mouse.reports().size(), 1u);
}

}  // namespace
}  // namespace gm::device::session
