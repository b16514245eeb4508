#include "host/hidraw/hidraw_system_calls.h"

#include <fcntl.h>
#include <sys/ioctl.h>

namespace gm::host {

HidrawSystemCalls HidrawSystemCalls::real() {
    HidrawSystemCalls calls;
    calls.open = [](const char* path, int flags) { return ::open(path, flags); };
    calls.ioctl = [](int fd, unsigned long request, void* argument) {
        return ::ioctl(fd, request, argument);
    };
    return calls;
}

}  // namespace gm::host
