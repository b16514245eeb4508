// The Pointer card's levels: the values each level applies, how values read back as levels, and
// the wheel level kept across one-screen mode.
#include "settings/desktop/desktop_pointer.h"

#include <gtest/gtest.h>

namespace gm::settings::desktop {
namespace {

TEST(DesktopPointer, LevelsApplyTheirValues) {
    PointerSettings settings;
    ASSERT_TRUE(setSpeedLevel(settings, 6));
    ASSERT_TRUE(setDoubleClickLevel(settings, 1));
    ASSERT_TRUE(setWheelLevel(settings, 11));
    setPrecision(settings, true);
    EXPECT_EQ(valuesOf(settings), (PointerValues{10, {6, 10, 1}, 900, 11}));
    ASSERT_TRUE(setSpeedLevel(settings, 1));
    ASSERT_TRUE(setDoubleClickLevel(settings, 11));
    setPrecision(settings, false);
    EXPECT_EQ(valuesOf(settings), (PointerValues{1, {0, 0, 0}, 200, 11}));
    ASSERT_TRUE(setSpeedLevel(settings, 11));
    EXPECT_EQ(valuesOf(settings).speed, 20);
}

TEST(DesktopPointer, LevelsOutsideOneToElevenChangeNothing) {
    PointerSettings settings;
    const PointerSettings before = settings;
    EXPECT_FALSE(setSpeedLevel(settings, 0));
    EXPECT_FALSE(setDoubleClickLevel(settings, 12));
    EXPECT_FALSE(setWheelLevel(settings, -1));
    EXPECT_EQ(settings, before);
}

TEST(DesktopPointer, EveryLevelReadsBackAsItself) {
    for (int level = 1; level <= kLevels; ++level) {
        PointerSettings settings;
        setSpeedLevel(settings, level);
        setDoubleClickLevel(settings, level);
        setWheelLevel(settings, level);
        const PointerValues values = valuesOf(settings);
        const PointerSettings read =
            settingsOf({values.speed, values.precision, values.doubleClickMs, values.wheelLines});
        EXPECT_EQ(read, settings) << "level " << level;
    }
}

TEST(DesktopPointer, PointerSpeedReadsInPairsAndOffTheScaleAsTheUsualSpeed) {
    const std::pair<int, int> valueToLevel[] = {{0, 1},  {1, 1},   {3, 2},   {5, 3},  {7, 4},
                                                {9, 5},  {10, 6},  {11, 6},  {12, 7}, {15, 8},
                                                {17, 9}, {19, 10}, {20, 11}, {21, 6}, {-3, 6}};
    for (const auto& [value, level] : valueToLevel)
        EXPECT_EQ(speedLevelOf(value), level) << "value " << value;
}

TEST(DesktopPointer, DoubleClickTimeReadsByTheLevelItReaches) {
    const std::pair<int, int> msToLevel[] = {{2000, 1}, {900, 1},  {899, 2},  {830, 2},
                                             {829, 3},  {480, 7},  {479, 8},  {340, 9},
                                             {270, 10}, {269, 11}, {200, 11}, {0, 11}};
    for (const auto& [ms, level] : msToLevel)
        EXPECT_EQ(doubleClickLevelOf(ms), level) << ms << " ms";
}

TEST(DesktopPointer, WheelLinesReadAsTheirLevel) {
    const std::pair<int, int> linesToLevel[] = {{1, 1},   {10, 10}, {0, 3},
                                                {11, 11}, {15, 11}, {-2, 11}};
    for (const auto& [lines, level] : linesToLevel) {
        const PointerSettings settings = settingsOf({.wheelLines = lines});
        EXPECT_EQ(settings.wheelLevel, level) << lines << " lines";
        EXPECT_FALSE(settings.oneScreen);
    }
}

TEST(DesktopPointer, MissingValuesReadAsTheirDefaults) {
    const PointerSettings settings = settingsOf({});
    EXPECT_EQ(settings.speedLevel, 6);
    EXPECT_FALSE(settings.precision);
    EXPECT_EQ(settings.doubleClickLevel, 7);  // 480 ms
    EXPECT_EQ(settings.wheelLevel, 2);
    EXPECT_FALSE(settings.oneScreen);
}

TEST(DesktopPointer, AnyNonZeroPrecisionValueReadsAsOn) {
    EXPECT_TRUE(settingsOf({.precision = Precision{0, 0, 1}}).precision);
    EXPECT_TRUE(settingsOf({.precision = Precision{0, 10, 0}}).precision);
    EXPECT_TRUE(settingsOf({.precision = Precision{6, 0, 0}}).precision);
    EXPECT_FALSE(settingsOf({.precision = kPrecisionOff}).precision);
}

TEST(DesktopPointer, OneScreenReadAtStartReturnsToOneLineWhenSwitchedOff) {
    PointerSettings settings = settingsOf({.wheelLines = kOneScreen});
    EXPECT_TRUE(settings.oneScreen);
    EXPECT_EQ(valuesOf(settings).wheelLines, kOneScreen);
    setOneScreen(settings, false);
    EXPECT_EQ(valuesOf(settings).wheelLines, 1);
}

TEST(DesktopPointer, OneScreenKeepsTheChosenWheelLevelForLater) {
    PointerSettings settings;
    setWheelLevel(settings, 7);
    setOneScreen(settings, true);
    EXPECT_EQ(valuesOf(settings).wheelLines, kOneScreen);
    setOneScreen(settings, false);
    EXPECT_EQ(valuesOf(settings).wheelLines, 7);
}

TEST(DesktopPointer, ReadingsPreferTheFirstSourceValueByValue) {
    const PointerReadings desktop{.speed = 14, .precision = kPrecisionOff};
    const PointerReadings stored{4, kPrecisionOn, 620, 5};
    EXPECT_EQ(preferring(desktop, stored), (PointerReadings{14, kPrecisionOff, 620, 5}));
}

}  // namespace
}  // namespace gm::settings::desktop
