#pragma once
// A HID device made in the kernel through uhid, whose reports are served by a hid::Device
// (e.g. the virtual mouse's vendor interface): the kernel makes a real hidraw node for it, and
// whatever opens that node talks through the kernel to the device behind.
//
// Speaks the uhid event protocol (linux/uhid.h) over a file descriptor it does not own:
// /dev/uhid in use, one end of a socket pair in tests. Feature requests of the kernel become
// feature reports on the device, and the device's input reports become input events. Safe to
// call forwardInput() from one thread while another handles events.

#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "device/hid/hid_backend.h"
#include "device/hid/report_descriptor.h"

namespace gm::host {

struct UhidIdentity {
    std::string name;  // HID_NAME
    std::string uniq;  // HID_UNIQ: tells this device's nodes from any other's
    std::uint16_t bus = 0x0003;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t version = 0;
};

enum class UhidEvent {
    Started,         // the kernel's HID driver bound to the device
    Stopped,         // ... and let go of it
    Opened,          // a reader opened one of its nodes
    Closed,          // the last reader closed
    ReportAnswered,  // a get or set report request was answered
    Output,          // an output report (such as keyboard LEDs), ignored
    Unknown,         // an event type this device does not handle, ignored
    Failed,          // the descriptor was closed or broke: stop
};

class UhidDevice {
public:
    UhidDevice(int fd, hid::Device& device);

    // Creates the device with `descriptor` (UHID_CREATE2). False when the descriptor is too
    // long for uhid or does not parse, or the write failed.
    bool create(const UhidIdentity& identity, const std::vector<std::uint8_t>& descriptor);
    // Reads and handles one event from the kernel (blocks until one comes).
    UhidEvent handleEvent();
    // Waits at most `timeout` for an input report of the device and passes it to the kernel.
    // False when the device is gone or the write failed.
    bool forwardInput(std::chrono::milliseconds timeout);
    // Removes the device from the kernel (UHID_DESTROY).
    bool destroy();

private:
    UhidEvent answerGetReport(std::uint32_t id, std::uint8_t number, std::uint8_t type);
    UhidEvent answerSetReport(std::uint32_t id, std::uint8_t number, std::uint8_t type,
                              const std::uint8_t* data, std::size_t size);
    // Writes one whole event; false when the write failed or came short.
    bool write(const void* event, std::size_t size);

    int fd_;
    hid::Device& device_;
    hid::ParsedDescriptor descriptor_;
    std::mutex writeMutex_;  // input reports and answers come from different threads
};

}  // namespace gm::host
