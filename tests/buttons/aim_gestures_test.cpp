// The AIM level spread, the game-mode and light-mode gestures, masks and toggles.
#include <gtest/gtest.h>

#include "button_rig.h"
#include "buttons/aim_key.h"
#include "buttons/assignment.h"
#include "buttons/gestures.h"

namespace gm::buttons {
namespace {

using testing::ButtonRig;
using testing::code;

class AimAndGestures : public ::testing::Test {
protected:
    image::KeyCode combo(std::size_t slot) const {
        const image::Image eeprom = b.rig.mouse.eeprom();
        const std::size_t at = 127 + slot * 4;
        return {eeprom[at], eeprom[at + 1], eeprom[at + 2], eeprom[at + 3]};
    }
    ButtonRig b;
};

TEST_F(AimAndGestures, AimLevelSpreadsToEveryAimButton) {
    ASSERT_TRUE(assignEngineeringKey(b.rig.workspace, {0, 10}, code("05000000")).ok());
    ASSERT_TRUE(assignEngineeringKey(b.rig.workspace, {2, 9}, code("050B0000")).ok());
    const AimSpread spread =
        spreadAimLevel(b.rig.workspace, b.state, *aimLevelOfCpi(600), AimPage::User);
    ASSERT_TRUE(spread.pushed.ok());
    EXPECT_FALSE(spread.noAimKey);
    EXPECT_EQ(b.mouseKey({0, 10}), code("05020000"));
    EXPECT_EQ(b.mouseKey({2, 9}), code("05020000"));
}

TEST_F(AimAndGestures, WithoutAimButtonEachPageSaysSo) {
    b.state.aimLevel = 5;
    const AimSpread engineering = spreadAimLevel(b.rig.workspace, b.state, 3, AimPage::Engineering);
    EXPECT_TRUE(engineering.noAimKey);
    EXPECT_EQ(b.state.aimLevel, 5);
    EXPECT_TRUE(b.rig.presenter.saw("Profile1 to Profile3"));
    spreadAimLevel(b.rig.workspace, b.state, 3, AimPage::User);
    EXPECT_EQ(b.state.aimLevel, 1);
    EXPECT_TRUE(b.rig.presenter.saw("Str105"));
    EXPECT_TRUE(b.commands().empty());
}

TEST_F(AimAndGestures, GameGestureItemsPlaceMasksAndSlots) {
    b.state.offset = 0x18;
    // The game-mode items alone: the factory light-mode gesture, which would keep Combo Key2
    // through the hold items, is off.
    ASSERT_TRUE(applyLightGesture(b.rig.workspace, b.state, false).ok());
    struct Case {
        int item;
        std::size_t slot;  // the combo slot that switches to game mode
        KeyRef masked;     // the factory button that gets the mask
        image::KeyCode maskedCode;
    };
    const Case cases[] = {
        {1, 3, {0, 6}, code("01040008")}, {2, 3, {0, 7}, code("09000008")},
        {3, 3, {0, 5}, code("09010008")}, {4, 3, {0, 8}, code("09020008")},
        {5, 1, {0, 1}, code("01080002")}, {6, 1, {0, 4}, code("01100002")},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(applyGameGesture(b.rig.workspace, b.state, c.item).ok()) << c.item;
        EXPECT_EQ(combo(c.slot), code("07D1F018")) << c.item;
        EXPECT_EQ(combo(c.slot == 1 ? 3 : 1), code("00000000")) << c.item;
        EXPECT_EQ(b.mouseKey(c.masked), c.maskedCode) << c.item;
    }
    // Item 6 took the mask off the back button.
    EXPECT_EQ(b.mouseKey({1, 1}), code("01080000"));

    ASSERT_TRUE(applyGameGesture(b.rig.workspace, b.state, 0).ok());
    EXPECT_EQ(combo(1), code("00000000"));
    EXPECT_EQ(combo(3), code("00000000"));
    for (std::size_t p = 0; p < 3; ++p) {
        for (std::size_t k = 0; k < 12; ++k) {
            const image::KeyCode held = b.mouseKey({p, k});
            if (held[0] == 0x01 || held[0] == 0x09) {
                EXPECT_EQ(held[3], 0) << p << " " << k;
            }
        }
    }

    refreshButtonState(b.rig.model, b.state);
    EXPECT_EQ(b.state.gestureItem, 0);
}

TEST_F(AimAndGestures, GestureIsRebuiltFromTheImage) {
    ASSERT_TRUE(applyGameGesture(b.rig.workspace, b.state, 3).ok());
    ButtonState fresh;
    refreshButtonState(b.rig.model, fresh);
    EXPECT_EQ(fresh.gestureItem, 3);
}

TEST_F(AimAndGestures, RightChordGestureTurnsTheLightGestureOff) {
    ASSERT_TRUE(applyLightGesture(b.rig.workspace, b.state, true).ok());
    EXPECT_EQ(combo(1), code("0E000000"));
    ASSERT_TRUE(applyGameGesture(b.rig.workspace, b.state, 5).ok());
    EXPECT_FALSE(b.state.lightModeGesture);
    EXPECT_EQ(combo(1), code("07D1F018"));
}

TEST_F(AimAndGestures, GesturesExcludeEachOtherOnlyWhereTheyShareComboKeyTwo) {
    ASSERT_TRUE(applyLightGesture(b.rig.workspace, b.state, true).ok());
    // A hold gesture lives in Combo Key4: the light-mode gesture stays, and both read back.
    ASSERT_TRUE(applyGameGesture(b.rig.workspace, b.state, 1).ok());
    EXPECT_EQ(combo(1), code("0E000000"));
    EXPECT_EQ(combo(3), code("07D1F018"));
    EXPECT_EQ(b.mouseKey({0, 1}), code("01080002"));
    EXPECT_EQ(b.mouseKey({0, 6}), code("01040008"));
    ButtonState read;
    refreshButtonState(b.rig.model, read);
    EXPECT_TRUE(read.lightModeGesture);
    EXPECT_EQ(read.gestureItem, 1);
    ASSERT_TRUE(applyGameGesture(b.rig.workspace, b.state, 0).ok());
    EXPECT_EQ(combo(1), code("0E000000"));
    EXPECT_EQ(combo(3), code("00000000"));

    // Right + forward takes Combo Key2; the light-mode gesture then takes it back, and the
    // forward button's mask goes with the displaced gesture.
    ASSERT_TRUE(applyGameGesture(b.rig.workspace, b.state, 6).ok());
    EXPECT_EQ(combo(1), code("07D1F018"));
    ASSERT_TRUE(applyLightGesture(b.rig.workspace, b.state, true).ok());
    EXPECT_EQ(b.state.gestureItem, 0);
    EXPECT_EQ(combo(1), code("0E000000"));
    EXPECT_EQ(b.mouseKey({0, 4}), code("01100000"));
    refreshButtonState(b.rig.model, read);
    EXPECT_TRUE(read.lightModeGesture);
    EXPECT_EQ(read.gestureItem, 0);
}

TEST_F(AimAndGestures, LightGestureReadsOnOnlyWhenABackButtonRunsComboKeyTwo) {
    // Combo Key2 still "LED Mode", but no back button carries mask 0x02.
    ASSERT_TRUE(applyComboMask(b.rig.workspace, b.state, ComboSelector::Back, 0x00).ok());
    EXPECT_EQ(combo(1), code("0E000000"));
    refreshButtonState(b.rig.model, b.state);
    EXPECT_FALSE(b.state.lightModeGesture);
    // So the toggle turns it on, rather than clearing Combo Key2.
    ASSERT_TRUE(toggleGesture(b.rig.workspace, b.state, 1));
    EXPECT_EQ(combo(1), code("0E000000"));
    EXPECT_EQ(b.mouseKey({0, 1}), code("01080002"));
    refreshButtonState(b.rig.model, b.state);
    EXPECT_TRUE(b.state.lightModeGesture);
}

TEST_F(AimAndGestures, LightGestureTiesEveryBackButtonToComboKeyTwo) {
    // The factory back buttons (Key2 of each profile) and one more on profile 3.
    ASSERT_TRUE(assignEngineeringKey(b.rig.workspace, {2, 11}, code("01080000")).ok());
    const KeyRef backs[] = {{0, 1}, {1, 1}, {2, 1}, {2, 11}};
    ASSERT_TRUE(applyLightGesture(b.rig.workspace, b.state, false).ok());
    EXPECT_EQ(combo(1), code("00000000"));
    for (const KeyRef& ref : backs)
        EXPECT_EQ(b.mouseKey(ref), code("01080000")) << ref.profile << " " << ref.key;
    ASSERT_TRUE(applyLightGesture(b.rig.workspace, b.state, true).ok());
    EXPECT_EQ(combo(1), code("0E000000"));
    for (const KeyRef& ref : backs)
        EXPECT_EQ(b.mouseKey(ref), code("01080002")) << ref.profile << " " << ref.key;
}

TEST_F(AimAndGestures, AKeyTablePushCutOffAfterTheVendorWriteSaysTheVendorWriteWasDone) {
    // The Vendor section's command and 24 data reports, then 2 reports of the key tables.
    b.rig.mouse.vanishAfter(1 + 24 + 1 + 2);
    const device::Result result = applyLightGesture(b.rig.workspace, b.state, false);
    EXPECT_EQ(result.failure, device::Failure::DeviceLeft);
    EXPECT_EQ(result.step, device::Step::WriteProfiles);
    EXPECT_EQ(result.completed, std::vector<device::Step>{device::Step::WriteVendor});
    const std::string said = device::messageOf(result).text;
    EXPECT_NE(said.find("Done before it: writing the Vendor section."), std::string::npos) << said;
    EXPECT_NE(said.find("may now hold part of the new bytes"), std::string::npos) << said;
}

TEST_F(AimAndGestures, FireMacrosCarryTheMaskOnlyWithTheOption) {
    ASSERT_TRUE(assignEngineeringKey(b.rig.workspace, {1, 10}, code("0B050200")).ok());
    ASSERT_TRUE(applyGameGesture(b.rig.workspace, b.state, 1).ok());
    EXPECT_EQ(b.mouseKey({1, 10})[3], 0);
    ASSERT_TRUE(applyGunFireMode(b.rig.workspace, b.state, true).ok());
    EXPECT_EQ(b.mouseKey({1, 10})[3], 0x08);
}

TEST_F(AimAndGestures, TogglesNeedTheirButton) {
    ASSERT_TRUE(assignEngineeringKey(b.rig.workspace, {1, 6}, code("00000000")).ok());
    b.state.userPageProfile = 1;  // profile 2 has no middle button now
    EXPECT_FALSE(toggleGesture(b.rig.workspace, b.state, 2));
    EXPECT_FALSE(toggleGesture(b.rig.workspace, b.state, 8));  // no fire macro on profile 2
    b.state.userPageProfile = 0;
    ASSERT_TRUE(toggleGesture(b.rig.workspace, b.state, 2));
    EXPECT_EQ(b.state.gestureItem, 1);
    ASSERT_TRUE(toggleGesture(b.rig.workspace, b.state, 2));
    EXPECT_EQ(b.state.gestureItem, 0);
}

TEST_F(AimAndGestures, RightChordTogglesNeedTheBackOrTheForwardButton) {
    // Toggle 6 is right + back (item 5), toggle 7 right + forward (item 6). Profile 1 has the
    // back button on Key2 and the forward button on Key5; one of them becomes a left click.
    struct Case {
        std::size_t reassigned;
        int accepted;
        int refused;
        int item;
        KeyRef chorded;
        image::KeyCode chordedCode;
    };
    const Case cases[] = {
        {4, 6, 7, 5, {0, 1}, code("01080002")},
        {1, 7, 6, 6, {0, 4}, code("01100002")},
    };
    for (const Case& c : cases) {
        ButtonRig fresh;
        ASSERT_TRUE(
            assignEngineeringKey(fresh.rig.workspace, {0, c.reassigned}, code("01010000")).ok());
        const std::size_t sent = fresh.commands().size();
        EXPECT_FALSE(toggleGesture(fresh.rig.workspace, fresh.state, c.refused)) << c.refused;
        EXPECT_EQ(fresh.commands().size(), sent) << c.refused;
        const auto applied = toggleGesture(fresh.rig.workspace, fresh.state, c.accepted);
        ASSERT_TRUE(applied) << c.accepted;
        EXPECT_TRUE(applied->ok()) << c.accepted;
        EXPECT_EQ(fresh.state.gestureItem, c.item);
        EXPECT_EQ(fresh.mouseKey(c.chorded), c.chordedCode) << c.accepted;
    }
}

TEST_F(AimAndGestures, ComboEnableSelectorSetsMasks) {
    ASSERT_TRUE(applyComboMask(b.rig.workspace, b.state, ComboSelector::DpiUp, 0x40).ok());
    EXPECT_EQ(b.mouseKey({0, 5}), code("09010040"));
    EXPECT_EQ(b.mouseKey({1, 5}), code("09010040"));
    EXPECT_EQ(b.mouseKey({0, 6}), code("01040000"));
    EXPECT_EQ(applyComboMask(b.rig.workspace, b.state, ComboSelector::Middle, 0x03).failure,
              device::Failure::InvalidRequest);
    EXPECT_EQ(b.mouseKey({0, 6}), code("01040000"));
}

}  // namespace
}  // namespace gm::buttons
