#pragma once
// A hidraw node in memory behind injected system calls, answering as the kernel does: feature
// ioctls return the bytes moved or -1 with errno, poll() reports POLLIN while reports are
// queued, and a node whose device went away (unplugged, or revoked) answers ENODEV to ioctls,
// EIO to reads once its queue is empty, and POLLERR|POLLHUP to poll().

#include <poll.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <deque>
#include <vector>

#include "host/hidraw/hidraw_system_calls.h"

namespace gm::host::testing {

struct FakeHidrawNode {
    bool gone = false;
    // Result of the next feature ioctls while not gone: bytes moved, or -1 with `ioctlErrno`.
    int featureResult = 8;
    int ioctlErrno = EPIPE;
    std::vector<std::uint8_t> reply;  // copied into the buffer of a get request
    unsigned long lastRequest = 0;
    std::vector<std::uint8_t> lastSent;
    std::deque<std::vector<std::uint8_t>> queued;  // input reports not yet read

    HidrawSystemCalls calls() {
        HidrawSystemCalls calls = HidrawSystemCalls::real();
        calls.ioctl = [this](int, unsigned long request, void* argument) {
            lastRequest = request;
            auto* bytes = static_cast<std::uint8_t*>(argument);
            const std::size_t length = _IOC_SIZE(request);
            lastSent.assign(bytes, bytes + length);
            if (gone) {
                errno = ENODEV;
                return -1;
            }
            if (featureResult < 0) {
                errno = ioctlErrno;
                return -1;
            }
            std::copy_n(reply.begin(), std::min(reply.size(), length), bytes);
            return featureResult;
        };
        calls.poll = [this](pollfd* descriptor, int) {
            descriptor->revents = 0;
            if (!queued.empty()) {
                descriptor->revents |= POLLIN;
            }
            if (gone) {
                descriptor->revents |= POLLERR | POLLHUP;
            }
            return descriptor->revents != 0 ? 1 : 0;
        };
        calls.read = [this](int, void* buffer, std::size_t length) -> ssize_t {
            if (queued.empty()) {
                errno = gone ? EIO : EAGAIN;
                return -1;
            }
            const std::vector<std::uint8_t> report = queued.front();
            queued.pop_front();
            const std::size_t count = std::min(length, report.size());
            std::memcpy(buffer, report.data(), count);
            return static_cast<ssize_t>(count);
        };
        return calls;
    }
};

}  // namespace gm::host::testing
