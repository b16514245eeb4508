#pragma once
// The mouse as the kernel shows it, in a umockdev testbed: a USB device (idVendor, idProduct,
// bcdDevice) with one USB interface per HID interface, each holding its HID device
// (0003:VVVV:PPPP.NNNN with HID_ID and report_descriptor) and that device's hidraw node.
// Plugging in again after unplugging gives the HID devices new numbers, as the kernel does when
// a device comes back; the nodes keep their names.

#include <umockdev.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "device/hid/hid_backend.h"
#include "emulated_node.h"

namespace gm::umockdev_mouse {

struct MouseIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t version = 0;  // bcdDevice
    // One report descriptor per interface, in interface order.
    std::vector<std::vector<std::uint8_t>> descriptors;
};

class MouseTestbed {
public:
    // Makes the testbed; sets $UMOCKDEV_DIR in this process's environment to its root.
    explicit MouseTestbed(MouseIdentity identity);
    ~MouseTestbed();
    MouseTestbed(const MouseTestbed&) = delete;
    MouseTestbed& operator=(const MouseTestbed&) = delete;

    // Empty when the testbed is usable, else what went wrong.
    const std::string& error() const { return error_; }
    std::string rootDir() const;

    // Adds the devices and nodes, every node served by `device`. False with error() set.
    bool plugIn(const std::shared_ptr<hid::Device>& device);
    void unplug();
    bool pluggedIn() const { return !syspaths_.empty(); }
    // An input report for the nodes whose descriptor declares it.
    void deliver(std::span<const std::uint8_t> report);

private:
    std::string sysfsRecord() const;

    MouseIdentity identity_;
    UMockdevTestbed* testbed_ = nullptr;
    std::vector<std::unique_ptr<EmulatedNode>> nodes_;
    std::vector<std::string> syspaths_;  // of the devices added, deepest first
    int firstHidNumber_ = 1;             // of the HID devices in the current plug-in
    std::string error_;
};

}  // namespace gm::umockdev_mouse
