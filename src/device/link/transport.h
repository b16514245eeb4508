#pragma once
// The two-report transport to the mouse: command report 0x40 and data report 0x41 (8 bytes each,
// feature reports) and the status input report 0x42. Finds and opens the mouse among the HID
// interfaces and moves single reports; the command protocol builds transfers on top.

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>

#include "device/clock.h"
#include "device/hid/hid_backend.h"
#include "device/timing.h"
#include "device/trace.h"
#include "device/wire.h"

namespace gm::device {

// Vendor and product id of the mouse, and the identity table the session searches.
struct DeviceIdentity {
    std::uint32_t vendorId = 0;
    std::uint32_t productId = 0;
};
inline constexpr DeviceIdentity kMouseIdentity{0x7A3E, 0x08B8};

struct OpenMouseResult {
    // An interface with these ids that declares the command and data reports was opened.
    bool found = false;
    std::uint16_t version = 0x100;  // its version number when found
    // Set when a matching interface exists but could not be opened (e.g. no permission): what
    // the user should do about it.
    std::string problem;
    // Not found because this user may not open the mouse's node: a later search may succeed
    // without any change on the bus (the user installed the udev rule).
    bool permissionDenied = false;
};

struct LinkState {
    std::uint32_t vendorId = 0;
    std::uint32_t productId = 0;
    std::uint32_t featureLength = 0;
    std::uint32_t inputLength = 0;
    std::shared_ptr<hid::Device> commandHandle;    // accepted the probe command report
    std::shared_ptr<hid::Device> dataHandle;       // answered the probe data request
    std::shared_ptr<hid::Device> readWriteHandle;  // reads the status input reports
    // A call on one of the handles found the device gone (unplugged, replugged, node revoked).
    // Sticky until the next search or invalidate; the handles are not used meanwhile.
    bool lost = false;
};

class Transport {
public:
    Transport(hid::Backend& backend, Clock& clock, const Timing& timing);

    // Number of present HID interfaces.
    int countHidDevices();
    // Searches every interface with these ids. The command and data channels come from an
    // interface whose report descriptor declares feature reports 0x40 and 0x41 of 7 data bytes
    // and that accepts the probes; the status channel from one that declares input report 0x42
    // (it may be another interface of the same mouse). Among interfaces that qualify, the last
    // one wins.
    OpenMouseResult openMouse(std::uint32_t vendorId, std::uint32_t productId);
    // Drops all three handles and the ids (device gone, or closing). A status read waiting on
    // the dropped link ends at once, as it does when a search replaces the link.
    void invalidate();

    // [0x40, code, a2, a3, a4, a5, 0, 0] on the command handle.
    bool sendCommand(std::uint8_t code, std::uint8_t a2 = 0, std::uint8_t a3 = 0,
                     std::uint8_t a4 = 0, std::uint8_t a5 = 0);
    // The full command report [0x40, code, a2..a7] (live writes use all six argument bytes).
    bool sendCommandReport(std::span<const std::uint8_t, kFeatureReportLength> report);
    // [0x41, payload] on the data handle.
    bool sendData(const Payload& payload);
    // Presets the response to 0xFF x7, fetches one data report into it, then paces; a refused
    // request leaves 0xFF and skips the pause. A short answer counts as received: the bytes it
    // lacks keep their 0xFF.
    bool readData();
    // One status input report from the read-write handle, waiting at most `timeout`. Error when
    // there is no status channel or the device is gone.
    hid::ReadResult readInputReport(std::span<std::uint8_t> buffer,
                                    std::chrono::milliseconds timeout);
    // Ends a readInputReport() waiting on the current status channel (it returns Interrupted),
    // or the next one when none waits (see hid::Device::interruptRead).
    void interruptInputRead();

    // Payload of the last data report received (0xFF x7 after a failed read). Used only under
    // the operation guard, which keeps whole transfers apart.
    const Payload& response() const { return response_; }
    Payload& response() { return response_; }

    bool hasCommandChannel() const;
    bool hasDataChannel() const;
    bool hasInputChannel() const;
    // The open mouse went away: its handles failed as gone. The session treats this as the
    // device leaving and searches again; every report call fails until then.
    bool linkLost() const;
    // Snapshot of the link state.
    LinkState link() const;

    // Called with every report sent, and every report received; safe to set while in use.
    void setTrace(TraceSink sink);

private:
    // Asks `handle` for data report 0x41 into `report` and traces what came; the bytes received
    // (report id included), 0 when refused or without a payload byte.
    std::size_t fetchDataReport(const std::shared_ptr<hid::Device>& handle,
                                std::span<std::uint8_t, kFeatureReportLength> report);
    // The current link's handle of this kind, or null while there is none or it is lost.
    std::shared_ptr<hid::Device> usableHandle(std::shared_ptr<hid::Device> LinkState::*which) const;
    // Makes `next` the link; interrupts a status read on the link it replaces.
    void replaceLink(LinkState next);
    // Marks the link lost when `handle` (still part of it) found the device gone.
    void noteGone(const std::shared_ptr<hid::Device>& handle);
    bool sendOn(const std::shared_ptr<hid::Device>& handle, std::span<const std::uint8_t> report);
    void trace(ReportKind kind, std::span<const std::uint8_t> bytes) const;

    hid::Backend& backend_;
    Clock& clock_;
    const Timing& timing_;
    mutable std::mutex linkMutex_;  // guards link_ against the status listener
    LinkState link_;
    Payload response_{};
    std::shared_ptr<const TraceSink> trace_;  // guarded by linkMutex_
};

}  // namespace gm::device
