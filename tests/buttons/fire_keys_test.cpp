// Fire-key sets: field rules, the area bytes and every button of a set rewritten.
#include "buttons/fire_keys.h"

#include <gtest/gtest.h>

#include "button_rig.h"
#include "buttons/assignment.h"
#include "buttons/fire_key_fields.h"
#include "buttons/key_name.h"

namespace gm::buttons {
namespace {

using testing::ButtonRig;
using testing::code;

TEST(FireKeyFields, ClampAsTypedAndOnLeaving) {
    EXPECT_EQ(repeatWhileTyping("1"), "1");
    EXPECT_EQ(repeatOnLeaving("1"), "2");
    EXPECT_EQ(repeatOnLeaving("0"), "2");
    EXPECT_EQ(repeatWhileTyping("16"), "15");
    EXPECT_EQ(repeatWhileTyping(""), "2");
    EXPECT_EQ(intervalWhileTyping("0"), "1");
    EXPECT_EQ(intervalWhileTyping(""), "1");
    EXPECT_EQ(intervalWhileTyping("5000"), "4094");
    EXPECT_EQ(intervalWhileTyping("99999999999999"), "4094");
    EXPECT_EQ(intervalWhileTyping("120"), "120");
    EXPECT_TRUE(fieldAcceptsKey('7'));
    EXPECT_TRUE(fieldAcceptsKey('\b'));
    EXPECT_FALSE(fieldAcceptsKey('-'));
}

class FireKeys : public ::testing::Test {
protected:
    ButtonRig b;
};

TEST_F(FireKeys, ReadFromTheAreaAndTheActiveProfile) {
    // Factory sets: R-1 = 2, 4, 7 with T = 60; Key3 holds 06 92 00 3C (Fire Key1, continue).
    EXPECT_EQ(b.state.fire[0], (FireKeySet{3, 60, true}));
    EXPECT_EQ(b.state.fire[1].repeat, 5);
    EXPECT_EQ(b.state.rememberedFire.repeat[2], 8);
}

TEST_F(FireKeys, IntervalEditRewritesEveryButtonAndTheArea) {
    b.state.fire[0].interval = 4094;
    ASSERT_TRUE(applyFireKeys(b.rig.workspace, b.state).ok());
    const image::Image eeprom = b.rig.mouse.eeprom();
    EXPECT_EQ(eeprom[image::kFireKeys.offset + 3], 0x0F);
    EXPECT_EQ(eeprom[image::kFireKeys.offset + 4], 0xFE);
    for (std::size_t p = 0; p < 3; ++p)
        EXPECT_EQ(b.mouseKey({p, 2}), code("06920FFE")) << "profile " << p + 1;
    EXPECT_EQ(b.modelKeyText({1, 2}), "06920FFE");
}

TEST_F(FireKeys, ContinueOfSetTwoRewritesOnlyB1OfItsButtons) {
    ASSERT_TRUE(assignEngineeringKey(b.rig.workspace, {1, 9}, code("0614003C")).ok());
    ASSERT_TRUE(assignEngineeringKey(b.rig.workspace, {2, 10}, code("0614003C")).ok());
    const image::Image before = b.rig.mouse.eeprom();
    b.state.fire[1].continueOn = true;
    ASSERT_TRUE(applyFireKeys(b.rig.workspace, b.state).ok());
    EXPECT_EQ(b.mouseKey({1, 9}), code("0694003C"));
    EXPECT_EQ(b.mouseKey({2, 10}), code("0694003C"));
    EXPECT_EQ(b.mouseKey({0, 2}), code("0692003C"));  // Fire Key1 untouched
    const image::Image after = b.rig.mouse.eeprom();
    EXPECT_TRUE(std::equal(before.begin() + 484, before.begin() + 496, after.begin() + 484));
}

TEST_F(FireKeys, UnmatchedCodeKeepsItsBytesAndHasNoName) {
    ASSERT_TRUE(assignEngineeringKey(b.rig.workspace, {0, 10}, code("06130010")).ok());
    EXPECT_TRUE(nameOf(code("06130010"), {b.state.rememberedFire, nullptr}).empty());
    b.state.fire[0].repeat = 4;
    b.state.fire[1].interval = 16;
    ASSERT_TRUE(applyFireKeys(b.rig.workspace, b.state).ok());
    EXPECT_EQ(b.mouseKey({0, 10}), code("06130010"));
    EXPECT_EQ(b.mouseKey({0, 2}), code("0693003C"));
}

TEST_F(FireKeys, EqualSetsTheFirstWins) {
    b.state.fire[1] = {3, 60, false};
    ASSERT_TRUE(applyFireKeys(b.rig.workspace, b.state).ok());
    ASSERT_TRUE(assignEngineeringKey(b.rig.workspace, {2, 11}, code("0612003C")).ok());
    EXPECT_EQ(nameOf(code("0612003C"), {b.state.rememberedFire, nullptr}).id, "Str231");
    b.state.fire[0].interval = 100;
    ASSERT_TRUE(applyFireKeys(b.rig.workspace, b.state).ok());
    EXPECT_EQ(b.mouseKey({2, 11}), code("06920064"));  // rewritten by set 1, continue of set 1
}

TEST_F(FireKeys, AMouseLeavingDuringTheKeyTablesIsNamedThereNotAtALaterStep) {
    b.state.fire[0].repeat = 4;
    b.rig.mouse.vanishAfter(5);  // inside the key tables' data reports
    const device::Result result = applyFireKeys(b.rig.workspace, b.state);
    EXPECT_EQ(result.failure, device::Failure::DeviceLeft);
    EXPECT_EQ(result.step, device::Step::WriteProfiles);
    EXPECT_TRUE(result.completed.empty());
    EXPECT_EQ(b.rig.model.copies.fireKeys[2], 2) << "the view shows what the mouse held";
}

}  // namespace
}  // namespace gm::buttons
