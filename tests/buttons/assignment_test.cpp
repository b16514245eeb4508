// Assigning functions to profile and combo keys, and what reaches the mouse.
#include "buttons/assignment.h"

#include <gtest/gtest.h>

#include "button_rig.h"
#include "image/check_byte.h"

namespace gm::buttons {
namespace {

using testing::ButtonRig;
using testing::Bytes;
using testing::code;

class Assignment : public ::testing::Test {
protected:
    ButtonRig b;
};

TEST_F(Assignment, PushSendsTheProfilesReReadsUserAndReArms) {
    const auto assigned = assignUserKey(b.rig.workspace, b.state, {1, 9}, code("0300E900"));
    ASSERT_TRUE(assigned.pushed.ok()) << device::messageOf(assigned.pushed).text;
    EXPECT_FALSE(assigned.refused);
    const std::uint8_t user0 = b.rig.mouse.eeprom()[164];
    EXPECT_EQ(b.commands(), (std::vector<Bytes>{
                                {0x40, 0x07, 0x00, 0xC0, 0x00, 0x93, 0x00, 0x00},
                                {0x40, 0x06, 0x00, 0xA4, 0x00, 0x1C, 0x00, 0x00},
                                {0x40, 0x05, 0x00, 0xA4, 0x0F, 0x00, 0x00, 0x01},
                                {0x40, 0x05, 0x00, 0xA4, user0, 0x00, 0x00, 0x01},
                            }));
    std::size_t dataOut = 0;
    for (const sim::SeenReport& report : b.rig.mouse.reports())
        dataOut += report.kind == device::ReportKind::SetFeature && report.bytes[0] == 0x41;
    EXPECT_EQ(dataOut, 21u);  // the 147 profile bytes, 7 a report
    EXPECT_EQ(b.mouseKey({1, 9}), code("0300E900"));
    EXPECT_EQ(b.modelKeyText({1, 9}), "0300E900");
    const image::Image eeprom = b.rig.mouse.eeprom();
    EXPECT_TRUE(image::hasValidCheckByte(std::span(eeprom).subspan(241, 49)));
}

TEST_F(Assignment, LastLeftClickOfProfileOneStays) {
    const auto refused = assignUserKey(b.rig.workspace, b.state, {0, 0}, code("01020000"));
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(b.modelKeyText({0, 0}), "01010000");
    EXPECT_TRUE(b.commands().empty());

    // Other profiles have no such rule; with two Left Clicks either may go.
    EXPECT_FALSE(assignUserKey(b.rig.workspace, b.state, {1, 0}, code("01020000")).refused);
    ASSERT_FALSE(assignUserKey(b.rig.workspace, b.state, {0, 11}, code("01010000")).refused);
    EXPECT_FALSE(assignUserKey(b.rig.workspace, b.state, {0, 0}, code("01020000")).refused);
    EXPECT_TRUE(assignUserKey(b.rig.workspace, b.state, {0, 11}, code("00000000")).refused);
    EXPECT_EQ(b.mouseKey({0, 11}), code("01010000"));
}

TEST_F(Assignment, RefusedPushFailsAndCaptionsShowWhatTheMouseHolds) {
    // The first profile chunk (Key1, Key2 of profile 1) is refused, the rest arrives.
    b.rig.mouse.refuseDataFrom(1);
    int chunks = 0;
    b.rig.presenter.onProgress = [&] {
        if (++chunks == 2)
            b.rig.mouse.clearFaults();
    };
    const auto assigned = assignEngineeringKey(b.rig.workspace, {0, 1}, code("01100000"));
    EXPECT_EQ(assigned.failure, device::Failure::TransferIncomplete);
    EXPECT_EQ(assigned.step, device::Step::WriteProfiles);
    // The mouse holds neither the old nor the asked tables; the captions follow it.
    EXPECT_NE(b.modelKeyText({0, 1}), "01100000");
    for (std::size_t p = 0; p < 3; ++p) {
        for (std::size_t k = 0; k < 12; ++k)
            EXPECT_EQ(b.modelKeyText({p, k}), image::codeTextOf(b.mouseKey({p, k})));
    }
}

TEST_F(Assignment, ReadBusySendsNothing) {
    b.rig.session.setReadBusy(true);
    ASSERT_TRUE(assignEngineeringKey(b.rig.workspace, {2, 3}, code("0C000000")).ok());
    EXPECT_TRUE(b.commands().empty());
    EXPECT_EQ(b.modelKeyText({2, 3}), "0C000000");
}

TEST_F(Assignment, ComboKeyWritesFourBytesAndTheVendorCheckByte) {
    ASSERT_TRUE(assignComboKey(b.rig.workspace, 4, code("0300CD00")).ok());
    const image::Image eeprom = b.rig.mouse.eeprom();
    EXPECT_EQ(Bytes(eeprom.begin() + 143, eeprom.begin() + 147), (Bytes{0x03, 0x00, 0xCD, 0x00}));
    EXPECT_TRUE(image::hasValidCheckByte(std::span(eeprom).subspan(0, 164)));
    EXPECT_EQ(b.rig.model.codeTexts[36 + 4], "0300CD00");
}

TEST_F(Assignment, ButtonEffectIsUserByteThree) {
    ASSERT_TRUE(setButtonEffect(b.rig.workspace, b.state, 1).ok());
    const image::Image held = b.rig.mouse.eeprom();
    EXPECT_EQ(held[167], 1);
    // The User check byte follows, or the next read rebuilds User from its defaults.
    const std::uint8_t check =
        image::checkByteOf(std::span<const std::uint8_t>(held).subspan(164, 27));
    EXPECT_EQ(held[191], check);
    EXPECT_EQ(b.commands(),
              (std::vector<Bytes>{{0x40, 0x05, 0x00, 0xA7, 0x01, 0x00, 0x00, 0x01},
                                  {0x40, 0x05, 0x00, 0xBF, check, 0x00, 0x00, 0x01}}));
}

}  // namespace
}  // namespace gm::buttons
