#pragma once
// The system calls that reach a hidraw node, replaceable so tests can stand in for a device
// (or for a node this user may not open, or one whose device went away) without hardware or
// root.

#include <poll.h>
#include <sys/types.h>

#include <cstddef>
#include <functional>

namespace gm::host {

using IoctlCall = std::function<int(int fd, unsigned long request, void* argument)>;

struct HidrawSystemCalls {
    // open(2): a file descriptor, or -1 with errno set.
    std::function<int(const char* path, int flags)> open;
    // ioctl(2) with a pointer argument: its result, or -1 with errno set.
    IoctlCall ioctl;
    // poll(2): the number of ready descriptors, or -1 with errno set. The node comes first, the
    // device's own wake-up descriptor after it.
    std::function<int(pollfd* descriptors, nfds_t count, int timeoutMs)> poll;
    // read(2): the bytes read, or -1 with errno set.
    std::function<ssize_t(int fd, void* buffer, std::size_t length)> read;

    static HidrawSystemCalls real();
};

}  // namespace gm::host
