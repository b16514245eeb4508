#include "device/sim/mouse_state.h"

#include <algorithm>
#include <atomic>

#include "device/sim/report_descriptors.h"
#include "device/wire.h"

namespace gm::sim {

namespace {

using device::kCommandReportId;
using device::kDataReportId;
using device::kFeatureReportLength;
using device::kStatusReportId;

constexpr std::array<const char*, kMouseInterfaceCount> kInterfaceNames{"pointer", "keyboard",
                                                                        "vendor"};

std::string nextPathPrefix() {
    static std::atomic<int> counter{0};
    return "sim/mouse" + std::to_string(++counter) + "/";
}

// One opened interface of the mouse. Dies when the mouse leaves the bus after it was opened.
class InterfaceHandle final : public hid::Device {
public:
    InterfaceHandle(std::shared_ptr<VirtualMouse::State> state, MouseInterface which,
                    std::uint64_t generation)
        : state_(std::move(state)), which_(which), generation_(generation) {}

    hid::TransferResult setFeature(std::span<const std::uint8_t> report) override {
        return state_->setFeature(which_, generation_, report);
    }
    hid::TransferResult getFeature(std::span<std::uint8_t> report) override {
        return state_->getFeature(which_, generation_, report);
    }
    hid::ReadResult readInput(std::span<std::uint8_t> buffer,
                              std::chrono::milliseconds timeout) override {
        return state_->readInput(which_, generation_, buffer, timeout, interrupted_);
    }
    void interruptRead() override { state_->interruptRead(interrupted_); }

private:
    std::shared_ptr<VirtualMouse::State> state_;
    MouseInterface which_;
    std::uint64_t generation_;
    bool interrupted_ = false;  // guarded by the state's mutex
};

// A whole report taken or answered, or refused by a mouse that is still there.
hid::TransferResult outcome(bool accepted, std::size_t length) {
    if (!accepted) {
        return {hid::TransferStatus::Refused, 0};
    }
    return {hid::TransferStatus::Ok, length};
}

// What a handle of a mouse that left the bus gets, as from a hung-up hidraw node.
constexpr hid::TransferResult kGone{hid::TransferStatus::Gone, 0};

}  // namespace

VirtualMouse::State::State(device::Clock& clk, image::ChipType chip)
    : clock(clk), pathPrefix(nextPathPrefix()), firmware(chip) {}

bool VirtualMouse::State::presentLocked() const {
    return pluggedIn && !vanished && !destroyed && clock.now() >= backOnBusAt;
}

bool VirtualMouse::State::aliveLocked(std::uint64_t handleGeneration) const {
    return handleGeneration == generation && presentLocked();
}

void VirtualMouse::State::leaveBusLocked() {
    ++generation;
    pendingInput.clear();
    firmware.resetTransfers();
    inputChanged.notify_all();
}

void VirtualMouse::State::recordLocked(device::ReportKind kind, std::span<const std::uint8_t> bytes,
                                       bool accepted) {
    seen.push_back({kind, std::vector<std::uint8_t>(bytes.begin(), bytes.end()), accepted});
    if (trace) {
        trace(kind, bytes);
    }
    if (reportsBeforeVanish && --*reportsBeforeVanish <= 0) {
        reportsBeforeVanish.reset();
        if (backAfterVanish) {
            backOnBusAt = clock.now() + *backAfterVanish;
        } else {
            vanished = true;
        }
        leaveBusLocked();
    }
}

bool VirtualMouse::State::takeAnswerLocked() {
    if (!answersBeforeGarbage) {
        return false;
    }
    if (*answersBeforeGarbage > 0) {
        --*answersBeforeGarbage;
        return false;
    }
    return true;
}

bool VirtualMouse::State::takeDataOperationLocked() {
    if (dataOperationsBeforeOneRefusal) {
        if (*dataOperationsBeforeOneRefusal <= 0) {
            dataOperationsBeforeOneRefusal.reset();
            return false;
        }
        --*dataOperationsBeforeOneRefusal;
    }
    if (!dataOperationsBeforeRefusal) {
        return true;
    }
    if (*dataOperationsBeforeRefusal <= 0) {
        return false;
    }
    --*dataOperationsBeforeRefusal;
    return true;
}

void VirtualMouse::State::payReportCost() {
    device::Micros cost{0};
    {
        std::lock_guard lock(mutex);
        cost = reportCost;
    }
    clock.sleepFor(cost);
}

hid::TransferResult VirtualMouse::State::setFeature(MouseInterface which,
                                                    std::uint64_t handleGeneration,
                                                    std::span<const std::uint8_t> report) {
    payReportCost();
    std::lock_guard lock(mutex);
    if (!aliveLocked(handleGeneration)) {
        return kGone;
    }
    bool accepted = false;
    bool restart = false;
    if (which == MouseInterface::Vendor && report.size() == kFeatureReportLength) {
        const auto fixed = report.first<kFeatureReportLength>();
        if (report[0] == kCommandReportId) {
            accepted = !refuseCommands && firmware.command(fixed);
            restart = accepted && report[1] == device::command::kRestart;
        } else if (report[0] == kDataReportId && takeDataOperationLocked()) {
            MouseFirmware::Payload payload{};
            std::copy(report.begin() + 1, report.end(), payload.begin());
            firmware.receiveData(payload);
            accepted = true;
        }
    }
    recordLocked(device::ReportKind::SetFeature, report, accepted);
    if (restart && generation == handleGeneration) {
        ++restarts;
        backOnBusAt = clock.now() + restartDelay;
        leaveBusLocked();
    }
    return outcome(accepted, report.size());
}

hid::TransferResult VirtualMouse::State::getFeature(MouseInterface which,
                                                    std::uint64_t handleGeneration,
                                                    std::span<std::uint8_t> report) {
    payReportCost();
    std::lock_guard lock(mutex);
    if (!aliveLocked(handleGeneration)) {
        return kGone;
    }
    bool accepted = false;
    if (which == MouseInterface::Vendor && report.size() == kFeatureReportLength &&
        report[0] == kDataReportId && takeDataOperationLocked()) {
        auto payload = firmware.nextDataReport();
        if (takeAnswerLocked()) {
            // Never zero, so every byte is wrong; shifted per answer, so no two repeat.
            for (std::size_t i = 0; i < payload.size(); ++i) {
                payload[i] ^= static_cast<std::uint8_t>(1 + (garbledAnswers * 7 + i) % 255);
            }
            ++garbledAnswers;
        }
        std::copy(payload.begin(), payload.end(), report.begin() + 1);
        accepted = true;
    }
    recordLocked(device::ReportKind::GetFeature, report, accepted);
    return outcome(accepted, report.size());
}

hid::ReadResult VirtualMouse::State::readInput(MouseInterface which, std::uint64_t handleGeneration,
                                               std::span<std::uint8_t> buffer,
                                               std::chrono::milliseconds timeout,
                                               bool& interrupted) {
    std::unique_lock lock(mutex);
    const bool reportsStatus = which == MouseInterface::Vendor;
    // A real wait: only a queued report, the handle dying, an interruption or the timeout end
    // it. A mouse that comes back from a restart wakes nobody, as its old handles stay dead.
    waitUpTo(inputChanged, lock, timeout, [&] {
        return interrupted || !aliveLocked(handleGeneration) ||
               (reportsStatus && !pendingInput.empty());
    });
    if (!aliveLocked(handleGeneration)) {
        return {hid::ReadStatus::Error, 0};
    }
    if (interrupted) {
        interrupted = false;
        return {hid::ReadStatus::Interrupted, 0};
    }
    if (!reportsStatus || pendingInput.empty()) {
        return {hid::ReadStatus::Timeout, 0};
    }
    const auto report = pendingInput.front();
    pendingInput.pop_front();
    const std::size_t length = std::min(buffer.size(), report.size());
    std::copy_n(report.begin(), length, buffer.begin());
    recordLocked(device::ReportKind::Input, report, true);
    return {hid::ReadStatus::Ok, length};
}

void VirtualMouse::State::interruptRead(bool& interrupted) {
    {
        std::lock_guard lock(mutex);
        interrupted = true;
    }
    inputChanged.notify_all();
}

std::vector<hid::InterfaceInfo> VirtualMouse::State::interfaces() const {
    std::lock_guard lock(mutex);
    if (!presentLocked()) {
        return {};
    }
    const std::array<std::vector<std::uint8_t>, kMouseInterfaceCount> descriptors{
        pointerReportDescriptor(), keyboardReportDescriptor(), vendorReportDescriptor()};
    std::vector<hid::InterfaceInfo> result;
    for (std::size_t i = 0; i < kMouseInterfaceCount; ++i) {
        result.push_back(
            {pathPrefix + kInterfaceNames[i], vendorId, productId, version, descriptors[i]});
    }
    return result;
}

std::optional<MouseInterface> VirtualMouse::State::interfaceOf(const std::string& path) const {
    for (std::size_t i = 0; i < kMouseInterfaceCount; ++i) {
        if (path == pathPrefix + kInterfaceNames[i]) {
            return static_cast<MouseInterface>(i);
        }
    }
    return std::nullopt;
}

hid::OpenResult VirtualMouse::State::open(const std::string& path) {
    const auto which = interfaceOf(path);
    std::lock_guard lock(mutex);
    if (!which || !presentLocked()) {
        return {nullptr, hid::OpenError::NotFound, path + ": no such device"};
    }
    if (!openDeniedMessage.empty()) {
        return {nullptr, hid::OpenError::PermissionDenied, openDeniedMessage};
    }
    return {std::make_shared<InterfaceHandle>(shared_from_this(), *which, generation),
            hid::OpenError::None, ""};
}

void VirtualMouse::State::press(device::StatusButton button) {
    std::lock_guard lock(mutex);
    const std::uint8_t bit = firmware.press(button);
    if (!presentLocked()) {
        return;
    }
    pendingInput.push_back({kStatusReportId, 0x00, 0x00, bit});
    pendingInput.push_back({kStatusReportId, 0x00, 0x00, 0x00});
    inputChanged.notify_all();
}

}  // namespace gm::sim
