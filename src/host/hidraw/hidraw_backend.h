#pragma once
// HID access on Linux through hidraw nodes.
//
// Direct hidraw ioctls rather than hidapi: no extra library to build and ship, and the report
// descriptor and ids come from sysfs without opening any node, so enumeration works (and
// reports the mouse) even before this user has been given access to it.

#include <filesystem>
#include <string>
#include <vector>

#include "device/hid/hid_backend.h"
#include "host/hidraw/hidraw_system_calls.h"

namespace gm::host {

// How to install the udev rule that gives the user at the local seat access to the mouse, and
// have udev apply it to nodes that already exist.
inline constexpr const char* kUdevRuleInstall =
    "sudo install -m 644 resources/udev/70-gmouse.rules /etc/udev/rules.d/ && sudo udevadm "
    "control --reload && sudo udevadm trigger --subsystem-match=hidraw";
// The uaccess tag serves only sessions at the machine's seat; without one (e.g. over SSH) a rule
// that gives a group access does, such as this one.
inline constexpr const char* kUdevGroupRuleExample =
    "SUBSYSTEM==\"hidraw\", KERNELS==\"????:7A3E:08B8.*\", GROUP=\"plugdev\", MODE=\"0660\"";

// What to tell the user when `path` exists but may not be opened.
std::string permissionDeniedMessage(const std::string& path, const std::string& reason);

class HidrawBackend final : public hid::Backend {
public:
    // `classDir` lists the nodes (sysfs), `devDir` holds them; tests point both at a fake tree.
    explicit HidrawBackend(std::filesystem::path classDir = "/sys/class/hidraw",
                           std::filesystem::path devDir = "/dev",
                           HidrawSystemCalls calls = HidrawSystemCalls::real());

    std::vector<hid::InterfaceInfo> enumerate() override;
    int countPresent() override;
    hid::OpenResult open(const std::string& path) override;

private:
    std::filesystem::path classDir_;
    std::filesystem::path devDir_;
    HidrawSystemCalls calls_;
};

}  // namespace gm::host
