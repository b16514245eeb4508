#pragma once
// One opened hidraw node: feature reports through the hidraw ioctls, input reports through
// poll() and read().

#include "device/hid/hid_backend.h"
#include "host/hidraw/hidraw_system_calls.h"

namespace gm::host {

class HidrawDevice final : public hid::Device {
public:
    // Takes ownership of `fd` (opened non-blocking) and closes it when destroyed.
    HidrawDevice(int fd, IoctlCall ioctl);
    ~HidrawDevice() override;
    HidrawDevice(const HidrawDevice&) = delete;
    HidrawDevice& operator=(const HidrawDevice&) = delete;

    bool setFeature(std::span<const std::uint8_t> report) override;
    bool getFeature(std::span<std::uint8_t> report) override;
    hid::ReadResult readInput(std::span<std::uint8_t> buffer,
                              std::chrono::milliseconds timeout) override;

private:
    int fd_;
    IoctlCall ioctl_;
};

}  // namespace gm::host
