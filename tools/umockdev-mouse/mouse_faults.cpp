#include "mouse_faults.h"

#include <charconv>

#include "device/wire.h"

namespace gm::umockdev_mouse {

namespace {

std::optional<int> countAfter(const std::string& kind, const std::string& prefix) {
    if (kind.rfind(prefix, 0) != 0) {
        return std::nullopt;
    }
    const std::string digits = kind.substr(prefix.size());
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size() || value < 1) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

bool addFault(const std::string& kind, host::SimFaults& faults) {
    if (kind == "refuse-command") {
        faults.refuseCommand = true;
    } else if (kind == "bad-identify") {
        faults.badIdentify = true;
    } else if (const auto data = countAfter(kind, "refuse-data=")) {
        faults.refuseDataFrom = *data;
    } else if (const auto vanish = countAfter(kind, "vanish-after=")) {
        faults.vanishAfter = *vanish;
    } else {
        return false;
    }
    return true;
}

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
    if (faults_.refuseCommand) {
        mouse_.refuseCommands(true);
    }
    if (faults_.refuseDataFrom > 0) {
        mouse_.refuseDataFrom(faults_.refuseDataFrom);
    }
    if (faults_.vanishAfter > 0) {
        mouse_.vanishAfter(faults_.vanishAfter);
    }
}

hid::ReadResult FaultArmingDevice::readInput(std::span<std::uint8_t> buffer,
                                             std::chrono::milliseconds timeout) {
    return inner_->readInput(buffer, timeout);
}

void FaultArmingDevice::interruptRead() {
    inner_->interruptRead();
}

}  // namespace gm::umockdev_mouse
