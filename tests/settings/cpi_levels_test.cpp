// CPI levels against the virtual mouse: the bytes each change sends, the re-send of the current
// level, and what happens when nothing may or can be sent.
#include "settings/cpi_levels.h"

#include <gtest/gtest.h>

#include "settings_rig.h"

namespace gm::settings {
namespace {

using testing::LiveWrite;
using testing::SettingsRig;

TEST(CpiLevels, CountOneLeavesOneLevelAndWritesZero) {
    SettingsRig rig;
    ASSERT_TRUE(setLevelCount(rig.workspace, 1));
    EXPECT_EQ(rig.liveWrites(), (std::vector<LiveWrite>{{43, {0}}}));
    EXPECT_EQ(currentLevelItems(cpiLevelsOf(rig.model).count), std::vector<std::string>{"CPI1"});
    EXPECT_EQ(rig.mouse.eeprom()[43], 0);
}

TEST(CpiLevels, ValueChangeKeepsTheOtherLevelOfThePairAndResendsTheCurrentLevel) {
    SettingsRig rig;
    ASSERT_TRUE(setLevelValue(rig.workspace, 4, 11));
    rig.mouse.clearReports();
    ASSERT_TRUE(setLevelValue(rig.workspace, 3, 2));
    // The factory current level is level 2 (User 2 = 1): level 1 first, then level 2 again.
    EXPECT_EQ(rig.liveWrites(), (std::vector<LiveWrite>{{45, {0xB2}}, {166, {0}}, {166, {1}}}));
    EXPECT_EQ(cpiLevelsOf(rig.model).values[2], 2);
    EXPECT_EQ(cpiLevelsOf(rig.model).values[3], 11);
}

TEST(CpiLevels, ValueChangeWithLevelOneCurrentLeavesThroughLevelTwo) {
    SettingsRig rig;
    ASSERT_TRUE(setCurrentLevel(rig.workspace, 1));
    rig.mouse.clearReports();
    ASSERT_TRUE(setLevelValue(rig.workspace, 2, 0));
    const auto writes = rig.liveWrites();
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[1], (LiveWrite{166, {1}}));
    EXPECT_EQ(writes[2], (LiveWrite{166, {0}}));
    EXPECT_EQ(rig.mouse.eeprom()[166], 0);
}

TEST(CpiLevels, ChangesKeepTheSectionCheckByteSoTheNextReadKeepsThem) {
    SettingsRig rig;
    ASSERT_TRUE(setLevelValue(rig.workspace, 3, 6));
    ASSERT_TRUE(setCurrentLevel(rig.workspace, 5));
    EXPECT_EQ(rig.checkByteWrites().size(), 2u);
    const image::Image eeprom = rig.mouse.eeprom();
    EXPECT_TRUE(image::hasValidCheckByte(std::span(eeprom).subspan(0, 164)));
    EXPECT_TRUE(image::hasValidCheckByte(std::span(eeprom).subspan(164, 28)));
    ASSERT_TRUE(rig.session.readWholeImage());
    EXPECT_EQ(cpiLevelsOf(rig.model).values[2], 6);
    EXPECT_EQ(cpiLevelsOf(rig.model).current, 5);
}

TEST(CpiLevels, LabelTogglesChangeOnlyTheEdgeOfTheLevelsInUse) {
    SettingsRig rig;  // 6 levels in use
    ASSERT_TRUE(toggleLevel(rig.workspace, 3));
    EXPECT_TRUE(rig.liveWrites().empty()) << "a level in the middle changes nothing";
    ASSERT_TRUE(toggleLevel(rig.workspace, 7));
    EXPECT_EQ(cpiLevelsOf(rig.model).count, 7);
    ASSERT_TRUE(toggleLevel(rig.workspace, 7));
    EXPECT_EQ(cpiLevelsOf(rig.model).count, 6);
    ASSERT_TRUE(setLevelCount(rig.workspace, 1));
    rig.mouse.clearReports();
    ASSERT_TRUE(toggleLevel(rig.workspace, 1));
    EXPECT_EQ(cpiLevelsOf(rig.model).count, 1) << "the only level stays in use";
    EXPECT_TRUE(rig.liveWrites().empty());
}

TEST(CpiLevels, ColourIsOneThreeByteWrite) {
    SettingsRig rig;
    ASSERT_TRUE(setLevelColour(rig.workspace, 8, {0x12, 0x34, 0x56}));
    EXPECT_EQ(rig.liveWrites(), (std::vector<LiveWrite>{{108, {0x12, 0x34, 0x56}}}));
    EXPECT_EQ(colourText(cpiLevelsOf(rig.model).colours[7]), "123456");
}

TEST(CpiLevels, OutOfRangeRequestsSendNothing) {
    SettingsRig rig;
    EXPECT_EQ(setLevelCount(rig.workspace, 9).failure, device::Failure::InvalidRequest);
    EXPECT_EQ(setLevelValue(rig.workspace, 1, 12).failure, device::Failure::InvalidRequest);
    EXPECT_EQ(setCurrentLevel(rig.workspace, 0).failure, device::Failure::InvalidRequest);
    EXPECT_TRUE(rig.liveWrites().empty());
}

TEST(CpiLevels, NothingIsSentWhileTheImageIsRead) {
    SettingsRig rig;
    rig.session.setReadBusy(true);
    EXPECT_TRUE(setLevelValue(rig.workspace, 1, 3));
    rig.session.setReadBusy(false);
    EXPECT_TRUE(rig.liveWrites().empty());
    ASSERT_TRUE(rig.session.readWholeImage());
    cpiLevelsOf(rig.model);
    EXPECT_TRUE(rig.liveWrites().empty()) << "a refresh writes nothing";
}

TEST(CpiLevels, RefusedWriteRestoresWhatTheMouseHolds) {
    SettingsRig rig;
    rig.mouse.refuseCommands(true);
    const device::Result result = setLevelCount(rig.workspace, 3);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.step, device::Step::LiveWrite);
    EXPECT_EQ(cpiLevelsOf(rig.model).count, 6);
    EXPECT_EQ(rig.mouse.eeprom()[43], 5);
}

TEST(CpiLevels, BarStyles) {
    EXPECT_EQ(barSegments(2, 1, 4), (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(barSegments(2, 0, 4), (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(cpiOfIndex(11), 6400);
    EXPECT_EQ(cpiOfIndex(0), 200);
    EXPECT_EQ(indexOfCpi(1600), 6);
    EXPECT_FALSE(indexOfCpi(1500));
}

}  // namespace
}  // namespace gm::settings
