// Choosing the mouse's interfaces by the reports their descriptors declare, as on Linux where
// every hidraw node of the mouse accepts the probes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "device/link/transport.h"
#include "device/sim/report_descriptors.h"
#include "kernel_node_bus.h"

namespace gm::device {
namespace {

using testing::KernelNodeBus;
using namespace std::chrono_literals;

class TransportNodesTest : public ::testing::Test {
protected:
    TransportNodesTest()
        : timing(Timing::instant()),
          mouse(clock, image::ChipType::Chip4210A),
          bus(mouse),
          transport(bus, clock, timing) {}

    // True when a status button press reaches the transport's status channel.
    bool statusReportsArrive() {
        mouse.press(StatusButton::Cpi);
        std::array<std::uint8_t, 4> buffer{};
        const auto read = transport.readInputReport(buffer, 1s);
        return read.status == hid::ReadStatus::Ok && buffer[0] == kStatusReportId;
    }

    ManualClock clock;
    Timing timing;
    sim::VirtualMouse mouse;
    KernelNodeBus bus;
    Transport transport;
};

struct NodeSpec {
    const char* path;
    std::vector<std::uint8_t> (*descriptor)();
};

const std::array<NodeSpec, 3> kSplitMouse{{{"pointer", sim::pointerReportDescriptor},
                                           {"keyboard", sim::keyboardWithCommandReportsDescriptor},
                                           {"status", sim::statusReportDescriptor}}};

// The three interfaces of a mouse that splits its vendor reports, enumerated in every order.
class SplitMouseOrderTest : public TransportNodesTest,
                            public ::testing::WithParamInterface<std::array<int, 3>> {};

TEST_P(SplitMouseOrderTest, CommandsGoToTheDeclaringNodeAndStatusComesFromItsOwn) {
    for (int index : GetParam()) {
        bus.add(kSplitMouse[static_cast<std::size_t>(index)].path,
                kSplitMouse[static_cast<std::size_t>(index)].descriptor());
    }
    const auto opened = transport.openMouse(0x7A3E, 0x08B8);
    ASSERT_TRUE(opened.found);
    const LinkState link = transport.link();
    EXPECT_EQ(KernelNodeBus::nodeOf(link.commandHandle), "keyboard");
    EXPECT_EQ(KernelNodeBus::nodeOf(link.dataHandle), "keyboard");
    EXPECT_EQ(KernelNodeBus::nodeOf(link.readWriteHandle), "status");
    EXPECT_EQ(link.featureLength, 8u);
    EXPECT_EQ(link.inputLength, 4u);
    EXPECT_TRUE(statusReportsArrive());
}

std::vector<std::array<int, 3>> everyOrder() {
    std::array<int, 3> order{0, 1, 2};
    std::vector<std::array<int, 3>> orders;
    do {
        orders.push_back(order);
    } while (std::next_permutation(order.begin(), order.end()));
    return orders;
}

INSTANTIATE_TEST_SUITE_P(EveryOrder, SplitMouseOrderTest, ::testing::ValuesIn(everyOrder()),
                         [](const auto& order) {
                             std::string name;
                             for (int index : order.param) {
                                 name += kSplitMouse[static_cast<std::size_t>(index)].path;
                             }
                             return name;
                         });

TEST_F(TransportNodesTest, OneInterfaceWithEveryCollectionServesAllThreeChannels) {
    bus.add("single", sim::singleInterfaceReportDescriptor());
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    const LinkState link = transport.link();
    EXPECT_EQ(KernelNodeBus::nodeOf(link.commandHandle), "single");
    EXPECT_EQ(KernelNodeBus::nodeOf(link.readWriteHandle), "single");
    EXPECT_TRUE(statusReportsArrive());
}

TEST_F(TransportNodesTest, TheLastOfTheQualifyingNodesWins) {
    bus.add("status-a", sim::statusReportDescriptor());
    bus.add("keyboard-a", sim::keyboardWithCommandReportsDescriptor());
    bus.add("keyboard-b", sim::keyboardWithCommandReportsDescriptor());
    bus.add("status-b", sim::statusReportDescriptor());
    bus.add("pointer", sim::pointerReportDescriptor());
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    const LinkState link = transport.link();
    EXPECT_EQ(KernelNodeBus::nodeOf(link.commandHandle), "keyboard-b");
    EXPECT_EQ(KernelNodeBus::nodeOf(link.readWriteHandle), "status-b");
}

TEST_F(TransportNodesTest, NodesThatOnlyAcceptTheProbesDoNotQualify) {
    // An 8-byte feature report of another id, and the command reports with the wrong length.
    bus.add("status", sim::statusReportDescriptor());
    std::vector<std::uint8_t> longData = sim::keyboardWithCommandReportsDescriptor();
    const auto count = std::find(longData.begin(), longData.end(), 0x41);  // Report ID (0x41)
    ASSERT_NE(count, longData.end());
    *(count + 2) = 0x0F;  // its Report Count: 15 bytes
    bus.add("long", longData);
    const auto opened = transport.openMouse(0x7A3E, 0x08B8);
    EXPECT_FALSE(opened.found);
    EXPECT_FALSE(transport.hasCommandChannel());
    EXPECT_FALSE(transport.hasInputChannel()) << "a status node alone is no link";
    EXPECT_TRUE(mouse.reports().empty()) << "no probe was sent";
}

TEST_F(TransportNodesTest, ADeniedStatusNodeLeavesTheCommandChannels) {
    bus.add("keyboard", sim::keyboardWithCommandReportsDescriptor());
    bus.add("status", sim::statusReportDescriptor()).permissionDenied = true;
    const auto opened = transport.openMouse(0x7A3E, 0x08B8);
    EXPECT_TRUE(opened.found);
    EXPECT_FALSE(opened.permissionDenied);
    EXPECT_TRUE(transport.hasCommandChannel() && transport.hasDataChannel());
    EXPECT_FALSE(transport.hasInputChannel());
}

}  // namespace
}  // namespace gm::device
