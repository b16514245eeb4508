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

// The udev rule that gives the logged-in user access to the mouse, and how to install it.
inline constexpr const char* kUdevRuleInstall =
    "sudo install -m 644 resources/udev/70-gmouse.rules /etc/udev/rules.d/ && sudo udevadm "
    "trigger";

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
