#pragma once
// Hidraw nodes in memory behind injected system calls, answering as the kernel does: feature
// ioctls return the bytes moved or -1 with errno, poll() reports POLLIN while reports are
// queued, and a node whose device went away (unplugged, or revoked) answers ENODEV to ioctls,
// EIO to reads once its queue is empty, and POLLERR|POLLHUP to poll().

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
#include <string>
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
    int featureCalls = 0;
    std::deque<std::vector<std::uint8_t>> queued;  // input reports not yet read

    int ioctl(unsigned long request, void* argument) {
        ++featureCalls;
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
    }

    // The node is descriptors[0]; the others (the device's wake-up) are asked of the kernel,
    // without waiting: the node never blocks.
    int poll(pollfd* descriptors, nfds_t count) const {
        int ready = count > 1 ? ::poll(descriptors + 1, count - 1, 0) : 0;
        descriptors->revents = 0;
        if (!queued.empty()) {
            descriptors->revents |= POLLIN;
        }
        if (gone) {
            descriptors->revents |= POLLERR | POLLHUP;
        }
        return ready + (descriptors->revents != 0 ? 1 : 0);
    }

    ssize_t read(void* buffer, std::size_t length) {
        if (queued.empty()) {
            errno = gone ? EIO : EAGAIN;
            return -1;
        }
        const std::vector<std::uint8_t> report = queued.front();
        queued.pop_front();
        const std::size_t count = std::min(length, report.size());
        std::memcpy(buffer, report.data(), count);
        return static_cast<ssize_t>(count);
    }

    // System calls that reach this node whatever descriptor they are given.
    HidrawSystemCalls calls() {
        HidrawSystemCalls calls = HidrawSystemCalls::real();
        calls.ioctl = [this](int, unsigned long request, void* argument) {
            return ioctl(request, argument);
        };
        calls.poll = [this](pollfd* descriptors, nfds_t count, int) {
            return poll(descriptors, count);
        };
        calls.read = [this](int, void* buffer, std::size_t length) { return read(buffer, length); };
        return calls;
    }
};

// Several nodes by path: open() hands out a descriptor (a duplicate of standard input) bound to
// the node of its path, or fails with `openErrno` when that is set.
struct FakeHidrawNodes {
    std::map<std::string, FakeHidrawNode> byPath;
    int openErrno = 0;

    HidrawSystemCalls calls() {
        HidrawSystemCalls calls = HidrawSystemCalls::real();
        calls.open = [this](const char* path, int) {
            if (openErrno != 0) {
                errno = openErrno;
                return -1;
            }
            const int fd = ::dup(STDIN_FILENO);
            byFd_[fd] = &byPath[path];
            return fd;
        };
        calls.ioctl = [this](int fd, unsigned long request, void* argument) {
            return byFd_.at(fd)->ioctl(request, argument);
        };
        calls.poll = [this](pollfd* descriptors, nfds_t count, int) {
            return byFd_.at(descriptors->fd)->poll(descriptors, count);
        };
        calls.read = [this](int fd, void* buffer, std::size_t length) {
            return byFd_.at(fd)->read(buffer, length);
        };
        return calls;
    }

private:
    std::map<int, FakeHidrawNode*> byFd_;
};

}  // namespace gm::host::testing
