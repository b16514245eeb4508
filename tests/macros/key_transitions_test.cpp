// The recorder's reading of the keyboard: count and state per transition, the held keys, and the
// one combination raised when the last held key goes up.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macros/key_transitions.h"

namespace gm::macros {
namespace {

constexpr std::uint8_t kA = 0x04, kB = 0x05, kLeftCtrl = 0xE0, kLeftShift = 0xE1,
                       kRightShift = 0xE5, kRightAlt = 0xE6, kWin = 0xE3;

struct Step {
    bool down;
    std::uint8_t usage;
};

std::vector<std::optional<KeyCombination>> combinationsOf(KeyTransitions& keys,
                                                          const std::vector<Step>& steps) {
    std::vector<std::optional<KeyCombination>> raised;
    for (const Step& step : steps)
        raised.push_back(step.down ? keys.keyDown(step.usage).combination
                                   : keys.keyUp(step.usage).combination);
    return raised;
}

TEST(KeyTransitions, CountAndStateFollowTheDownsSinceTheLastUp) {
    struct Case {
        std::string name;
        std::vector<Step> steps;
        std::vector<std::pair<int, KeyState>> expected;
    };
    const std::vector<Case> cases{
        {"a tap", {{true, kA}, {false, kA}}, {{1, KeyState::FirstDown}, {0, KeyState::Up}}},
        {"auto-repeat",
         {{true, kA}, {true, kA}, {true, kA}, {false, kA}},
         {{1, KeyState::FirstDown},
          {2, KeyState::FurtherDown},
          {3, KeyState::FurtherDown},
          {0, KeyState::Up}}},
        {"a second key while the first is held",
         {{true, kLeftShift},
          {true, kA},
          {false, kA},
          {true, kB},
          {false, kB},
          {false, kLeftShift}},
         {{1, KeyState::FirstDown},
          {2, KeyState::FurtherDown},
          {0, KeyState::Up},
          // Any key-up starts the count again, though Shift is still held.
          {1, KeyState::FirstDown},
          {0, KeyState::Up},
          {0, KeyState::Up}}},
    };
    for (const Case& c : cases) {
        KeyTransitions keys;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            const KeyReport report =
                step.down ? keys.keyDown(step.usage).report : keys.keyUp(step.usage).report;
            EXPECT_EQ(report.usage, step.usage) << c.name << ", step " << i;
            EXPECT_EQ(report.count, c.expected[i].first) << c.name << ", step " << i;
            EXPECT_EQ(report.state, c.expected[i].second) << c.name << ", step " << i;
        }
    }
}

TEST(KeyTransitions, ShiftAndAReleasedGiveOneCombination) {
    for (const std::vector<Step>& order :
         {std::vector<Step>{{true, kLeftShift}, {true, kA}, {false, kA}, {false, kLeftShift}},
          std::vector<Step>{{true, kLeftShift}, {true, kA}, {false, kLeftShift}, {false, kA}}}) {
        KeyTransitions keys;
        const auto raised = combinationsOf(keys, order);
        for (std::size_t i = 0; i + 1 < raised.size(); ++i)
            EXPECT_FALSE(raised[i].has_value()) << "raised before the last release, step " << i;
        ASSERT_TRUE(raised.back().has_value());
        EXPECT_EQ(raised.back()->keys, std::vector<std::uint8_t>{kA});
        EXPECT_TRUE(raised.back()->modifiers.contains(Modifier::Shift));
        EXPECT_FALSE(raised.back()->modifiers.contains(Modifier::Ctrl));
        EXPECT_TRUE(keys.held().empty());
    }
}

TEST(KeyTransitions, TheCombinationListsKeysInPressOrderAndMergesLeftAndRight) {
    KeyTransitions keys;
    const auto raised = combinationsOf(keys, {{true, kLeftCtrl},
                                              {true, kRightAlt},
                                              {true, kB},
                                              {true, kWin},
                                              {true, kA},
                                              {true, kRightShift},
                                              {false, kB},
                                              {false, kWin},
                                              {false, kA},
                                              {false, kRightShift},
                                              {false, kRightAlt},
                                              {false, kLeftCtrl}});
    ASSERT_TRUE(raised.back().has_value());
    // Win is a key of the combination, not one of its modifiers.
    EXPECT_EQ(raised.back()->keys, (std::vector<std::uint8_t>{kB, kWin, kA}));
    ModifierSet all;
    all.add(Modifier::Ctrl);
    all.add(Modifier::Alt);
    all.add(Modifier::Shift);
    EXPECT_EQ(raised.back()->modifiers, all);
}

TEST(KeyTransitions, AKeyPressedAgainIsHeldUntilItsNextRelease) {
    KeyTransitions keys;
    // Shift held, A tapped, A pressed again: releasing Shift must not end the combination
    // while A is down.
    const auto raised = combinationsOf(
        keys, {{true, kLeftShift}, {true, kA}, {false, kA}, {true, kA}, {false, kLeftShift}});
    EXPECT_FALSE(raised.back().has_value());
    ASSERT_EQ(keys.held().size(), 2u);
    EXPECT_FALSE(keys.held()[1].released);
    const auto last = keys.keyUp(kA).combination;
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->keys, std::vector<std::uint8_t>{kA});
}

TEST(KeyTransitions, AReleaseOfAKeyHeldBeforeTheListRaisesNothing) {
    KeyTransitions keys;
    EXPECT_FALSE(keys.keyUp(kA).combination.has_value());
    keys.keyDown(kB);
    EXPECT_FALSE(keys.keyUp(kA).combination.has_value());
    EXPECT_EQ(keys.keyUp(kB).combination->keys, std::vector<std::uint8_t>{kB});
}

}  // namespace
}  // namespace gm::macros
