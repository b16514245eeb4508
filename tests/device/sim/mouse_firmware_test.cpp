#include "device/sim/mouse_firmware.h"

#include <gtest/gtest.h>

#include <array>

#include "image/check_byte.h"

namespace gm::sim {
namespace {

using device::StatusButton;
using Report = std::array<std::uint8_t, 8>;

class MouseFirmwareTest : public ::testing::Test {
protected:
    MouseFirmwareTest() : firmware(image::ChipType::Chip4210A) {
        for (std::size_t i = 0; i < image::kImageSize; ++i) {
            firmware.eeprom()[i] = static_cast<std::uint8_t>(i * 7);
        }
    }
    bool send(Report report) { return firmware.command(report); }
    std::vector<std::uint8_t> fetch(std::size_t reports) {
        std::vector<std::uint8_t> bytes;
        for (std::size_t i = 0; i < reports; ++i) {
            const auto payload = firmware.nextDataReport();
            bytes.insert(bytes.end(), payload.begin(), payload.end());
        }
        return bytes;
    }
    MouseFirmware firmware;
};

TEST_F(MouseFirmwareTest, IdentifyAnswersChipByteAndMarker) {
    ASSERT_TRUE(send({0x40, 0x0D}));
    EXPECT_EQ(fetch(1), (std::vector<std::uint8_t>{0x40, 0x3A, 0, 0, 0, 0, 0}));

    MouseFirmware chip4230(image::ChipType::Chip4230A);
    ASSERT_TRUE(chip4230.command(Report{0x40, 0x0D}));
    EXPECT_EQ(chip4230.nextDataReport()[0], 0x3F);

    firmware.setBadIdentify(true);
    ASSERT_TRUE(send({0x40, 0x0D}));
    EXPECT_NE(firmware.nextDataReport()[1], 0x3A);
}

TEST_F(MouseFirmwareTest, BlockReadStreamsSevenByteChunksAndPadsBeyondTheImage) {
    // 10 bytes from 2044: four image bytes, then 0xFF past the end; then zero padding.
    ASSERT_TRUE(send({0x40, 0x09, 0x07, 0xFC, 0x00, 0x0A}));
    const auto bytes = fetch(2);
    const auto& e = firmware.eeprom();
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{e[2044], e[2045], e[2046], e[2047], 0xFF, 0xFF,
                                                0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}));
    EXPECT_EQ(fetch(1), std::vector<std::uint8_t>(7, 0)) << "an exhausted stream answers zeros";
}

TEST_F(MouseFirmwareTest, BlockWriteLandsOnlyTheAnnouncedLengthAndDropsBytesPastTheEnd) {
    const auto before = firmware.eeprom();
    ASSERT_TRUE(send({0x40, 0x07, 0x00, 0x10, 0x00, 0x08}));
    firmware.receiveData({1, 2, 3, 4, 5, 6, 7});
    firmware.receiveData({8, 9, 9, 9, 9, 9, 9});
    firmware.receiveData({5, 5, 5, 5, 5, 5, 5});  // after the block: ignored
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(firmware.eeprom()[0x10 + i], i + 1);
    }
    EXPECT_EQ(firmware.eeprom()[0x18], before[0x18]);

    ASSERT_TRUE(send({0x40, 0x07, 0x07, 0xFE, 0x00, 0x07}));
    firmware.receiveData({0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7});
    EXPECT_EQ(firmware.eeprom()[2046], 0xA1);
    EXPECT_EQ(firmware.eeprom()[2047], 0xA2);
    EXPECT_EQ(firmware.eeprom()[0], before[0]) << "no wrap onto the image start";
}

