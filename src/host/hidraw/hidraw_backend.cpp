#include "host/hidraw/hidraw_backend.h"

#include <fcntl.h>

#include <cerrno>
#include <system_error>

#include "host/hidraw/hidraw_device.h"
#include "host/hidraw/sysfs_hidraw.h"

namespace gm::host {

std::string permissionDeniedMessage(const std::string& path, const std::string& reason) {
    return "No permission to open " + path + " (" + reason +
           "). Install the udev rule that gives the user at this machine's seat access to the "
           "mouse, then have udev apply it:\n  " +
           kUdevRuleInstall +
           "\nThe rule's uaccess tag needs a local session at the seat (a desktop login). Over "
           "SSH or without a seat, give a group access instead, e.g. a rule file with\n  " +
           kUdevGroupRuleExample + "\nand add your user to that group.";
}

HidrawBackend::HidrawBackend(std::filesystem::path classDir, std::filesystem::path devDir,
                             HidrawSystemCalls calls)
    : classDir_(std::move(classDir)), devDir_(std::move(devDir)), calls_(std::move(calls)) {}

std::vector<hid::InterfaceInfo> HidrawBackend::enumerate() {
    std::vector<hid::InterfaceInfo> interfaces;
    for (const std::string& name : listHidrawNodes(classDir_)) {
        interfaces.push_back(readHidrawNode(classDir_, name, (devDir_ / name).string()));
    }
    return interfaces;
}

int HidrawBackend::countPresent() {
    return static_cast<int>(listHidrawNodes(classDir_).size());
}

hid::OpenResult HidrawBackend::open(const std::string& path) {
    // Non-blocking, so a read after poll() never hangs when another reader took the report;
    // the feature ioctls do not depend on it.
    const int fd = calls_.open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        auto device = std::make_shared<HidrawDevice>(fd, calls_);
        if (!device->interruptible()) {
            const int error = errno;  // from eventfd(): no descriptors left
            return {nullptr, hid::OpenError::Other,
                    "Cannot open " + path + ": " + std::generic_category().message(error)};
        }
        return {std::move(device), hid::OpenError::None, {}};
    }
    const int error = errno;
    const std::string reason = std::generic_category().message(error);
    switch (error) {
        case EACCES:
        case EPERM:
            return {nullptr, hid::OpenError::PermissionDenied,
                    permissionDeniedMessage(path, reason)};
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return {nullptr, hid::OpenError::NotFound, path + " is not present (" + reason + ")"};
        default:
            return {nullptr, hid::OpenError::Other, "Cannot open " + path + ": " + reason};
    }
}

}  // namespace gm::host
