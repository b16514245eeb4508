#pragma once
// The virtual mouse: the firmware model behind three HID interfaces (a pointer collection, a
// keyboard collection and the vendor collection that carries the feature reports 0x40/0x41 and
// the input report 0x42), with presence on the bus, restart, fault injection and a record of
// every report it sees. Attach it to a VirtualBus to reach it through the hid::Backend API.
//
// Thread-safe: the host's main thread, its status listener and a test pressing buttons may call
// in at the same time. Presence after a restart is decided lazily from the clock; the mouse runs
// no thread of its own.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/clock.h"
#include "device/hid/hid_backend.h"
#include "device/presenter.h"
#include "device/sim/mouse_firmware.h"
#include "device/trace.h"
#include "image/geometry.h"
#include "image/layout.h"

namespace gm::sim {

enum class MouseInterface { Pointer, Keyboard, Vendor };
inline constexpr std::size_t kMouseInterfaceCount = 3;

// A report as the mouse saw it. Get-feature and input reports hold what the mouse answered (the
// request when it refused).
struct SeenReport {
    device::ReportKind kind = device::ReportKind::SetFeature;
    std::vector<std::uint8_t> bytes;
    bool accepted = false;
};

class VirtualMouse {
public:
    static constexpr std::uint16_t kDefaultVendorId = 0x7A3E;
    static constexpr std::uint16_t kDefaultProductId = 0x08B8;
    static constexpr std::uint16_t kDefaultVersion = 0x0100;

    // EEPROM preset to the chip's first factory image.
    VirtualMouse(device::Clock& clock, image::ChipType chip);
    VirtualMouse(device::Clock& clock, image::ChipType chip, const image::Image& eeprom);
    // Handles still open on the mouse fail from now on.
    ~VirtualMouse();
    VirtualMouse(const VirtualMouse&) = delete;
    VirtualMouse& operator=(const VirtualMouse&) = delete;

    // --- Identity on the bus (applies to handles opened afterwards) ---
    void setIds(std::uint16_t vendorId, std::uint16_t productId);
    void setVersion(std::uint16_t version);
    image::ChipType chip() const;
    void setIdentifyByte0(std::uint8_t value);

    // --- Memory ---
    image::Image eeprom() const;
    void loadEeprom(const image::Image& image);
    std::uint8_t xdata(std::uint16_t address) const;
    void setXdata(std::uint16_t address, std::uint8_t value);
    // Target-1 live writes received so far.
    std::vector<KeyStatusWrite> keyStatusWrites() const;

    // --- Presence ---
    // On the bus now: plugged in, not vanished, and not inside a restart.
    bool present() const;
    // Pulls the cable / plugs it back in. Unplugging kills every open handle.
    void unplug();
    void plugIn();
    // Time the mouse stays off the bus after a restart command (default: 1 s).
    void setRestartDelay(device::Micros delay);
    int restartCount() const;

    // --- Status buttons ---
    // Applies the button to the current level or profile and queues the input reports
    // [0x42, 0, 0, bit] and [0x42, 0, 0, 0] (only while present).
    void press(device::StatusButton button);
    std::uint8_t currentLevel() const;
    std::uint8_t currentProfile() const;

    // --- Faults ---
    void refuseCommands(bool refuse);
    // Refuses the n-th data-report operation (set or get of 0x41) counted from this call, and
    // every later one; n = 1 refuses the next. n <= 0 lifts the fault.
    void refuseDataFrom(int n);
    // Refuses only the n-th data-report operation counted from this call; n <= 0 lifts it.
    void refuseOneData(int n);
    // Leaves the bus right after the n-th report counted from this call (feature reports and
    // delivered input reports); every later call fails. n <= 0 lifts the fault. plugIn() brings
    // the mouse back; with `back`, it comes back by itself that long after it left, its EEPROM
    // as it was, as a cable pulled and plugged in again (handles from before stay dead).
    void vanishAfter(int n, std::optional<device::Micros> back = std::nullopt);
    // The n-th answer (a data report the host gets) counted from this call and every later one
    // carry wrong bytes: each payload byte differs from what the firmware answered. n <= 0 lifts
    // the fault.
    void garbleAnswersFrom(int n);
    void setBadIdentify(bool bad);
    // Every feature report costs this much time on the clock (slow mode); zero turns it off.
    void setReportCost(device::Micros cost);
    // Opening any interface fails with PermissionDenied and this message; empty lifts it.
    void denyOpen(std::string message);
    void clearFaults();

    // --- Record ---
    std::vector<SeenReport> reports() const;
    void clearReports();
    // Called for every report the mouse sees, as it sees it.
    void setTrace(device::TraceSink sink);

    // --- Bus side (used by VirtualBus) ---
    // The three interfaces in enumeration order; empty while not present.
    std::vector<hid::InterfaceInfo> interfaces() const;
    bool ownsPath(const std::string& path) const;
    hid::OpenResult open(const std::string& path);

    struct State;

private:
    friend class VirtualBus;  // keeps the state, so a bus outliving the mouse sees it gone
    std::shared_ptr<State> state_;
};

}  // namespace gm::sim
