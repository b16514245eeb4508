#pragma once
// Inside of the virtual mouse, shared by the mouse object, the handles opened on it and the bus,
// so that a handle or a bus outliving the mouse only sees it gone. Not part of the public API.

#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "device/sim/virtual_mouse.h"

namespace gm::sim {

struct VirtualMouse::State : std::enable_shared_from_this<VirtualMouse::State> {
    State(device::Clock& clock, image::ChipType chip);

    // Presence and liveness; the caller holds `mutex`.
    bool presentLocked() const;
    bool aliveLocked(std::uint64_t handleGeneration) const;
    // The mouse drops off the bus: every open handle dies, pending transfers and input go.
    void leaveBusLocked();
    // Records a report and counts it towards a pending vanish.
    void recordLocked(device::ReportKind kind, std::span<const std::uint8_t> bytes, bool accepted);
    // Counts one data-report operation; false when it must be refused.
    bool takeDataOperationLocked();
    // Counts one answer; true when it must carry wrong bytes.
    bool takeAnswerLocked();

    // The three report paths of a handle.
    hid::TransferResult setFeature(MouseInterface which, std::uint64_t generation,
                                   std::span<const std::uint8_t> report);
    hid::TransferResult getFeature(MouseInterface which, std::uint64_t generation,
                                   std::span<std::uint8_t> report);
    // `interrupted` is the reading handle's kept interruption, guarded by `mutex`.
    hid::ReadResult readInput(MouseInterface which, std::uint64_t generation,
                              std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout,
                              bool& interrupted);
    void interruptRead(bool& interrupted);
    // Pays the slow-mode cost of one report on the clock, outside the lock.
    void payReportCost();

    std::vector<hid::InterfaceInfo> interfaces() const;
    std::optional<MouseInterface> interfaceOf(const std::string& path) const;
    hid::OpenResult open(const std::string& path);
    // Applies a status button and queues its press and release reports.
    void press(device::StatusButton button);

    device::Clock& clock;
    const std::string pathPrefix;
    mutable std::mutex mutex;
    std::condition_variable inputChanged;

    MouseFirmware firmware;
    std::uint16_t vendorId = VirtualMouse::kDefaultVendorId;
    std::uint16_t productId = VirtualMouse::kDefaultProductId;
    std::uint16_t version = VirtualMouse::kDefaultVersion;

    bool pluggedIn = true;
    bool vanished = false;
    bool destroyed = false;
    device::Micros backOnBusAt{0};
    device::Micros restartDelay{1'000'000};
    int restarts = 0;
    std::uint64_t generation = 0;  // bumped whenever the mouse leaves the bus
    std::deque<std::array<std::uint8_t, 4>> pendingInput;

    bool refuseCommands = false;
    std::optional<int> dataOperationsBeforeRefusal;
    std::optional<int> dataOperationsBeforeOneRefusal;
    std::optional<int> reportsBeforeVanish;
    std::optional<device::Micros> backAfterVanish;  // empty: gone until plugIn()
    std::optional<int> answersBeforeGarbage;
    std::uint32_t garbledAnswers = 0;  // varies the wrong bytes from answer to answer
    device::Micros reportCost{0};
    std::string openDeniedMessage;

    std::vector<SeenReport> seen;
    device::TraceSink trace;
};

// Waits on `changed` until `ready` holds or `timeout` has passed (never, for hid::kWaitForever).
template <typename Ready>
void waitUpTo(std::condition_variable& changed, std::unique_lock<std::mutex>& lock,
              std::chrono::milliseconds timeout, Ready ready) {
    if (timeout == hid::kWaitForever) {
        changed.wait(lock, ready);
    } else {
        changed.wait_for(lock, timeout, ready);
    }
}

}  // namespace gm::sim
