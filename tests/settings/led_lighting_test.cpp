// LED lighting: the LED byte codes of each type, the speed bar, user colours and the MCU LED
// settings with their check byte and XDATA hand-over.
#include "settings/led_lighting.h"

#include <gtest/gtest.h>

#include "settings_rig.h"

namespace gm::settings {
namespace {

using testing::LiveWrite;
using testing::SettingsRig;

TEST(LedByte, CodesOfEachType) {
    // ZK LED with one lamp: 80 + mode code, which reads back as the MCU LED.
    EXPECT_EQ(encodeLed(LedType::Zk, 2, 0), 0x82);
    EXPECT_EQ(decodeLed(0x82).type, LedType::Mcu);
    EXPECT_EQ(encodeLed(LedType::Zk, 4, 7), 0xF5);
    const LedByte zk = decodeLed(0xF5);
    EXPECT_EQ(zk.type, LedType::Zk);
    EXPECT_EQ(zk.mode, 4);
    EXPECT_EQ(zk.zkLamps, 7);
    EXPECT_EQ(encodeLed(LedType::Mcu, 0, 0), 0x81);
    EXPECT_EQ(decodeLed(0x81).type, LedType::Mcu);
    EXPECT_EQ(decodeLed(0x81).mode, 0);
    EXPECT_EQ(encodeLed(LedType::Sync, 2, 0), 0x42);
    EXPECT_EQ(decodeLed(0x05).mode, 5);
    EXPECT_FALSE(decodeLed(0xF3).mode) << "ZK code 3 names no mode";
}

TEST(LedByte, MainPageModeKeepsTheHighBits) {
    SettingsRig rig;
    rig.setMouseByte(165, 0xF5);  // ZK LED, 8 lamps, CPI Breath
    ASSERT_TRUE(setLedMode(rig.workspace, 3));
    EXPECT_EQ(rig.liveWrites(), (std::vector<LiveWrite>{{165, {0xF4}}}));
    ASSERT_TRUE(setZkLamps(rig.workspace, 2));
    EXPECT_EQ(rig.liveWrites().back(), (LiveWrite{165, {0x94}}));
    EXPECT_EQ(setLedMode(rig.workspace, 5).failure, device::Failure::InvalidRequest);
}

TEST(LedSpeed, StepsAndStepTimes) {
    EXPECT_EQ(speedStepOf(8), 9);
    EXPECT_EQ(speedStepOf(5), 10);
    EXPECT_EQ(speedStepOf(0), 10);
    EXPECT_EQ(speedStepOf(11), 8);
    EXPECT_EQ(speedStepOf(45), 2);
    EXPECT_EQ(speedStepOf(46), 1);
    EXPECT_EQ(speedStepOf(255), 1);
    SettingsRig rig;
    ASSERT_TRUE(setSpeedStep(rig.workspace, 10));
    ASSERT_TRUE(setSpeedStep(rig.workspace, 1));
    EXPECT_EQ(rig.liveWrites(), (std::vector<LiveWrite>{{56, {5}}, {56, {50}}}));
}

TEST(LedModes, MaskBitsFollowTheType) {
    SettingsRig rig;  // MCU LED: mode i is bit i + 1
    rig.setMouseByte(42, 0x00);
    ASSERT_TRUE(setModeOffered(rig.workspace, 0, true));
    EXPECT_EQ(rig.liveWrites().back(), (LiveWrite{42, {0x02}}));
    rig.setMouseByte(165, 0x05);  // RGB LED: mode i is bit i
    rig.setMouseByte(42, 0x00);
    ASSERT_TRUE(setModeOffered(rig.workspace, 2, true));
    EXPECT_EQ(rig.liveWrites().back(), (LiveWrite{42, {0x04}}));
    EXPECT_TRUE(modeOffered(rig.model, 2));
    EXPECT_FALSE(modeOffered(rig.model, 1));
    // ZK LED: no checkboxes 3 and 6; the default mask 37 offers all five modes.
    rig.setMouseByte(165, 0xF5);
    rig.setMouseByte(42, 0x37);
    for (int mode = 0; mode < 5; ++mode)
        EXPECT_TRUE(modeOffered(rig.model, mode)) << mode;
    ASSERT_TRUE(setModeOffered(rig.workspace, 3, false));
    EXPECT_EQ(rig.liveWrites().back(), (LiveWrite{42, {0x27}}));
}

TEST(LedBreathing, ValuesAreClampedAndWrittenHighByteFirst) {
    SettingsRig rig;
    ASSERT_TRUE(setBreathing(rig.workspace, Breathing::LowerTime, 5000));
    ASSERT_TRUE(setBreathing(rig.workspace, Breathing::Upper, 0x1234));
    ASSERT_TRUE(setBreathing(rig.workspace, Breathing::StepTime, 300));
    EXPECT_EQ(rig.liveWrites(),
              (std::vector<LiveWrite>{{52, {0x0F, 0xFE}}, {50, {0x12, 0x34}}, {56, {0xFF}}}));
    EXPECT_EQ(breathingOf(rig.model, Breathing::LowerTime), 4094);
}

TEST(LedBreathing, EachFieldHasItsAddressWidthAndRange) {
    struct Case {
        Breathing which;
        int address;
        int value;
        std::vector<std::uint8_t> bytes;
        int maximum;
        std::vector<std::uint8_t> maximumBytes;
    };
    const Case cases[] = {
        {Breathing::Lower, 48, 0x0ABC, {0x0A, 0xBC}, 65535, {0xFF, 0xFF}},
        {Breathing::Upper, 50, 0x0ABC, {0x0A, 0xBC}, 65535, {0xFF, 0xFF}},
        {Breathing::LowerTime, 52, 0x0ABC, {0x0A, 0xBC}, 4094, {0x0F, 0xFE}},
        {Breathing::UpperTime, 54, 0x0ABC, {0x0A, 0xBC}, 65535, {0xFF, 0xFF}},
        {Breathing::StepTime, 56, 0xAB, {0xAB}, 255, {0xFF}},
    };
    SettingsRig rig;
    for (const Case& c : cases) {
        const int field = static_cast<int>(c.which);
        rig.mouse.clearReports();
        ASSERT_TRUE(setBreathing(rig.workspace, c.which, c.value)) << field;
        ASSERT_TRUE(rig.session.readWholeImage());
        EXPECT_EQ(breathingOf(rig.model, c.which), c.value) << field;
        ASSERT_TRUE(setBreathing(rig.workspace, c.which, 70000)) << field;
        ASSERT_TRUE(rig.session.readWholeImage());
        EXPECT_EQ(breathingOf(rig.model, c.which), c.maximum) << field;
        EXPECT_EQ(rig.liveWrites(),
                  (std::vector<LiveWrite>{{c.address, c.bytes}, {c.address, c.maximumBytes}}))
            << field;
    }
}

TEST(LedColours, UserColourIsOneThreeByteWrite) {
    SettingsRig rig;
    ASSERT_TRUE(setUserColour(rig.workspace, 10, {1, 2, 3}));
    EXPECT_EQ(rig.liveWrites(), (std::vector<LiveWrite>{{84, {1, 2, 3}}}));
    EXPECT_EQ(setUserColour(rig.workspace, 11, {}).failure, device::Failure::InvalidRequest);
}

TEST(McuLed, LampCountCodesCheckByteAndXData) {
    SettingsRig rig;
    ASSERT_TRUE(setMcuLed(rig.workspace, {2, false, 13}));
    auto header = rig.mouse.eeprom();
    EXPECT_EQ(header[1008 + 8], 5) << "step index 2 is stored as 7 - 2";
    EXPECT_EQ(header[1008 + 9], 0x00);
    EXPECT_EQ(header[1008 + 15], (5 ^ 0x5A));
    ASSERT_TRUE(setMcuLed(rig.workspace, {7, true, 4}));
    header = rig.mouse.eeprom();
    EXPECT_EQ(header[1008 + 8], 0);
    EXPECT_EQ(header[1008 + 9], 0x89);
    EXPECT_EQ(header[1008 + 15], (0x89 ^ 0x5A));
    const auto xdata = rig.commands(device::command::kXDataWrite);
    ASSERT_EQ(xdata.size(), 4u);
    EXPECT_EQ((std::vector<int>{xdata[2][2], xdata[2][3], xdata[2][4]}),
              (std::vector<int>{0x07, 0xC4, 0x00}));
    EXPECT_EQ((std::vector<int>{xdata[3][2], xdata[3][3], xdata[3][4]}),
              (std::vector<int>{0x07, 0xC5, 0x89}));
    EXPECT_EQ(mcuLedOf(rig.model), (McuLed{7, true, 4}));
}

TEST(McuLed, RefusedOnTheSecondChipAndRestoredWhenTheMouseRefuses) {
    SettingsRig other(image::ChipType::Chip4230A);
    EXPECT_EQ(setMcuLed(other.workspace, {}).failure, device::Failure::Unsupported);
    EXPECT_TRUE(other.mouse.reports().empty());

    SettingsRig rig;
    const McuLed before = mcuLedOf(rig.model);
    rig.mouse.refuseCommands(true);
    EXPECT_FALSE(setMcuLed(rig.workspace, {0, !before.fullBrightness, 5}));
    EXPECT_EQ(mcuLedOf(rig.model), before);
}

}  // namespace
}  // namespace gm::settings