TEST_F(MouseFirmwareTest, LiveWritesStoreAtEightBitAddressesAndKeyStatusWritesDoNot) {
    ASSERT_TRUE(send({0x40, 0x05, 0x00, 0xFF, 0x11, 0x22, 0x33, 2}));
    EXPECT_EQ(firmware.eeprom()[255], 0x11);
    EXPECT_EQ(firmware.eeprom()[0], 0x22) << "8-bit address wraps";
    EXPECT_NE(firmware.eeprom()[1], 0x33) << "count 2 writes two bytes";

    EXPECT_FALSE(send({0x40, 0x05, 0x00, 0x10, 1, 2, 3, 0}));
    EXPECT_FALSE(send({0x40, 0x05, 0x00, 0x10, 1, 2, 3, 4}));
    EXPECT_FALSE(send({0x40, 0x05, 0x02, 0x10, 1, 2, 3, 1}));

    const auto before = firmware.eeprom();
    ASSERT_TRUE(send({0x40, 0x05, 0x01, 0x20, 0xA, 0xB, 0xC, 0xD}));
    EXPECT_EQ(firmware.eeprom(), before);
    ASSERT_EQ(firmware.keyStatusWrites().size(), 1u);
    EXPECT_EQ(firmware.keyStatusWrites()[0], (KeyStatusWrite{0x20, {0xA, 0xB, 0xC, 0xD}}));
}

TEST_F(MouseFirmwareTest, LiveReadWrapsAtTwoHundredFiftySixAndNeedsTargetZero) {
    ASSERT_TRUE(send({0x40, 0x06, 0x00, 0xFE, 0x00, 3}));
    const auto& e = firmware.eeprom();
    EXPECT_EQ(fetch(1), (std::vector<std::uint8_t>{e[254], e[255], e[0], 0, 0, 0, 0}));
    EXPECT_FALSE(send({0x40, 0x06, 0x01, 0x00, 0x00, 3}));
}

TEST_F(MouseFirmwareTest, XDataReadAndWriteUseSixteenBitAddresses) {
    ASSERT_TRUE(send({0x40, 0x01, 0x72, 0x41, 0x06}));
    EXPECT_EQ(firmware.xdata()[0x7241], 0x06);
    ASSERT_TRUE(send({0x40, 0x02, 0x72, 0x41, 0x00, 0x01}));
    EXPECT_EQ(fetch(1)[0], 0x06);
}

TEST_F(MouseFirmwareTest, UnknownCodesAreRefusedAndANewCommandDropsAPendingStream) {
    EXPECT_FALSE(send({0x40, 0x03}));
    ASSERT_TRUE(send({0x40, 0x09, 0x00, 0x00, 0x00, 0x0E}));
    fetch(1);
    ASSERT_TRUE(send({0x40, 0x0D}));
    EXPECT_EQ(fetch(1)[1], 0x3A) << "identify answers at once, not the rest of the read";
}

TEST_F(MouseFirmwareTest, CpiButtonsMoveWithinTheLevelCount) {
    firmware.eeprom()[kLevelCountOffset] = 2;  // three levels
    firmware.eeprom()[kCurrentLevelOffset] = 1;
    EXPECT_EQ(firmware.press(StatusButton::Cpi), 0x01);
    EXPECT_EQ(firmware.currentLevel(), 2);
    firmware.press(StatusButton::Cpi);
    EXPECT_EQ(firmware.currentLevel(), 0) << "loops";
    EXPECT_EQ(firmware.press(StatusButton::CpiDown), 0x04);
    EXPECT_EQ(firmware.currentLevel(), 0) << "stops at the first level";
    firmware.press(StatusButton::CpiUp);
    firmware.press(StatusButton::CpiUp);
    EXPECT_EQ(firmware.press(StatusButton::CpiUp), 0x02);
    EXPECT_EQ(firmware.currentLevel(), 2) << "stops at the last level";
}

TEST_F(MouseFirmwareTest, ProfileButtonLoopsTheLowNibbleAndKeepsTheUserCheckByte) {
    firmware.eeprom()[kProfileOffset] = 0x52;
    EXPECT_EQ(firmware.press(StatusButton::Profile), 0x08);
    EXPECT_EQ(firmware.eeprom()[kProfileOffset], 0x50);
    firmware.press(StatusButton::Profile);
    EXPECT_EQ(firmware.currentProfile(), 1);
    EXPECT_TRUE(image::hasValidCheckByte(
        std::span(firmware.eeprom()).subspan(image::kUser.offset, image::kUser.length)));
}

}  // namespace
}  // namespace gm::sim
