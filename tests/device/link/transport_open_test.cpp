#include <gtest/gtest.h>

#include "device/link/transport.h"
#include "device/sim/report_descriptors.h"
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"

namespace gm::device {
namespace {

using sim::VirtualMouse;

class TransportOpenTest : public ::testing::Test {
protected:
    TransportOpenTest()
        : timing(Timing::instant()),
          first(clock, image::ChipType::Chip4210A),
          transport(bus, clock, timing) {}

    ManualClock clock;
    Timing timing;
    sim::VirtualBus bus;
    VirtualMouse first;
    Transport transport;
};

TEST_F(TransportOpenTest, OpensTheVendorInterfaceAndFillsTheLinkState) {
    bus.attach(first);
    first.setVersion(0x0207);
    const auto result = transport.openMouse(0x7A3E, 0x08B8);
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.version, 0x0207);
    EXPECT_EQ(result.problem, "");
    const LinkState link = transport.link();
    EXPECT_EQ(link.vendorId, 0x7A3Eu);
    EXPECT_EQ(link.productId, 0x08B8u);
    EXPECT_EQ(link.featureLength, 8u);
    EXPECT_EQ(link.inputLength, 4u);
    EXPECT_TRUE(link.commandHandle && link.dataHandle && link.readWriteHandle);
    EXPECT_EQ(link.commandHandle, link.dataHandle);

    // The probes: identify on the command channel, one data report fetched.
    const auto seen = first.reports();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].bytes, (std::vector<std::uint8_t>{0x40, 0x0D, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(seen[1].kind, ReportKind::GetFeature);
}

TEST_F(TransportOpenTest, ComparesIdsOnTheirLowSixteenBits) {
    bus.attach(first);
    EXPECT_TRUE(transport.openMouse(0xFFFF7A3E, 0x100008B8).found);
    EXPECT_FALSE(transport.openMouse(0x7A3F, 0x08B8).found);
    EXPECT_FALSE(transport.hasCommandChannel()) << "a failed search leaves no link";
}

TEST_F(TransportOpenTest, TheLastOfTwoMatchingInterfacesWins) {
    VirtualMouse second(clock, image::ChipType::Chip4230A);
    bus.attach(first);
    bus.attach(second);
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    first.clearReports();
    second.clearReports();
    EXPECT_TRUE(transport.sendCommand(0x0D));
    EXPECT_TRUE(first.reports().empty());
    EXPECT_EQ(second.reports().size(), 1u);
}

TEST_F(TransportOpenTest, SkipsInterfacesWithOtherIdsOrWithoutEightByteFeatures) {
    // Right ids without the vendor collection, and the vendor collection under other ids.
    bus.plugGeneric({"", 0x7A3E, 0x08B8, 1, sim::pointerReportDescriptor()});
    bus.plugGeneric({"", 0x1234, 0x5678, 1, sim::vendorReportDescriptor()});
    bus.plugGeneric({"", 0x7A3E, 0x08B8, 1, {0x05, 0x01, 0xA1}});  // broken descriptor
    EXPECT_FALSE(transport.openMouse(0x7A3E, 0x08B8).found);
    bus.attach(first);
    bus.plugGeneric({"", 0x1234, 0x5678, 1, sim::vendorReportDescriptor()});
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    EXPECT_TRUE(transport.hasCommandChannel());
    EXPECT_TRUE(transport.hasDataChannel());
}

TEST_F(TransportOpenTest, WithoutAnsweringProbesTheMouseIsFoundButHasNoChannels) {
    bus.attach(first);
    first.refuseCommands(true);
    first.refuseDataFrom(1);
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    EXPECT_FALSE(transport.hasCommandChannel());
    EXPECT_FALSE(transport.hasDataChannel());

    first.clearFaults();
    first.clearReports();
    EXPECT_FALSE(transport.sendCommand(0x0D));
    EXPECT_FALSE(transport.sendData(Payload{}));
    EXPECT_FALSE(transport.readData());
    EXPECT_EQ(transport.response(), (Payload{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(first.reports().empty()) << "nothing reached the bus";
}

TEST_F(TransportOpenTest, ADeniedInterfaceReportsWhyUnlessAnotherOneOpened) {
    bus.attach(first);
    first.denyOpen("permission denied: sim/mouse (install the udev rule)");
    auto result = transport.openMouse(0x7A3E, 0x08B8);
    EXPECT_FALSE(result.found);
    EXPECT_EQ(result.problem, "permission denied: sim/mouse (install the udev rule)");

    VirtualMouse second(clock, image::ChipType::Chip4210A);
    bus.attach(second);
    result = transport.openMouse(0x7A3E, 0x08B8);
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.problem, "");
}

TEST_F(TransportOpenTest, InvalidateDropsEveryHandle) {
    bus.attach(first);
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    transport.invalidate();
    EXPECT_FALSE(transport.hasCommandChannel());
    EXPECT_FALSE(transport.hasDataChannel());
    EXPECT_FALSE(transport.hasInputChannel());
    EXPECT_EQ(transport.link().vendorId, 0u);
    std::array<std::uint8_t, 4> buffer{};
    EXPECT_EQ(transport.readInputReport(buffer, std::chrono::milliseconds{0}).status,
              hid::ReadStatus::Error);
}

}  // namespace
}  // namespace gm::device
