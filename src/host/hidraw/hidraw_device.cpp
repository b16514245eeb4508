#include "host/hidraw/hidraw_device.h"

#include <linux/hidraw.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <vector>

namespace gm::host {

namespace {

using hid::TransferStatus;

// The ioctl request number holds the buffer length in 14 bits.
constexpr std::size_t kMaxFeatureLength = (1u << _IOC_SIZEBITS) - 1;
// poll() flags of a node whose device went away (the kernel sets both on unplug or revoke).
constexpr short kHangUp = POLLERR | POLLHUP | POLLNVAL;

bool fitsFeatureIoctl(std::size_t length) {
    return length > 0 && length <= kMaxFeatureLength;
}

int pollTimeout(std::chrono::steady_clock::time_point deadline) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::clamp<long long>(left.count(), 0, INT_MAX));
}

}  // namespace

HidrawDevice::HidrawDevice(int fd, HidrawSystemCalls calls)
    : fd_(fd), wakeFd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), calls_(std::move(calls)) {}

HidrawDevice::~HidrawDevice() {
    ::close(fd_);
    if (wakeFd_ >= 0) {
        ::close(wakeFd_);
    }
}

hid::TransferResult HidrawDevice::setFeature(std::span<const std::uint8_t> report) {
    if (!fitsFeatureIoctl(report.size())) {
        return {TransferStatus::Refused, 0};
    }
    // The ioctl takes a writable buffer; hand it a copy so the caller's report stays const.
    std::vector<std::uint8_t> buffer(report.begin(), report.end());
    const auto length = static_cast<unsigned>(buffer.size());
    const int sent = calls_.ioctl(fd_, HIDIOCSFEATURE(length), buffer.data());
    if (sent < 0) {
        return {failureOf(errno), 0};
    }
    if (static_cast<std::size_t>(sent) != report.size()) {
        return {TransferStatus::Refused, 0};
    }
    return {TransferStatus::Ok, report.size()};
}

hid::TransferResult HidrawDevice::getFeature(std::span<std::uint8_t> report) {
    if (!fitsFeatureIoctl(report.size())) {
        return {TransferStatus::Refused, 0};
    }
    // Fetch into a scratch buffer and copy only what the device sent: a short answer leaves
    // the rest of the caller's report as it was.
    std::vector<std::uint8_t> buffer(report.begin(), report.end());
    const auto length = static_cast<unsigned>(buffer.size());
    const int received = calls_.ioctl(fd_, HIDIOCGFEATURE(length), buffer.data());
    if (received < 0) {
        return {failureOf(errno), 0};
    }
    if (received == 0) {
        return {TransferStatus::Refused, 0};
    }
    const std::size_t count = std::min(static_cast<std::size_t>(received), report.size());
    std::copy_n(buffer.begin(), count, report.begin());
    return {TransferStatus::Ok, count};
}

hid::TransferStatus HidrawDevice::failureOf(int error) {
    switch (error) {
        case ENODEV:
        case ESHUTDOWN:
            return TransferStatus::Gone;
        case EIO:
            // A dead node answers EIO, but so does a live device whose transfer failed (a
            // virtual device behind uhid that refused, a USB error): only a hung-up node is gone.
            return hungUp() ? TransferStatus::Gone : TransferStatus::Refused;
        default:
            return TransferStatus::Refused;  // EPIPE (stalled), ETIMEDOUT, EINVAL, ...
    }
}

bool HidrawDevice::hungUp() {
    pollfd waiting{fd_, POLLIN, 0};
    return calls_.poll(&waiting, 1, 0) > 0 && (waiting.revents & kHangUp) != 0;
}

void HidrawDevice::interruptRead() {
    // The eventfd's counter stays above zero until a read takes it: the interruption is kept.
    const std::uint64_t one = 1;
    (void)!::write(wakeFd_, &one, sizeof one);
}

hid::ReadResult HidrawDevice::readInput(std::span<std::uint8_t> buffer,
                                        std::chrono::milliseconds timeout) {
    if (buffer.empty()) {
        return {hid::ReadStatus::Error, 0};
    }
    const bool forever = timeout == hid::kWaitForever;
    const auto deadline = forever ? std::chrono::steady_clock::time_point::max()
                                  : std::chrono::steady_clock::now() + std::max(timeout, {});
    for (;;) {
        std::array<pollfd, 2> waiting{{{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}}};
        const int ready =
            calls_.poll(waiting.data(), waiting.size(), forever ? -1 : pollTimeout(deadline));
        if (ready < 0) {
            if (errno == EINTR) {
                continue;  // a signal: wait again for what is left of the timeout
            }
            return {hid::ReadStatus::Error, 0};
        }
        if ((waiting[1].revents & POLLIN) != 0) {
            std::uint64_t taken = 0;
            (void)!::read(wakeFd_, &taken, sizeof taken);
            return {hid::ReadStatus::Interrupted, 0};
        }
        if (ready == 0) {
            return {hid::ReadStatus::Timeout, 0};
        }
        // Reports queued before an unplug still come (POLLIN beside POLLHUP); a hang-up
        // without POLLIN means the device is gone and nothing is left.
        if ((waiting[0].revents & POLLIN) == 0) {
            return {hid::ReadStatus::Error, 0};
        }
        // hidraw hands out one report per read and drops what does not fit the buffer.
        const ssize_t got = calls_.read(fd_, buffer.data(), buffer.size());
        if (got > 0) {
            return {hid::ReadStatus::Ok, static_cast<std::size_t>(got)};
        }
        if (got < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) {
            continue;  // interrupted, or another reader took the report: wait again
        }
        return {hid::ReadStatus::Error, 0};  // end of file, ENODEV, EIO: the device went away
    }
}

}  // namespace gm::host
