#include "host/hidraw/hidraw_system_calls.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace gm::host {

HidrawSystemCalls HidrawSystemCalls::real() {
    HidrawSystemCalls calls;
    calls.open = [](const char* path, int flags) { return ::open(path, flags); };
    calls.ioctl = [](int fd, unsigned long request, void* argument) {
        return ::ioctl(fd, request, argument);
    };
    calls.poll = [](pollfd* descriptors, nfds_t count, int timeoutMs) {
        return ::poll(descriptors, count, timeoutMs);
    };
    calls.read = [](int fd, void* buffer, std::size_t length) {
        return ::read(fd, buffer, length);
    };
    return calls;
}

}  // namespace gm::host
