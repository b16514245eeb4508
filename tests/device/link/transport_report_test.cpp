#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "device/link/transport.h"
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"

namespace gm::device {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

image::Image patternImage() {
    image::Image image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i + 1);
    }
    return image;
}

// Real pacing on a manual clock: the paced amount shows as clock time, at no real cost.
class TransportReportTest : public ::testing::Test {
protected:
    TransportReportTest()
        : mouse(clock, image::ChipType::Chip4210A, patternImage()), transport(bus, clock, timing) {
        bus.attach(mouse);
        EXPECT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
        mouse.clearReports();
    }
    Bytes lastReport() const { return mouse.reports().back().bytes; }

    ManualClock clock;
    Timing timing;
    sim::VirtualBus bus;
    sim::VirtualMouse mouse;
    Transport transport;
};

TEST_F(TransportReportTest, CommandAndDataReportsCarryTheirIdsAndArguments) {
    EXPECT_TRUE(transport.sendCommand(0x07, 0x01, 0x02, 0x00, 0x03));
    EXPECT_EQ(lastReport(), (Bytes{0x40, 0x07, 0x01, 0x02, 0x00, 0x03, 0, 0}));
    EXPECT_TRUE(transport.sendData({0xA1, 0xA2, 0xA3, 0, 0, 0, 0}));
    EXPECT_EQ(lastReport(), (Bytes{0x41, 0xA1, 0xA2, 0xA3, 0, 0, 0, 0}));
    EXPECT_EQ(mouse.eeprom()[0x102], 0xA1);

    const std::array<std::uint8_t, 8> full{0x40, 0x05, 0x00, 0x20, 9, 8, 7, 3};
    EXPECT_TRUE(transport.sendCommandReport(full));
    EXPECT_EQ(mouse.eeprom()[0x22], 7);
    const std::array<std::uint8_t, 8> wrongId{0x41, 0x05, 0x00, 0x20, 1, 1, 1, 3};
    EXPECT_FALSE(transport.sendCommandReport(wrongId));
}

TEST_F(TransportReportTest, ASuccessfulDataReadCopiesThePayloadAndWaitsExactlyThePacing) {
    ASSERT_TRUE(transport.sendCommand(0x09, 0x00, 0x00, 0x00, 0x0E));
    const Micros before = clock.totalSlept();
    ASSERT_TRUE(transport.readData());
    EXPECT_EQ(transport.response(), (Payload{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(clock.totalSlept() - before, timing.dataReportPacing);
    ASSERT_TRUE(transport.readData());
    EXPECT_EQ(transport.response(), (Payload{8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(clock.totalSlept() - before, 2 * timing.dataReportPacing);
}

TEST_F(TransportReportTest, ARefusedDataReadLeavesFFAndSkipsThePacing) {
    ASSERT_TRUE(transport.sendCommand(0x09, 0x00, 0x00, 0x00, 0x0E));
    mouse.refuseDataFrom(1);
    const Micros before = clock.totalSlept();
    EXPECT_FALSE(transport.readData());
    EXPECT_EQ(transport.response(), (Payload{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(clock.totalSlept(), before);
}

TEST_F(TransportReportTest, AMouseVanishingMidTransferFailsEveryLaterReport) {
    ASSERT_TRUE(transport.sendCommand(0x09, 0x00, 0x00, 0x00, 0x1C));
    mouse.vanishAfter(2);
    EXPECT_TRUE(transport.readData());
    EXPECT_TRUE(transport.readData());
    EXPECT_FALSE(transport.readData());
    EXPECT_FALSE(transport.sendCommand(0x0D));
    EXPECT_EQ(transport.countHidDevices(), 0);
}

TEST_F(TransportReportTest, RestartDropsTheMouseUntilTheDelayHasPassed) {
    mouse.setRestartDelay(timing.restartSettle);
    ASSERT_TRUE(transport.sendCommand(0x0E));
    EXPECT_FALSE(transport.sendCommand(0x0D)) << "the old handles died with the restart";
    EXPECT_FALSE(transport.openMouse(0x7A3E, 0x08B8).found);
    clock.sleepFor(timing.restartSettle);
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    EXPECT_TRUE(transport.sendCommand(0x0D));
}

TEST_F(TransportReportTest, StatusInputNeverOverrunsTheCallersBuffer) {
    mouse.press(StatusButton::Profile);
    std::array<std::uint8_t, 4> buffer{0, 0xEE, 0xEE, 0xEE};
    auto read = transport.readInputReport(std::span(buffer).first(1), 1s);
    EXPECT_EQ(read.status, hid::ReadStatus::Ok);
    EXPECT_EQ(read.length, 1u);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0x42, 0xEE, 0xEE, 0xEE}));

    read = transport.readInputReport(buffer, 1s);
    EXPECT_EQ(read.length, 4u);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0x42, 0, 0, 0x00}));
}

TEST_F(TransportReportTest, AStatusReaderRunsBesideTransfersAndInvalidation) {
    std::atomic<int> statusReports{0};
    std::thread listener([&] {
        std::array<std::uint8_t, 4> buffer{};
        for (;;) {
            const auto read = transport.readInputReport(buffer, 1ms);
            if (read.status == hid::ReadStatus::Error) {
                return;
            }
            statusReports += read.status == hid::ReadStatus::Ok ? 1 : 0;
        }
    });
    for (int i = 0; i < 20; ++i) {
        mouse.press(StatusButton::CpiUp);
        EXPECT_TRUE(transport.sendCommand(0x09, 0x00, 0x00, 0x00, 0x07));
        EXPECT_TRUE(transport.readData());
    }
    transport.invalidate();
    listener.join();
    EXPECT_LE(statusReports.load(), 40);
    EXPECT_FALSE(transport.readData());
}

TEST_F(TransportReportTest, TracesEveryReportSentAndReceived) {
    std::vector<std::string> lines;
    transport.setTrace([&](ReportKind kind, std::span<const std::uint8_t> bytes) {
        lines.push_back(formatTraceLine(kind, bytes));
    });
    transport.sendCommand(0x09, 0x00, 0x00, 0x00, 0x02);
    transport.readData();
    mouse.press(StatusButton::Cpi);
    std::array<std::uint8_t, 4> buffer{};
    transport.readInputReport(buffer, 1s);
    EXPECT_EQ(lines, (std::vector<std::string>{"set-feature 40 09 00 00 00 02 00 00",
                                               "get-feature 41 01 02 00 00 00 00 00",
                                               "input 42 00 00 01"}));
}

}  // namespace
}  // namespace gm::device
