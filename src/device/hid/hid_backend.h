#pragma once
// Access to HID interfaces: what the transport needs and nothing more. Implemented by the Linux
// hidraw backend (host/hidraw) and by the virtual bus of the virtual mouse (device/sim).

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace gm::hid {

struct InterfaceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t version = 0;
    std::vector<std::uint8_t> reportDescriptor;
};

// Interrupted: Device::interruptRead() ended the wait. Error: the handle is of no further use,
// as when the device went away (the hidraw node hangs up); the device must be searched again.
enum class ReadStatus { Ok, Timeout, Interrupted, Error };

// A read timeout that never runs out: only a report, the device going away or an interruption
// ends the wait.
inline constexpr std::chrono::milliseconds kWaitForever = std::chrono::milliseconds::max();

struct ReadResult {
    ReadStatus status = ReadStatus::Error;
    std::size_t length = 0;  // bytes received when status is Ok
};

// Refused: the device is there but did not take or answer the report. Gone: the device went
// away (unplugged, or its node revoked); every later call on the handle fails the same way.
enum class TransferStatus { Ok, Refused, Gone };

struct TransferResult {
    TransferStatus status = TransferStatus::Refused;
    // Bytes moved, report id included, when status is Ok. A device may answer a get request
    // with fewer bytes than asked; the rest of the caller's buffer is then left as it was.
    std::size_t length = 0;

    explicit operator bool() const { return status == TransferStatus::Ok; }
};

// One opened interface. Closed when the last reference goes away.
class Device {
public:
    virtual ~Device() = default;
    // Sends a feature report; report[0] is the report id. Ok only when all of it was taken.
    virtual TransferResult setFeature(std::span<const std::uint8_t> report) = 0;
    // Fetches a feature report; report[0] holds the wanted id on entry, and the first `length`
    // bytes hold the answer on success (report id first).
    virtual TransferResult getFeature(std::span<std::uint8_t> report) = 0;
    // Waits at most `timeout` (kWaitForever: without limit) for one input report and copies at
    // most buffer.size() bytes of it (report id first). Never spins.
    virtual ReadResult readInput(std::span<std::uint8_t> buffer,
                                 std::chrono::milliseconds timeout) = 0;
    // Ends a readInput() waiting on another thread, which returns Interrupted. When none waits,
    // the next one returns Interrupted at once: the interruption is kept until a read takes it,
    // so it cannot be lost between a reader's last look at its stop flag and its read. Any
    // thread may call it.
    virtual void interruptRead() = 0;
};

enum class OpenError { None, NotFound, PermissionDenied, Other };

struct OpenResult {
    std::shared_ptr<Device> device;  // null on failure
    OpenError error = OpenError::None;
    std::string message;  // what went wrong, for the user, when device is null
};

class Backend {
public:
    virtual ~Backend() = default;
    // Every present HID interface, whether or not this user may open it.
    virtual std::vector<InterfaceInfo> enumerate() = 0;
    // Number of present HID interfaces (cheaper than enumerate; polled often).
    virtual int countPresent() = 0;
    // Opens an interface for reading and writing reports.
    virtual OpenResult open(const std::string& path) = 0;
};

}  // namespace gm::hid
