// The option map and the report rate: fields rewrite only their bits, the unowned bits survive,
// and only a real change of the rate restarts the mouse.
#include "settings/device_options.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string_view>
#include <vector>

#include "settings/report_rate.h"
#include "settings_rig.h"

namespace gm::settings {
namespace {

using testing::LiveWrite;
using testing::SettingsRig;

TEST(ReportRate, NewRateWritesTheByteAndRestarts) {
    SettingsRig rig;
    ASSERT_EQ(rig.model.reportRateHz, 1000);
    ASSERT_EQ(rig.mouse.eeprom()[4], 0xBF);
    ASSERT_TRUE(setReportRate(rig.workspace, 500));
    EXPECT_EQ(rig.liveWrites().front(), (LiveWrite{4, {0xAF}}));
    EXPECT_EQ(rig.commands(device::command::kRestart).size(), 1u);
    EXPECT_EQ(rig.model.reportRateHz, 500);
    EXPECT_EQ(rig.model.copies.vendor[4], 0xAF) << "read back after the restart";
}

TEST(ReportRate, ActiveRateWritesWithoutRestart) {
    SettingsRig rig;
    ASSERT_TRUE(setReportRate(rig.workspace, 1000));
    EXPECT_EQ(rig.liveWrites(), (std::vector<LiveWrite>{{4, {0xBF}}}));
    EXPECT_TRUE(rig.commands(device::command::kRestart).empty());
}

TEST(ReportRate, RefusedWriteDoesNotRestart) {
    SettingsRig rig;
    rig.mouse.refuseCommands(true);
    EXPECT_FALSE(setReportRate(rig.workspace, 250));
    rig.mouse.refuseCommands(false);
    EXPECT_TRUE(rig.commands(device::command::kRestart).empty());
    EXPECT_EQ(rig.model.copies.vendor[4], 0xBF);
    EXPECT_EQ(rig.model.reportRateHz, 1000);
}

TEST(ReportRate, RateRewritesOnlyBitsFiveAndFour) {
    // From a Vendor 4 of all ones, each rate's byte differs only in the rate bits.
    struct Case {
        int hertz;
        std::uint8_t written;
    };
    const Case cases[] = {{500, 0xEF}, {250, 0xDF}, {125, 0xCF}, {1000, 0xFF}};
    SettingsRig rig;
    for (const Case& c : cases) {
        rig.setMouseByte(4, 0xFF);
        ASSERT_TRUE(setReportRate(rig.workspace, c.hertz)) << c.hertz;
        EXPECT_EQ(rig.liveWrites().front(), (LiveWrite{4, {c.written}})) << c.hertz;
        EXPECT_EQ(rig.mouse.eeprom()[4], c.written) << c.hertz;
    }
}

TEST(DeviceOptions, UnownedBitsSurviveEveryEdit) {
    SettingsRig rig;
    rig.setMouseByte(4, 0xBD);  // bits 2-0 = 101
    rig.setMouseByte(8, 0x5F);  // bits 7-4 = 0101
    for (const OptionField& field : optionFields()) {
        for (std::size_t item = 0; item < field.items.size(); ++item)
            ASSERT_TRUE(setOption(rig.workspace, field, item)) << field.name;
    }
    ASSERT_TRUE(setReportRate(rig.workspace, 1000));
    for (const LiveWrite& write : rig.liveWrites()) {
        if (write.address == 4) {
            EXPECT_EQ(write.bytes[0] & 0x07, 0x05);
        }
        if (write.address == 8) {
            EXPECT_EQ(write.bytes[0] & 0xF0, 0x50);
        }
    }
    EXPECT_EQ(rig.mouse.eeprom()[4] & 0x07, 0x05);
    EXPECT_EQ(rig.mouse.eeprom()[8] & 0xF0, 0x50);
}

TEST(DeviceOptions, FieldsWriteTheirTableValues) {
    SettingsRig rig;
    rig.setMouseByte(5, 0x00);
    const OptionField& indication = *optionNamed("cpi-indication");
    EXPECT_EQ(optionItemOf(indication, rig.model), 0u) << "00 reads as No Indication";
    ASSERT_TRUE(setOption(rig.workspace, indication, 0));
    EXPECT_EQ(rig.liveWrites().back(), (LiveWrite{5, {0x10}}));
    ASSERT_TRUE(setOption(rig.workspace, *optionNamed("cpi-prescaler"), 0));  // 1.00x = 11
    EXPECT_EQ(rig.model.copies.vendor[6] & 0x30, 0x30);
    ASSERT_TRUE(setOption(rig.workspace, *optionNamed("package"), 1));
    EXPECT_EQ(rig.model.packageItem, 1);
    EXPECT_EQ(optionItemNamed(*optionNamed("fire-key-count"), "2 TIMES"), 3u);
    EXPECT_FALSE(optionItemNamed(*optionNamed("fire-key-count"), "5 times"));
}

// Every option field: its byte, the bits it owns, and what each item stores there, in item order.
struct FieldLayout {
    std::string_view name;
    int address;
    std::uint8_t mask;
    std::vector<std::uint8_t> codes;
};
const FieldLayout kFieldLayouts[] = {
    {"chip-type", 4, 0xC0, {0x00, 0x40, 0x80, 0xC0}},
    {"sensor-enhance", 4, 0x08, {0x00, 0x08}},
    {"package", 5, 0x80, {0x00, 0x80}},
    {"key-matrix", 5, 0x40, {0x00, 0x40}},
    {"cpi-indication", 5, 0x30, {0x10, 0x20, 0x30}},
    {"cpi-set", 5, 0x0C, {0x0C, 0x08, 0x04, 0x00}},
    {"cpi-start-level", 5, 0x03, {0x00, 0x01, 0x02, 0x03}},
    {"sensor-rotation", 6, 0xC0, {0x00, 0x40, 0x80, 0xC0}},
    {"cpi-prescaler", 6, 0x30, {0x30, 0x10, 0x20, 0x00}},
    {"fire-key-rate", 6, 0x0C, {0x00, 0x04, 0x08, 0x0C}},
    {"fire-key-count", 6, 0x03, {0x00, 0x01, 0x02, 0x03}},
    {"led-ctrl0", 7, 0x80, {0x00, 0x80}},
    {"led-ctrl1", 7, 0x40, {0x00, 0x40}},
    {"led-mode-fuse", 7, 0x30, {0x00, 0x10, 0x20, 0x30}},
    {"combo-key-time", 7, 0x08, {0x00, 0x08}},
    {"usb-cdr", 7, 0x04, {0x00, 0x04}},
    {"sensor-sleep", 7, 0x02, {0x00, 0x02}},
    {"led-power", 7, 0x01, {0x00, 0x01}},
    {"eft-rely-nak", 8, 0x08, {0x00, 0x08}},
    {"eft-relug", 8, 0x04, {0x00, 0x04}},
    {"keep-profile-info", 8, 0x02, {0x00, 0x02}},
    {"profile-led-flash", 8, 0x01, {0x00, 0x01}},
};

TEST(DeviceOptions, EveryItemStoresItsCodeKeepsTheOtherBitsAndReadsBack) {
    SettingsRig rig;
    EXPECT_EQ(std::size(kFieldLayouts), optionFields().size()) << "a field without its layout";
    for (const FieldLayout& layout : kFieldLayouts) {
        const OptionField* field = optionNamed(layout.name);
        ASSERT_NE(field, nullptr) << layout.name;
        ASSERT_EQ(field->items.size(), layout.codes.size()) << layout.name;
        // Each edit starts from a byte of all ones, so a bit it clears outside its field shows.
        const auto address = static_cast<std::size_t>(layout.address);
        rig.setMouseByte(address, 0xFF);
        for (std::size_t item = 0; item < layout.codes.size(); ++item) {
            rig.mouse.clearReports();
            ASSERT_TRUE(setOption(rig.workspace, *field, item)) << layout.name << " " << item;
            const auto written = static_cast<std::uint8_t>(~layout.mask | layout.codes[item]);
            EXPECT_EQ(rig.liveWrites(), (std::vector<LiveWrite>{{layout.address, {written}}}))
                << layout.name << " item " << item;
            ASSERT_TRUE(rig.session.readWholeImage());
            EXPECT_EQ(optionItemOf(*field, rig.model), item) << layout.name << " read back";
            rig.setMouseByte(address, 0xFF);
        }
    }
}

TEST(ImageState, EveryReadTakesTheLedTypeAndPackage) {
    SettingsRig rig;
    EXPECT_EQ(rig.model.ledTypeText, "MCULED");
    rig.setMouseByte(165, 0x05);
    rig.setMouseByte(5, 0x9F);
    EXPECT_EQ(rig.model.ledTypeText, "RGB");
    EXPECT_EQ(rig.model.packageItem, 1);
    rig.session.deviceGone();
    EXPECT_EQ(rig.model.reportRateHz, 0);
}

}  // namespace
}  // namespace gm::settings
