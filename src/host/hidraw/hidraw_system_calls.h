#pragma once
// The system calls that reach a hidraw node, replaceable so tests can stand in for a device
// (or for a node this user may not open) without hardware or root.

#include <functional>

namespace gm::host {

using IoctlCall = std::function<int(int fd, unsigned long request, void* argument)>;

struct HidrawSystemCalls {
    // open(2): a file descriptor, or -1 with errno set.
    std::function<int(const char* path, int flags)> open;
    // ioctl(2) with a pointer argument: its result, or -1 with errno set.
    IoctlCall ioctl;

    static HidrawSystemCalls real();
};

}  // namespace gm::host
