// What the transport tells the session about the open link: a search refused for want of
// permission, a device gone under open handles, and short answers to data requests.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "device/link/transport.h"
#include "device/sim/report_descriptors.h"
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"
#include "kernel_node_bus.h"

namespace gm::device {
namespace {

using namespace std::chrono_literals;
using sim::VirtualMouse;

class TransportLinkTest : public ::testing::Test {
protected:
    TransportLinkTest()
        : timing(Timing::instant()),
          mouse(clock, image::ChipType::Chip4210A),
          transport(bus, clock, timing) {
        bus.attach(mouse);
    }

    ManualClock clock;
    Timing timing;
    sim::VirtualBus bus;
    VirtualMouse mouse;
    Transport transport;
};

TEST_F(TransportLinkTest, ASearchRefusedForPermissionSaysSoAndAnotherSearchSucceedsLater) {
    mouse.denyOpen("no permission to open the mouse");
    const int count = transport.countHidDevices();
    auto opened = transport.openMouse(0x7A3E, 0x08B8);
    EXPECT_FALSE(opened.found);
    EXPECT_TRUE(opened.permissionDenied);
    EXPECT_EQ(opened.problem, "no permission to open the mouse");

    // The user installs the rule: nothing changes on the bus, yet the next search opens.
    mouse.denyOpen("");
    EXPECT_EQ(transport.countHidDevices(), count);
    opened = transport.openMouse(0x7A3E, 0x08B8);
    EXPECT_TRUE(opened.found);
    EXPECT_FALSE(opened.permissionDenied);
}

TEST_F(TransportLinkTest, AnAbsentMouseIsNoPermissionProblem) {
    bus.detach(mouse);
    const auto opened = transport.openMouse(0x7A3E, 0x08B8);
    EXPECT_FALSE(opened.found);
    EXPECT_FALSE(opened.permissionDenied);
}

TEST_F(TransportLinkTest, AQuickReplugLeavesTheHandlesDeadAndTheLinkLost) {
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    const int count = transport.countHidDevices();
    mouse.unplug();
    mouse.plugIn();  // back within one poll interval: the count did not change
    ASSERT_EQ(transport.countHidDevices(), count);
    EXPECT_FALSE(transport.linkLost());

    EXPECT_FALSE(transport.sendCommand(command::kIdentify));
    EXPECT_TRUE(transport.linkLost());

    // Until the next search nothing reaches the (new) mouse through the old link.
    mouse.clearReports();
    EXPECT_FALSE(transport.sendCommand(command::kIdentify));
    EXPECT_FALSE(transport.readData());
    std::array<std::uint8_t, 4> buffer{};
    EXPECT_EQ(transport.readInputReport(buffer, 0ms).status, hid::ReadStatus::Error);
    EXPECT_TRUE(mouse.reports().empty());

    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    EXPECT_FALSE(transport.linkLost());
    EXPECT_TRUE(transport.sendCommand(command::kIdentify));
}

TEST_F(TransportLinkTest, EveryChannelNoticesTheDeviceGone) {
    using Call = bool (*)(Transport&);
    const std::vector<std::pair<const char*, Call>> calls{
        {"command", [](Transport& t) { return t.sendCommand(command::kIdentify); }},
        {"data out", [](Transport& t) { return t.sendData(Payload{}); }},
        {"data in", [](Transport& t) { return t.readData(); }},
        {"status", [](Transport& t) {
             std::array<std::uint8_t, 4> buffer{};
             return t.readInputReport(buffer, 1s).status == hid::ReadStatus::Ok;
         }}};
    for (const auto& [name, call] : calls) {
        mouse.plugIn();
        ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found) << name;
        mouse.unplug();
        EXPECT_FALSE(call(transport)) << name;
        EXPECT_TRUE(transport.linkLost()) << name;
    }
    transport.invalidate();
    EXPECT_FALSE(transport.linkLost());
}

TEST_F(TransportLinkTest, ARefusalIsNotALostLink) {
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    mouse.refuseCommands(true);
    mouse.refuseDataFrom(1);
    EXPECT_FALSE(transport.sendCommand(command::kIdentify));
    EXPECT_FALSE(transport.readData());
    EXPECT_FALSE(transport.sendData(Payload{}));
    std::array<std::uint8_t, 4> buffer{};
    EXPECT_EQ(transport.readInputReport(buffer, 0ms).status, hid::ReadStatus::Timeout);
    EXPECT_FALSE(transport.linkLost());
}

TEST_F(TransportLinkTest, AnUnrelatedInterfaceGoingAwayDoesNotLoseTheLink) {
    const int other = bus.plugGeneric({"", 0x1234, 0x5678, 1, sim::pointerReportDescriptor()});
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    bus.unplug(other);
    EXPECT_TRUE(transport.sendCommand(command::kIdentify));
    EXPECT_FALSE(transport.linkLost());
}

// Answers of fewer bytes than asked, as the kernel hands them back.
class TransportShortAnswerTest : public ::testing::Test {
protected:
    TransportShortAnswerTest()
        : timing(Timing::instant()),
          mouse(clock, image::ChipType::Chip4210A, patternImage()),
          bus(mouse),
          transport(bus, clock, timing) {
        timing.dataReportPacing = Micros{500};
        node = &bus.add("single", sim::singleInterfaceReportDescriptor());
        EXPECT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
        transport.setTrace([this](ReportKind kind, std::span<const std::uint8_t> bytes) {
            trace.push_back(formatTraceLine(kind, bytes));
        });
    }
    static image::Image patternImage() {
        image::Image image{};
        for (std::size_t i = 0; i < image.size(); ++i) {
            image[i] = static_cast<std::uint8_t>(i + 1);
        }
        return image;
    }

    ManualClock clock;
    Timing timing;
    VirtualMouse mouse;
    testing::KernelNodeBus bus;
    testing::KernelNodeBus::Node* node = nullptr;
    Transport transport;
    std::vector<std::string> trace;
};

TEST_F(TransportShortAnswerTest, AShortAnswerIsReceivedAndTheRestKeepsItsPreset) {
    node->answerBytes = 4;  // report id and three bytes
    ASSERT_TRUE(transport.sendCommand(command::kBlockRead, 0x00, 0x00, 0x00, 0x07));
    const Micros before = clock.totalSlept();
    ASSERT_TRUE(transport.readData());
    EXPECT_EQ(transport.response(), (Payload{1, 2, 3, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(clock.totalSlept() - before, Micros{500}) << "paced as any answer";
    EXPECT_EQ(trace.back(), "get-feature 41 01 02 03");
    EXPECT_FALSE(transport.linkLost());
}

TEST_F(TransportShortAnswerTest, AnAnswerWithoutPayloadIsRefused) {
    node->answerBytes = 1;  // the report id alone
    ASSERT_TRUE(transport.sendCommand(command::kBlockRead, 0x00, 0x00, 0x00, 0x07));
    trace.clear();
    const Micros before = clock.totalSlept();
    EXPECT_FALSE(transport.readData());
    EXPECT_EQ(transport.response(), (Payload{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(clock.totalSlept(), before);
    EXPECT_TRUE(trace.empty());
}

TEST_F(TransportShortAnswerTest, AShortProbeAnswerStillGivesTheDataChannel) {
    node->answerBytes = 2;
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    EXPECT_TRUE(transport.hasDataChannel());
    EXPECT_EQ(trace.back(), "get-feature 41 40") << "the first byte of the identify answer";
}

}  // namespace
}  // namespace gm::device
