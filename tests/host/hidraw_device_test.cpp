#include "host/hidraw/hidraw_device.h"

#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "fake_hidraw_node.h"

namespace gm::host {
namespace {

using hid::ReadStatus;
using hid::TransferStatus;
using testing::FakeHidrawNode;
using Report = std::array<std::uint8_t, 8>;
constexpr std::chrono::milliseconds kNoWait{0};

// A device on a fake node; the descriptor it closes is a duplicate of standard input.
class FakeNodeDevice : public ::testing::Test {
protected:
    FakeNodeDevice() : device(::dup(STDIN_FILENO), node.calls()) {}

    FakeHidrawNode node;
    HidrawDevice device;
};

TEST_F(FakeNodeDevice, SetSendsTheWholeReportAndNeedsAFullTransfer) {
    const Report report = {0x40, 0x0D, 0, 0, 0, 0, 0, 0};
    const auto sent = device.setFeature(report);
    EXPECT_EQ(sent.status, TransferStatus::Ok);
    EXPECT_EQ(sent.length, 8u);
    EXPECT_EQ(node.lastRequest, static_cast<unsigned long>(HIDIOCSFEATURE(8)));
    EXPECT_EQ(node.lastSent, std::vector<std::uint8_t>(report.begin(), report.end()));

    node.featureResult = 7;  // short transfer
    EXPECT_EQ(device.setFeature(report).status, TransferStatus::Refused);
    node.featureResult = -1;  // stalled (EPIPE)
    EXPECT_EQ(device.setFeature(report).status, TransferStatus::Refused);
    EXPECT_EQ(device.setFeature({}).status, TransferStatus::Refused);
}

TEST_F(FakeNodeDevice, GetCopiesWhatCameAndAShortAnswerLeavesTheRest) {
    node.reply = {0x41, 1, 2, 3, 4, 5, 6, 7};
    Report report = {0x41};
    auto got = device.getFeature(report);
    ASSERT_EQ(got.status, TransferStatus::Ok);
    EXPECT_EQ(got.length, 8u);
    EXPECT_EQ(node.lastRequest, static_cast<unsigned long>(HIDIOCGFEATURE(8)));
    EXPECT_EQ(node.lastSent[0], 0x41);  // the wanted id goes in the request
    EXPECT_EQ(report, (Report{0x41, 1, 2, 3, 4, 5, 6, 7}));

    // The kernel hands back fewer bytes when the device answers short.
    node.featureResult = 3;
    Report shortReport = {0x41, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    got = device.getFeature(shortReport);
    ASSERT_EQ(got.status, TransferStatus::Ok);
    EXPECT_EQ(got.length, 3u);
    EXPECT_EQ(shortReport, (Report{0x41, 1, 2, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}));

    node.featureResult = 0;
    EXPECT_EQ(device.getFeature(shortReport).status, TransferStatus::Refused);
    node.featureResult = -1;
    EXPECT_EQ(device.getFeature(shortReport).status, TransferStatus::Refused);
}

TEST_F(FakeNodeDevice, EioIsGoneOnlyWhenTheNodeHungUp) {
    // A live device whose transfer failed (uhid's refusal, a USB error) answers EIO too.
    node.featureResult = -1;
    node.ioctlErrno = EIO;
    Report report = {0x41};
    EXPECT_EQ(device.getFeature(report).status, TransferStatus::Refused);
    EXPECT_EQ(device.setFeature(report).status, TransferStatus::Refused);

    node.queued.push_back({0x42, 0, 0, 1});  // POLLIN alone is no hang-up
    EXPECT_EQ(device.getFeature(report).status, TransferStatus::Refused);
}

TEST_F(FakeNodeDevice, AGoneNodeFailsEveryCallAsGone) {
    node.gone = true;  // unplugged, or revoked: ENODEV from ioctls, POLLERR|POLLHUP from poll
    Report report = {0x41};
    EXPECT_EQ(device.setFeature(report).status, TransferStatus::Gone);
    EXPECT_EQ(device.getFeature(report).status, TransferStatus::Gone);
    std::array<std::uint8_t, 4> buffer{};
    EXPECT_EQ(device.readInput(buffer, std::chrono::milliseconds{250}).status, ReadStatus::Error);
}

TEST_F(FakeNodeDevice, ReportsQueuedBeforeTheUnplugStillArriveThenTheReadFails) {
    node.queued.push_back({0x42, 0, 0, 0x08});
    node.gone = true;  // poll: POLLIN | POLLERR | POLLHUP
    std::array<std::uint8_t, 4> buffer{};
    const auto first = device.readInput(buffer, kNoWait);
    ASSERT_EQ(first.status, ReadStatus::Ok);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0x42, 0, 0, 0x08}));
    EXPECT_EQ(device.readInput(buffer, kNoWait).status, ReadStatus::Error);
}

