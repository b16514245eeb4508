#pragma once
// One opened hidraw node: feature reports through the hidraw ioctls, input reports through
// poll() and read(). Tells a refused report from a node whose device went away. A read waits in
// one poll() on the node and on an eventfd of its own, which interruptRead() signals.

#include "device/hid/hid_backend.h"
#include "host/hidraw/hidraw_system_calls.h"

namespace gm::host {

class HidrawDevice final : public hid::Device {
public:
    // Takes ownership of `fd` (opened non-blocking) and closes it when destroyed.
    HidrawDevice(int fd, HidrawSystemCalls calls);
    ~HidrawDevice() override;
    HidrawDevice(const HidrawDevice&) = delete;
    HidrawDevice& operator=(const HidrawDevice&) = delete;

    hid::TransferResult setFeature(std::span<const std::uint8_t> report) override;
    hid::TransferResult getFeature(std::span<std::uint8_t> report) override;
    hid::ReadResult readInput(std::span<std::uint8_t> buffer,
                              std::chrono::milliseconds timeout) override;
    void interruptRead() override;
    // False when the eventfd could not be made (no descriptors left): reads could not be
    // interrupted, so such a device is not used.
    bool interruptible() const { return wakeFd_ >= 0; }

private:
    // What a failed feature ioctl with `error` (errno) means for this node.
    hid::TransferStatus failureOf(int error);
    // True when poll() says the node hung up: its device is gone.
    bool hungUp();

    int fd_;
    int wakeFd_;
    HidrawSystemCalls calls_;
};

}  // namespace gm::host
