#pragma once
// The faults the tool injects, named as gmousectl's --sim-fault names them, and the handle that
// arms the counted ones each time the mouse has been identified, so counts start where they
// start under gmousectl --simulate.

#include <memory>
#include <optional>
#include <string>

#include "device/hid/hid_backend.h"
#include "device/sim/virtual_mouse.h"
#include "host/device_choice/device_choice.h"

namespace gm::umockdev_mouse {

// Adds one KIND (refuse-command, refuse-data=N, vanish-after=N, bad-identify) to `faults`;
// false when it is not one.
bool addFault(const std::string& kind, host::SimFaults& faults);

// The mouse's vendor interface as the nodes reach it: passes every call on, and after the
// answer to an identify command arms the counted faults on the mouse.
class FaultArmingDevice final : public hid::Device {
public:
    FaultArmingDevice(std::shared_ptr<hid::Device> inner, sim::VirtualMouse& mouse,
                      host::SimFaults faults);

    hid::TransferResult setFeature(std::span<const std::uint8_t> report) override;
    hid::TransferResult getFeature(std::span<std::uint8_t> report) override;
    hid::ReadResult readInput(std::span<std::uint8_t> buffer,
                              std::chrono::milliseconds timeout) override;

private:
    std::shared_ptr<hid::Device> inner_;
    sim::VirtualMouse& mouse_;
    host::SimFaults faults_;
    bool identifyPending_ = false;  // feature calls come from one thread at a time
};

}  // namespace gm::umockdev_mouse