TEST_F(FakeNodeDevice, AnEioReadAfterPollInIsGone) {
    // The device left between poll() and read().
    HidrawSystemCalls calls = node.calls();
    calls.poll = [](pollfd* descriptors, nfds_t count, int) {
        std::for_each(descriptors, descriptors + count, [](pollfd& d) { d.revents = 0; });
        descriptors->revents = POLLIN;
        return 1;
    };
    HidrawDevice racing(::dup(STDIN_FILENO), calls);
    node.gone = true;
    std::array<std::uint8_t, 4> buffer{};
    EXPECT_EQ(racing.readInput(buffer, kNoWait).status, ReadStatus::Error);
}

TEST(HidrawDeviceFeature, AFileThatIsNotAHidrawNodeRefusesFeatures) {
    HidrawDevice device(::dup(STDIN_FILENO), HidrawSystemCalls::real());
    Report report = {0x41};
    EXPECT_EQ(device.getFeature(report).status, TransferStatus::Refused);
    EXPECT_EQ(device.setFeature(report).status, TransferStatus::Refused);
}

// A device over one end of a packet socket pair: each write to the peer is one input report.
class InputReports : public ::testing::Test {
protected:
    void SetUp() override {
        int ends[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK, 0, ends), 0);
        peer = ends[1];
        HidrawSystemCalls calls = HidrawSystemCalls::real();
        calls.poll = [this](pollfd* descriptors, nfds_t count, int timeoutMs) {
            {
                std::lock_guard lock(pollMutex);
                polls.emplace_back(count, timeoutMs);
            }
            return ::poll(descriptors, count, timeoutMs);
        };
        device = std::make_unique<HidrawDevice>(ends[0], calls);
    }
    void TearDown() override {
        if (peer >= 0) {
            ::close(peer);
        }
    }
    void sendReport(std::vector<std::uint8_t> report) const {
        ASSERT_EQ(::write(peer, report.data(), report.size()), static_cast<ssize_t>(report.size()));
    }

    int peer = -1;
    std::unique_ptr<HidrawDevice> device;
    std::mutex pollMutex;
    std::vector<std::pair<nfds_t, int>> polls;  // descriptors and timeout of each poll()
};

TEST_F(InputReports, ReadsOneReportAtATimeAndCutsItToTheBuffer) {
    sendReport({0x42, 0x00, 0x00, 0x04});
    sendReport({0x42, 0x00, 0x00, 0x00, 0x99, 0x99});
    std::array<std::uint8_t, 4> buffer{};
    auto result = device->readInput(buffer, kNoWait);
    ASSERT_EQ(result.status, ReadStatus::Ok);
    EXPECT_EQ(result.length, 4u);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0x42, 0, 0, 0x04}));

    result = device->readInput(buffer, kNoWait);
    ASSERT_EQ(result.status, ReadStatus::Ok);
    EXPECT_EQ(result.length, 4u);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0x42, 0, 0, 0}));
}

TEST_F(InputReports, NothingToReadIsATimeoutAndAClosedPeerAnError) {
    std::array<std::uint8_t, 4> buffer{};
    EXPECT_EQ(device->readInput(buffer, kNoWait).status, ReadStatus::Timeout);
    EXPECT_EQ(device->readInput(buffer, std::chrono::milliseconds{-5}).status, ReadStatus::Timeout);
    EXPECT_EQ(device->readInput({}, kNoWait).status, ReadStatus::Error);

    ::close(peer);
    peer = -1;
    EXPECT_EQ(device->readInput(buffer, kNoWait).status, ReadStatus::Error);
}

// A read without timeout is one poll() on the node and the wake-up, which an interruption ends
// whether it came before the read or during it; it ends one read only.
TEST_F(InputReports, AnInterruptionEndsAWaitWithoutTimeoutOnce) {
    std::array<std::uint8_t, 4> buffer{};
    device->interruptRead();
    EXPECT_EQ(device->readInput(buffer, hid::kWaitForever).status, ReadStatus::Interrupted);
    EXPECT_EQ(device->readInput(buffer, kNoWait).status, ReadStatus::Timeout);
    ReadStatus status = ReadStatus::Ok;
    std::thread reader([&] { status = device->readInput(buffer, hid::kWaitForever).status; });
    device->interruptRead();
    reader.join();
    EXPECT_EQ(status, ReadStatus::Interrupted);
    const std::vector<std::pair<nfds_t, int>> expected{{2, -1}, {2, 0}, {2, -1}};
    EXPECT_EQ(polls, expected);
}

TEST_F(InputReports, ClosesTheNodeWhenTheLastReferenceGoes) {
    device.reset();
    std::uint8_t byte = 0;
    EXPECT_EQ(::read(peer, &byte, 1), 0);  // end of file: the other end was closed
}

}  // namespace
}  // namespace gm::host
