#include "mouse_faults.h"

#include "device/wire.h"

namespace gm::umockdev_mouse {

FaultArmingDevice::FaultArmingDevice(std::shared_ptr<hid::Device> inner, sim::VirtualMouse& mouse,
                                     host::SimFaults faults)
    : inner_(std::move(inner)), mouse_(mouse), faults_(faults) {}

hid::TransferResult FaultArmingDevice::setFeature(std::span<const std::uint8_t> report) {
    const bool identify = report.size() > 1 && report[0] == device::kCommandReportId &&
                          report[1] == device::command::kIdentify;
    if (armPending_ && !identify) {
        arm();
    }
    armPending_ = false;
    const hid::TransferResult result = inner_->setFeature(report);
    identifyPending_ = result && identify;
    return result;
}

hid::TransferResult FaultArmingDevice::getFeature(std::span<std::uint8_t> report) {
    if (armPending_) {
        arm();
        armPending_ = false;
    }
    const bool answersIdentify = identifyPending_ && report[0] == device::kDataReportId;
    identifyPending_ = false;
    const hid::TransferResult result = inner_->getFeature(report);
    armPending_ = result && answersIdentify && report[2] == device::kIdentifyMarker;
    return result;
}

void FaultArmingDevice::arm() {
    host::armCountedFaults(mouse_, faults_, !armedOnce_);
    armedOnce_ = true;
}

hid::ReadResult FaultArmingDevice::readInput(std::span<std::uint8_t> buffer,
                                             std::chrono::milliseconds timeout) {
    return inner_->readInput(buffer, timeout);
}

void FaultArmingDevice::interruptRead() {
    inner_->interruptRead();
}

}  // namespace gm::umockdev_mouse
