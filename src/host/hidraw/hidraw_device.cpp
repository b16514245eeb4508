#include "host/hidraw/hidraw_device.h"

#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <vector>

namespace gm::host {

namespace {

// The ioctl request number holds the buffer length in 14 bits.
constexpr std::size_t kMaxFeatureLength = (1u << _IOC_SIZEBITS) - 1;

bool fitsFeatureIoctl(std::size_t length) {
    return length > 0 && length <= kMaxFeatureLength;
}

int pollTimeout(std::chrono::steady_clock::time_point deadline) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::clamp<long long>(left.count(), 0, INT_MAX));
}

}  // namespace

HidrawDevice::HidrawDevice(int fd, IoctlCall ioctl) : fd_(fd), ioctl_(std::move(ioctl)) {}

HidrawDevice::~HidrawDevice() {
    ::close(fd_);
}

bool HidrawDevice::setFeature(std::span<const std::uint8_t> report) {
    if (!fitsFeatureIoctl(report.size())) {
        return false;
    }
    // The ioctl takes a writable buffer; hand it a copy so the caller's report stays const.
    std::vector<std::uint8_t> buffer(report.begin(), report.end());
    const auto length = static_cast<unsigned>(buffer.size());
    const int sent = ioctl_(fd_, HIDIOCSFEATURE(length), buffer.data());
    return sent >= 0 && static_cast<std::size_t>(sent) == report.size();
}

bool HidrawDevice::getFeature(std::span<std::uint8_t> report) {
    if (!fitsFeatureIoctl(report.size())) {
        return false;
    }
    // Fetch into a scratch buffer: the caller's report changes only when the whole report came.
    std::vector<std::uint8_t> buffer(report.begin(), report.end());
    const auto length = static_cast<unsigned>(buffer.size());
    const int received = ioctl_(fd_, HIDIOCGFEATURE(length), buffer.data());
    if (received < 0 || static_cast<std::size_t>(received) != report.size()) {
        return false;
    }
    std::copy(buffer.begin(), buffer.end(), report.begin());
    return true;
}

hid::ReadResult HidrawDevice::readInput(std::span<std::uint8_t> buffer,
                                        std::chrono::milliseconds timeout) {
    if (buffer.empty()) {
        return {hid::ReadStatus::Error, 0};
    }
    const auto deadline = std::chrono::steady_clock::now() + std::max(timeout, {});
    for (;;) {
        pollfd waiting{fd_, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, pollTimeout(deadline));
        if (ready < 0) {
            if (errno == EINTR) {
                continue;  // a signal: wait again for what is left of the timeout
            }
            return {hid::ReadStatus::Error, 0};
        }
        if (ready == 0) {
            return {hid::ReadStatus::Timeout, 0};
        }
        if ((waiting.revents & POLLIN) == 0) {
            return {hid::ReadStatus::Error, 0};  // POLLERR, POLLHUP, POLLNVAL: the node is gone
        }
        // hidraw hands out one report per read and drops what does not fit the buffer.
        const ssize_t got = ::read(fd_, buffer.data(), buffer.size());
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
