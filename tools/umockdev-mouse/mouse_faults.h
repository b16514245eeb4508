#pragma once
// The handle that arms the counted faults (as gmousectl's --sim-fault names them) each time the
// mouse has been identified, so counts start where they start under gmousectl --simulate.

#include <memory>

#include "device/hid/hid_backend.h"
#include "device/sim/virtual_mouse.h"
#include "host/device_choice/device_choice.h"

namespace gm::umockdev_mouse {

// The mouse's vendor interface as the nodes reach it: passes every call on, and arms the faults
// on the mouse before the first report that follows a valid identify answer and is not another
// identify (the host probes with identify before its session identifies the mouse).
class FaultArmingDevice final : public hid::Device {
public:
    FaultArmingDevice(std::shared_ptr<hid::Device> inner, sim::VirtualMouse& mouse,
                      host::SimFaults faults);

    hid::TransferResult setFeature(std::span<const std::uint8_t> report) override;
    hid::TransferResult getFeature(std::span<std::uint8_t> report) override;
    hid::ReadResult readInput(std::span<std::uint8_t> buffer,
                              std::chrono::milliseconds timeout) override;
    void interruptRead() override;

private:
    void arm();

    std::shared_ptr<hid::Device> inner_;
    sim::VirtualMouse& mouse_;
    host::SimFaults faults_;
    // Feature calls come from one thread at a time.
    bool identifyPending_ = false;  // an identify command was taken: its answer comes next
    bool armPending_ = false;       // the mouse was identified: arm before the next report
    bool armedOnce_ = false;
};

}  // namespace gm::umockdev_mouse
