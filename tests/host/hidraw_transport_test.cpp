// The transport over the hidraw backend: nodes described by a fake sysfs tree, reached through
// fake system calls that answer as the kernel does.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "device/clock.h"
#include "device/link/transport.h"
#include "device/sim/report_descriptors.h"
#include "fake_hidraw_node.h"
#include "fake_hidraw_tree.h"
#include "host/hidraw/hidraw_backend.h"

namespace gm::host {
namespace {

using namespace std::chrono_literals;
using device::Transport;

class HidrawTransportTest : public ::testing::Test {
protected:
    HidrawTransportTest()
        : timing(device::Timing::instant()),
          backend(tree.classDir(), tree.devDir(), nodes.calls()),
          transport(backend, clock, timing) {}

    // Node hidraw<number> of the mouse with this descriptor; returns its /dev path.
    std::string addMouseNode(int number, const std::vector<std::uint8_t>& descriptor) {
        tree.addNode(number, "virtual/0003:7A3E:08B8.000" + std::to_string(number),
                     "HID_ID=0003:00007A3E:000008B8\n", descriptor);
        const std::string path = (tree.devDir() / ("hidraw" + std::to_string(number))).string();
        nodes.byPath[path].reply = {0x41, 0x40, 0x3A, 0, 0, 0, 0, 0};
        return path;
    }

    testing::FakeHidrawTree tree;
    testing::FakeHidrawNodes nodes;
    device::ManualClock clock;
    device::Timing timing;
    HidrawBackend backend;
    Transport transport;
};

TEST(HidrawTransport, EveryOrderOfTheSplitMouseNodesGivesTheSameChannels) {
    device::ManualClock clock;
    const device::Timing timing = device::Timing::instant();
    const std::array<std::vector<std::uint8_t>, 3> descriptors{
        sim::pointerReportDescriptor(), sim::keyboardWithCommandReportsDescriptor(),
        sim::statusReportDescriptor()};
    std::array<int, 3> order{0, 1, 2};
    do {
        testing::FakeHidrawTree orderTree;
        testing::FakeHidrawNodes orderNodes;
        HidrawBackend orderBackend(orderTree.classDir(), orderTree.devDir(), orderNodes.calls());
        Transport orderTransport(orderBackend, clock, timing);
        std::array<std::string, 3> pathOf;
        for (int number = 0; number < 3; ++number) {
            const int which = order[static_cast<std::size_t>(number)];
            orderTree.addNode(number, "virtual/0003:7A3E:08B8.000" + std::to_string(number),
                              "HID_ID=0003:00007A3E:000008B8\n",
                              descriptors[static_cast<std::size_t>(which)]);
            pathOf[static_cast<std::size_t>(which)] =
                (orderTree.devDir() / ("hidraw" + std::to_string(number))).string();
        }
        const std::string name =
            std::to_string(order[0]) + std::to_string(order[1]) + std::to_string(order[2]);
        ASSERT_TRUE(orderTransport.openMouse(0x7A3E, 0x08B8).found) << name;
        // Commands travel on the keyboard node only, though every node would accept them.
        auto& keyboard = orderNodes.byPath[pathOf[1]];
        auto& status = orderNodes.byPath[pathOf[2]];
        const int before = keyboard.featureCalls;
        EXPECT_TRUE(orderTransport.sendCommand(0x0D)) << name;
        EXPECT_EQ(keyboard.featureCalls, before + 1) << name;
        EXPECT_EQ(status.featureCalls, 0) << name;
        EXPECT_EQ(orderNodes.byPath[pathOf[0]].featureCalls, 0) << name;
        // Status reports are read from the status node.
        status.queued.push_back({0x42, 0, 0, 0x08});
        std::array<std::uint8_t, 4> buffer{};
        EXPECT_EQ(orderTransport.readInputReport(buffer, 0ms).status, hid::ReadStatus::Ok) << name;
        EXPECT_EQ(buffer[3], 0x08) << name;
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(HidrawTransportTest, APermissionRefusalIsReportedAndTheNextSearchOpens) {
    addMouseNode(0, sim::singleInterfaceReportDescriptor());
    nodes.openErrno = EACCES;
    auto opened = transport.openMouse(0x7A3E, 0x08B8);
    EXPECT_FALSE(opened.found);
    EXPECT_TRUE(opened.permissionDenied);
    EXPECT_NE(opened.problem.find("udevadm"), std::string::npos) << opened.problem;

    nodes.openErrno = 0;  // the rule is installed; the node count did not change
    opened = transport.openMouse(0x7A3E, 0x08B8);
    EXPECT_TRUE(opened.found);
    EXPECT_FALSE(opened.permissionDenied);
}

TEST_F(HidrawTransportTest, ARevokedNodeLosesTheLinkOnTheFirstFailingCall) {
    const std::string path = addMouseNode(0, sim::singleInterfaceReportDescriptor());
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    auto& node = nodes.byPath[path];
    node.gone = true;  // the node stays, every call fails
    std::array<std::uint8_t, 4> buffer{};
    EXPECT_EQ(transport.readInputReport(buffer, 250ms).status, hid::ReadStatus::Error);
    EXPECT_TRUE(transport.linkLost());
    const int calls = node.featureCalls;
    EXPECT_FALSE(transport.sendCommand(0x0D));
    EXPECT_EQ(node.featureCalls, calls) << "nothing more is sent on a lost link";

    node.gone = false;  // replugged: a new search opens it again
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    EXPECT_FALSE(transport.linkLost());
}

TEST_F(HidrawTransportTest, AnEnodevFeatureCallLosesTheLinkButAStallDoesNot) {
    const std::string path = addMouseNode(0, sim::singleInterfaceReportDescriptor());
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    auto& node = nodes.byPath[path];
    node.featureResult = -1;  // EPIPE: the device stalled the request
    EXPECT_FALSE(transport.readData());
    EXPECT_FALSE(transport.linkLost());
    node.ioctlErrno = EIO;  // EIO on a node that did not hang up: still there
    EXPECT_FALSE(transport.sendCommand(0x0D));
    EXPECT_FALSE(transport.linkLost());
    node.gone = true;
    EXPECT_FALSE(transport.sendData({}));
    EXPECT_TRUE(transport.linkLost());
}

TEST_F(HidrawTransportTest, AShortKernelAnswerIsReceived) {
    const std::string path = addMouseNode(0, sim::singleInterfaceReportDescriptor());
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    auto& node = nodes.byPath[path];
    node.reply = {0x41, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70};
    node.featureResult = 3;
    ASSERT_TRUE(transport.readData());
    EXPECT_EQ(transport.response(), (device::Payload{0x10, 0x20, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

}  // namespace
}  // namespace gm::host
