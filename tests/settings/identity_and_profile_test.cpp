// Profile choice, USB identity and sensor registers: the bytes each edit sends and the
// clamping of values out of range.
#include <gtest/gtest.h>

#include "settings/profile_colours.h"
#include "settings/sensor_registers.h"
#include "settings/usb_identity.h"
#include "settings_rig.h"

namespace gm::settings {
namespace {

using testing::LiveWrite;
using testing::SettingsRig;

TEST(Profile, GameModeWritesItsBytesThenUserZero) {
    SettingsRig rig;
    ASSERT_TRUE(setProfile(rig.workspace, 1, 3, {.offset = 0x3C}));
    EXPECT_EQ(rig.liveWrites(),
              (std::vector<LiveWrite>{
                  {167, {0}}, {168, {15}}, {169, {0}}, {170, {0x3C}}, {164, {0x21}}}));
    EXPECT_EQ(activeProfileOf(rig.model).profile, 1);
    EXPECT_EQ(activeProfileOf(rig.model).colourItem, 3);
}

TEST(Profile, GameModeWithoutAGivenOffsetWritesTheOffsetFieldsDefault) {
    SettingsRig rig;
    ASSERT_TRUE(setProfile(rig.workspace, 1, 1));
    EXPECT_EQ(rig.liveWrites()[3], (LiveWrite{170, {0x18}}));
}

TEST(Profile, OfficeModeWithTheFixedColourAndButtonEffect) {
    SettingsRig rig;
    ASSERT_TRUE(setProfile(
        rig.workspace, 0, kFixedProfileColour,
        {.buttonEffectEnabled = true, .gameDelayEnabled = true, .buttonEffect = 1, .offset = 9}));
    EXPECT_EQ(
        rig.liveWrites(),
        (std::vector<LiveWrite>{{167, {1}}, {168, {0}}, {169, {0}}, {170, {0}}, {164, {0xF0}}}));
    EXPECT_FALSE(colourItemOf(12));
}

TEST(Profile, SwitchColourRewritesOnlyTheSwitchesToThatProfileAndPushes) {
    SettingsRig rig;
    auto& tables = rig.model.copies.profiles;
    const std::size_t gameSwitch = 5 * image::kKeyCodeSize;          // Profile1, key 6
    const std::size_t thirdSwitch = 2 * image::kProfileSectionSize;  // Profile3, key 1
    const std::array<std::uint8_t, 4> toGame{7, 0x81, 0, 0};
    const std::array<std::uint8_t, 4> toThird{7, 0x82, 0, 0};
    std::copy(toGame.begin(), toGame.end(), tables.begin() + gameSwitch);
    std::copy(toThird.begin(), toThird.end(), tables.begin() + thirdSwitch);
    ASSERT_TRUE(setProfileSwitchColour(rig.workspace, 1, 3, {.rtz = true, .offset = 0x11}));
    const image::Image eeprom = rig.mouse.eeprom();
    const auto at = [&](std::size_t offset) {
        const auto first =
            eeprom.begin() + static_cast<std::ptrdiff_t>(image::kProfiles.offset + offset);
        return std::vector<int>(first, first + 4);
    };
    EXPECT_EQ(at(gameSwitch), (std::vector<int>{7, 0xC1, 0x20, 0x11}))
        << "the target profile stays in the code";
    EXPECT_EQ(at(thirdSwitch), (std::vector<int>{7, 0x82, 0, 0}));
    EXPECT_EQ(profileSwitchColourOf(rig.model, 1), 3);
    EXPECT_FALSE(profileSwitchColourOf(rig.model, 0));
}

TEST(Profile, SwitchColourReachesEveryKeyNamedAfterTheProfile) {
    // 07 88 00 00 is named "Office Mode" (bit 3 of b1 is not part of the target).
    SettingsRig rig;
    const std::array<std::uint8_t, 4> toOffice{7, 0x88, 0, 0};
    auto& tables = rig.model.copies.profiles;
    std::copy(toOffice.begin(), toOffice.end(), tables.begin());
    ASSERT_TRUE(setProfileSwitchColour(rig.workspace, 0, 2));
    const image::Image eeprom = rig.mouse.eeprom();
    const auto first = eeprom.begin() + static_cast<std::ptrdiff_t>(image::kProfiles.offset);
    EXPECT_EQ(std::vector<int>(first, first + 4), (std::vector<int>{7, 0x80, 0x10, 0x18}));
    EXPECT_EQ(profileSwitchColourOf(rig.model, 0), 2);
}

TEST(Profile, SwitchColourWithoutSwitchesStillPushes) {
    SettingsRig rig;
    const auto before = rig.model.copies.profiles;
    ASSERT_TRUE(setProfileSwitchColour(rig.workspace, 2, 1));
    EXPECT_EQ(rig.commands(device::command::kBlockWrite).size(), 1u);
    // Only the check bytes the push recomputes may differ.
    for (std::size_t p = 0; p < image::kProfileCount; ++p) {
        for (std::size_t i = 0; i + 1 < image::kProfileSectionSize; ++i) {
            const std::size_t at = p * image::kProfileSectionSize + i;
            EXPECT_EQ(rig.model.copies.profiles[at], before[at]);
        }
    }
}

TEST(UsbIdentity, AnIdNeedsFourDigits) {
    SettingsRig rig;
    EXPECT_EQ(setUsbId(rig.workspace, UsbId::Vendor, "12A").failure,
              device::Failure::InvalidRequest);
    EXPECT_EQ(setUsbId(rig.workspace, UsbId::Vendor, "12AG").failure,
              device::Failure::InvalidRequest);
    EXPECT_TRUE(rig.liveWrites().empty());
    ASSERT_TRUE(setUsbId(rig.workspace, UsbId::Product, "12ab"));
    EXPECT_EQ(rig.liveWrites(), (std::vector<LiveWrite>{{2, {0x12, 0xAB}}}));
    EXPECT_EQ(usbIdentityOf(rig.model).productId, 0x12AB);
}

TEST(UsbIdentity, ProductTextIsSixWritesPaddedWithZeros) {
    SettingsRig rig;
    ASSERT_TRUE(setProductText(rig.workspace, "0123456789ABCDEF"));
    const auto writes = rig.liveWrites();
    ASSERT_EQ(writes.size(), 6u);
    EXPECT_EQ(writes[0], (LiveWrite{111, {'0', '1', '2'}}));
    EXPECT_EQ(writes[5], (LiveWrite{126, {'F'}}));
    EXPECT_EQ(usbIdentityOf(rig.model).productText, "0123456789ABCDEF");
    rig.mouse.clearReports();
    ASSERT_TRUE(setProductText(rig.workspace, ""));
    for (const LiveWrite& write : rig.liveWrites())
        EXPECT_EQ(write.bytes, std::vector<std::uint8_t>(write.bytes.size(), 0));
    EXPECT_EQ(rig.liveWrites().size(), 6u);
}

// What a USB string descriptor of this mouse can hold: one printable ASCII byte per character.
// Anything else is refused before a byte is sent, naming the first character it cannot store.
TEST(UsbIdentity, ProductTextTakesPrintableAsciiCountedInCharacters) {
    SettingsRig rig;
    const std::vector<std::pair<std::string, std::string>> refused{
        {"\x1b[31mRed", "character 1 is U+001B, a control character"},
        {"Two\nlines", "character 4 is U+000A, a control character"},
        {"Del\x7f", "character 4 is U+007F, a control character"},
        {"Caf\xc3\xa9", "character 4 is U+00E9"},
        {"\xf0\x9f\x96\xb1 Mouse", "character 1 is U+1F5B1"},
        {"ab\xff", "not UTF-8: character 3 is the byte 0xFF"},
        {"\xc3", "not UTF-8: character 1 is the byte 0xC3"},
        // Sixteen characters of two bytes each: the character, not the length, is refused.
        {"\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9",
         "character 1 is U+00E9"},
        {std::string(17, 'x'), "at most 16 characters; this one has 17"},
    };
    for (const auto& [text, why] : refused) {
        const device::Result result = setProductText(rig.workspace, text);
        EXPECT_EQ(result.failure, device::Failure::InvalidRequest) << text;
        EXPECT_NE(result.detail.find(why), std::string::npos) << result.detail;
        EXPECT_EQ(productTextProblem(text), result.detail);
    }
    EXPECT_TRUE(rig.liveWrites().empty());
    EXPECT_EQ(usbIdentityOf(rig.model).productText, "HID Gaming Mouse");

    const std::string everyKind = " ~\"\\Mouse 1.0!";
    EXPECT_EQ(productTextProblem(everyKind), "");
    ASSERT_TRUE(setProductText(rig.workspace, everyKind));
    EXPECT_EQ(usbIdentityOf(rig.model).productText, everyKind) << "kept as typed, not escaped";
}

TEST(UsbIdentity, NumbersAbove255WriteFF) {
    SettingsRig rig;
    ASSERT_TRUE(setProductNumbers(rig.workspace, 300, 7));
    EXPECT_EQ(usbIdentityOf(rig.model).manufacturerNumber, 255);
    EXPECT_EQ(rig.mouse.eeprom()[484], 0xFF);
    EXPECT_EQ(rig.mouse.eeprom()[485], 7);
}

TEST(SensorRegisters, ValuesAboveFFWriteFF) {
    SettingsRig rig;
    const auto maxShut = registerAddressOf("maxshut");
    ASSERT_EQ(maxShut, 31u);
    ASSERT_TRUE(setSensorRegister(rig.workspace, *maxShut, 0x1FF));
    EXPECT_EQ(rig.liveWrites(), (std::vector<LiveWrite>{{31, {0xFF}}}));
    EXPECT_EQ(rig.model.copies.vendor[31], 0xFF);
    EXPECT_EQ(registerAddressOf("LED Init1"), 41u);
    EXPECT_EQ(setSensorRegister(rig.workspace, 42, 1).failure, device::Failure::InvalidRequest);
}

TEST(SensorRegisters, RefusedWriteRestoresTheRegister) {
    SettingsRig rig;
    const std::uint8_t held = rig.model.copies.vendor[9];
    rig.mouse.refuseCommands(true);
    EXPECT_FALSE(setSensorRegister(rig.workspace, 9, held ^ 0xFF));
    EXPECT_EQ(rig.model.copies.vendor[9], held);
}

}  // namespace
}  // namespace gm::settings
