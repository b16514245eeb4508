// The six stored values: their key and value names and text, and how a store text reads back.
#include "settings/desktop/desktop_pointer_store.h"

#include <gtest/gtest.h>

namespace gm::settings::desktop {
namespace {

TEST(DesktopPointerStore, SixValuesUnderTheirKeysInWriteOrder) {
    PointerSettings settings;
    setSpeedLevel(settings, 6);
    setPrecision(settings, true);
    setDoubleClickLevel(settings, 4);
    setWheelLevel(settings, 11);
    const std::array<StoredValue, 6> expected{{
        {"Control Panel\\Mouse", "MouseSensitivity", "10"},
        {"Control Panel\\Mouse", "MouseSpeed", "1"},
        {"Control Panel\\Mouse", "MouseThreshold1", "6"},
        {"Control Panel\\Mouse", "MouseThreshold2", "10"},
        {"Control Panel\\Mouse", "DoubleClickSpeed", "690"},
        {"Control Panel\\Desktop", "WheelScrollLines", "11"},
    }};
    EXPECT_EQ(storedValuesOf(valuesOf(settings)), expected);
    setOneScreen(settings, true);
    EXPECT_EQ(storedValuesOf(valuesOf(settings))[5].value, "-1");
}

TEST(DesktopPointerStore, StoreTextReadsBackAsTheSameSettings) {
    PointerSettings settings;
    setSpeedLevel(settings, 9);
    setPrecision(settings, true);
    setDoubleClickLevel(settings, 2);
    setWheelLevel(settings, 4);
    setOneScreen(settings, true);
    const std::string text = storeText(valuesOf(settings));
    EXPECT_EQ(text,
              "[Control Panel\\Mouse]\nMouseSensitivity=16\nMouseSpeed=1\nMouseThreshold1=6\n"
              "MouseThreshold2=10\nDoubleClickSpeed=830\n\n[Control Panel\\Desktop]\n"
              "WheelScrollLines=-1\n");
    const PointerSettings read = settingsOf(readingsOfStoreText(text));
    EXPECT_EQ(read.speedLevel, 9);
    EXPECT_TRUE(read.precision);
    EXPECT_EQ(read.doubleClickLevel, 2);
    EXPECT_TRUE(read.oneScreen);
    EXPECT_EQ(read.wheelLevel, 1);  // the level to return to after one-screen mode read
}

TEST(DesktopPointerStore, StoredValuesReadByTheirRules) {
    // 11 is no level's value and reads as level 6; 15 lines read as level 11.
    const PointerReadings readings = readingsOfStoreText(
        "[Control Panel\\Mouse]\nMouseSensitivity=11\nMouseThreshold2=10\n"
        "DoubleClickSpeed=fast\n[Control Panel\\Desktop]\nWheelScrollLines=15\n");
    EXPECT_EQ(readings, (PointerReadings{11, Precision{0, 10, 0}, std::nullopt, 15}));
    const PointerSettings settings = settingsOf(readings);
    EXPECT_EQ(settings.speedLevel, 6);
    EXPECT_TRUE(settings.precision);
    EXPECT_EQ(settings.doubleClickLevel, 7);  // not a number: 480 ms
    EXPECT_EQ(settings.wheelLevel, 11);
}

TEST(DesktopPointerStore, GarbledOrEmptyTextReadsAsNothingStored) {
    for (const std::string_view text :
         {std::string_view(""), std::string_view("\x01\xff\x00garbage", 11),
          std::string_view("MouseSensitivity=4\nWheelScrollLines=9\n")}) {
        const PointerReadings readings = readingsOfStoreText(text);
        EXPECT_EQ(readings,
                  (PointerReadings{std::nullopt, kPrecisionOff, std::nullopt, std::nullopt}));
    }
}

}  // namespace
}  // namespace gm::settings::desktop
