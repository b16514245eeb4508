#include "host/hidraw/hidraw_device.h"

#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <vector>

namespace gm::host {
namespace {

// A fake feature ioctl: records the request and answers with a chosen result.
struct FakeFeatureIoctl {
    unsigned long request = 0;
    std::vector<std::uint8_t> sent;
    std::vector<std::uint8_t> reply;  // copied into the buffer of a get request
    int result = 0;

    IoctlCall call() {
        return [this](int, unsigned long req, void* argument) {
            request = req;
            auto* bytes = static_cast<std::uint8_t*>(argument);
            const std::size_t length = _IOC_SIZE(req);
            sent.assign(bytes, bytes + length);
            std::copy_n(reply.begin(), std::min(reply.size(), length), bytes);
            if (result < 0) {
                errno = EIO;
            }
            return result;
        };
    }
};

// A device over one end of a packet socket pair: each write to the peer is one input report.
class InputReports : public ::testing::Test {
protected:
    void SetUp() override {
        int ends[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK, 0, ends), 0);
        peer = ends[1];
        device = std::make_unique<HidrawDevice>(ends[0], HidrawSystemCalls::real().ioctl);
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
};

TEST(HidrawDeviceFeature, SetSendsTheWholeReportAndNeedsAFullTransfer) {
    FakeFeatureIoctl fake;
    HidrawDevice device(::dup(STDIN_FILENO), fake.call());
    const std::array<std::uint8_t, 8> report = {0x40, 0x0D, 0, 0, 0, 0, 0, 0};

    fake.result = 8;
    EXPECT_TRUE(device.setFeature(report));
    EXPECT_EQ(fake.request, static_cast<unsigned long>(HIDIOCSFEATURE(8)));
    EXPECT_EQ(fake.sent, std::vector<std::uint8_t>(report.begin(), report.end()));

    fake.result = 7;  // short transfer
    EXPECT_FALSE(device.setFeature(report));
    fake.result = -1;
    EXPECT_FALSE(device.setFeature(report));
    EXPECT_FALSE(device.setFeature({}));
}

TEST(HidrawDeviceFeature, GetFillsTheReportOnlyWhenItCameWhole) {
    FakeFeatureIoctl fake;
    HidrawDevice device(::dup(STDIN_FILENO), fake.call());
    fake.reply = {0x41, 1, 2, 3, 4, 5, 6, 7};

    std::array<std::uint8_t, 8> report = {0x41};
    fake.result = 8;
    ASSERT_TRUE(device.getFeature(report));
    EXPECT_EQ(fake.request, static_cast<unsigned long>(HIDIOCGFEATURE(8)));
    EXPECT_EQ(fake.sent[0], 0x41);  // the wanted id goes in the request
    EXPECT_EQ(std::vector<std::uint8_t>(report.begin(), report.end()), fake.reply);

    std::array<std::uint8_t, 8> shortReport = {0x41};
    fake.result = 5;
    EXPECT_FALSE(device.getFeature(shortReport));
    EXPECT_EQ(shortReport, (std::array<std::uint8_t, 8>{0x41}));  // untouched
    fake.result = -1;
    EXPECT_FALSE(device.getFeature(shortReport));
}

TEST(HidrawDeviceFeature, AFileThatIsNotAHidrawNodeRefusesFeatures) {
    HidrawDevice device(::dup(STDIN_FILENO), HidrawSystemCalls::real().ioctl);
    std::array<std::uint8_t, 8> report = {0x41};
    EXPECT_FALSE(device.getFeature(report));
    EXPECT_FALSE(device.setFeature(report));
}

TEST_F(InputReports, ReadsOneReportAtATimeAndCutsItToTheBuffer) {
    sendReport({0x42, 0x00, 0x00, 0x04});
    sendReport({0x42, 0x00, 0x00, 0x00, 0x99, 0x99});
    std::array<std::uint8_t, 4> buffer{};
    auto result = device->readInput(buffer, std::chrono::milliseconds{0});
    ASSERT_EQ(result.status, hid::ReadStatus::Ok);
    EXPECT_EQ(result.length, 4u);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0x42, 0, 0, 0x04}));

    result = device->readInput(buffer, std::chrono::milliseconds{0});
    ASSERT_EQ(result.status, hid::ReadStatus::Ok);
    EXPECT_EQ(result.length, 4u);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0x42, 0, 0, 0}));
}

TEST_F(InputReports, NothingToReadIsATimeoutAndAVanishedDeviceAnError) {
    std::array<std::uint8_t, 4> buffer{};
    EXPECT_EQ(device->readInput(buffer, std::chrono::milliseconds{0}).status,
              hid::ReadStatus::Timeout);
    EXPECT_EQ(device->readInput(buffer, std::chrono::milliseconds{-5}).status,
              hid::ReadStatus::Timeout);
    EXPECT_EQ(device->readInput({}, std::chrono::milliseconds{0}).status, hid::ReadStatus::Error);

    ::close(peer);
    peer = -1;
    EXPECT_EQ(device->readInput(buffer, std::chrono::milliseconds{0}).status,
              hid::ReadStatus::Error);
}

TEST_F(InputReports, ClosesTheNodeWhenTheLastReferenceGoes) {
    device.reset();
    std::uint8_t byte = 0;
    EXPECT_EQ(::read(peer, &byte, 1), 0);  // end of file: the other end was closed
}

}  // namespace
}  // namespace gm::host
