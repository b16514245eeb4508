#include "settings/profile_page.h"

#include <gtest/gtest.h>

#include "image/check_byte.h"

#include "session_rig.h"

namespace gm::settings {
namespace {

using device::session::testing::SessionRig;

std::uint8_t user(const std::array<UserByteWrite, 5>& writes, std::uint8_t offset) {
    for (const UserByteWrite& write : writes) {
        if (write.userOffset == offset)
            return write.value;
    }
    ADD_FAILURE() << "no write at User " << int{offset};
    return 0;
}

TEST(ActiveProfileWrites, AreSentInTheOrderThreeFourFiveSixZero) {
    const auto writes = activeProfileWrites({.profile = 2});
    std::vector<int> order;
    for (const UserByteWrite& write : writes)
        order.push_back(write.userOffset);
    EXPECT_EQ(order, (std::vector<int>{3, 4, 5, 6, 0}));
}

TEST(ActiveProfileWrites, ProfileTwoWithGunDisplayOnlyWritesFourAndFixedColourWhateverTheColour) {
    for (int colour = 0; colour <= kFixedColourItem; ++colour) {
        const auto writes = activeProfileWrites({.profile = 1,
                                                 .buttonEffect = false,
                                                 .gunDisplay = true,
                                                 .effectItem = 2,
                                                 .colourItem = colour});
        EXPECT_EQ(user(writes, 3), 4);
        EXPECT_EQ(user(writes, 4), 15);
        EXPECT_EQ(user(writes, 5), 0);
        EXPECT_EQ(user(writes, 6), 0x18);
        EXPECT_EQ(user(writes, 0), 0xF1) << "colour item " << colour;
    }
}

TEST(ActiveProfileWrites, EffectByteFollowsButtonEffectAndGunDisplay) {
    const auto effectOn = [](int profile, bool be, bool gd) {
        return user(
            activeProfileWrites(
                {.profile = profile, .buttonEffect = be, .gunDisplay = gd, .effectItem = 1}),
            3);
    };
    EXPECT_EQ(effectOn(1, true, true), 5);
    EXPECT_EQ(effectOn(1, true, false), 1);
    EXPECT_EQ(effectOn(1, false, false), 0);
    for (int profile : {0, 2}) {
        EXPECT_EQ(effectOn(profile, true, true), 1);
        EXPECT_EQ(effectOn(profile, false, true), 0);
    }
}

TEST(ActiveProfileWrites, ProfileByteCarriesColourAndProfile) {
    EXPECT_EQ(user(activeProfileWrites({.profile = 2, .colourItem = 3}), 0), 0x32);
    EXPECT_EQ(user(activeProfileWrites({.profile = 0, .colourItem = 9}), 0), 0x90);
    EXPECT_EQ(user(activeProfileWrites({.profile = 1, .colourItem = 9}), 0), 0x91);
    EXPECT_EQ(user(activeProfileWrites({.profile = 0, .colourItem = kFixedColourItem}), 0), 0xF0);
    EXPECT_EQ(user(activeProfileWrites({.profile = 2, .colourItem = kFixedColourItem}), 0), 0xF2);
    // A page or colour out of range never writes a profile number or colour code the mouse
    // does not have.
    EXPECT_EQ(user(activeProfileWrites({.profile = 7, .colourItem = 3}), 0), 0x30);
    EXPECT_EQ(user(activeProfileWrites({.profile = 2, .colourItem = 12}), 0), 0x02);
}

TEST(ColourItemOfActiveProfileByte, ReadsTheColourCodeBack) {
    EXPECT_EQ(colourItemOfActiveProfileByte(0x32), 3);
    EXPECT_EQ(colourItemOfActiveProfileByte(0xF1), kFixedColourItem);
    EXPECT_EQ(colourItemOfActiveProfileByte(0xB0), 0);
}

struct WriteActiveProfileTest : ::testing::Test {
    WriteActiveProfileTest() { rig.connect(); }
    std::vector<std::vector<std::uint8_t>> liveWrites() const {
        return rig.commands(device::command::kLiveWrite);
    }
    SessionRig rig;
};

TEST_F(WriteActiveProfileTest, LandsInTheMouseAndTheWorkingCopy) {
    const device::Result result = writeActiveProfile(
        rig.workspace, {.profile = 1, .buttonEffect = false, .gunDisplay = true});
    ASSERT_TRUE(result.ok()) << device::messageOf(result).text;
    // User 3, 4, 5, 6 and 0, then the User check byte, so the next read keeps the section.
    EXPECT_EQ(liveWrites().size(), 6u);
    const image::Image eeprom = rig.mouse.eeprom();
    EXPECT_TRUE(image::hasValidCheckByte(std::span(eeprom).subspan(164, 28)));
    EXPECT_EQ(eeprom[164 + 3], 4);
    EXPECT_EQ(eeprom[164 + 0], 0xF1);
    EXPECT_EQ(rig.model.copies.user[0], 0xF1);
    EXPECT_EQ(rig.model.buffer[164], 0xF1);
}

TEST_F(WriteActiveProfileTest, SendsNothingWhileAnotherOperationRuns) {
    // A click handled while another operation calls out to the window.
    const auto operation = rig.guard().tryEnter();
    ASSERT_TRUE(operation);
    device::Result result;
    rig.guard().callOut([&] { result = writeActiveProfile(rig.workspace, {.profile = 2}); });
    EXPECT_EQ(result.failure, device::Failure::Busy);
    EXPECT_TRUE(liveWrites().empty());
}

TEST_F(WriteActiveProfileTest, ARefusedWriteIsNamedAndNotKept) {
    rig.model.copies.user[0] = 0x00;
    rig.mouse.refuseCommands(true);
    const device::Result result =
        writeActiveProfile(rig.workspace, {.profile = 2, .colourItem = 3});
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.step, device::Step::LiveWrite);
    EXPECT_EQ(result.refused, 5) << result.detail;
    EXPECT_EQ(result.detail, "User 3, 4, 5, 6, 0");
    EXPECT_EQ(rig.model.copies.user[0], 0x00);
}

}  // namespace
}  // namespace gm::settings
