#pragma once
// One hidraw node of the mouse in a umockdev testbed: answers the hidraw ioctls and read() of
// whatever opens /dev/hidrawN through the testbed's preload library, from an interface of the
// virtual mouse, as the kernel's hidraw driver answers them.
//
// The preload library hands ioctl() and read() to this object but runs poll() on the file the
// node's path leads to. That file is the slave side of a PTY this object owns (umockdev's own
// kind of stream node, made here so it can be hung up): while input reports wait, one byte waits
// on the PTY, so poll() says POLLIN, and read() is answered here with one whole report. Closing
// the master when the node goes away hangs up every handle of it (POLLHUP), and their ioctls
// and reads fail with ENODEV and EIO, as those of a removed kernel node do.
//
// The ioctl handler stays attached for the life of the object; each plug-in starts a new life,
// and a handle answers only in the life it was opened in.

#include <umockdev.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "device/hid/hid_backend.h"
#include "device/hid/report_descriptor.h"

namespace gm::umockdev_mouse {

struct NodeIdentity {
    std::uint16_t bus = 0x0003;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::vector<std::uint8_t> descriptor;
};

class EmulatedNode {
public:
    // `devNode` is the path clients open ("/dev/hidraw0"). False from attached() when the
    // testbed refused the handler.
    EmulatedNode(UMockdevTestbed* testbed, std::string devNode, NodeIdentity identity);
    ~EmulatedNode();
    EmulatedNode(const EmulatedNode&) = delete;
    EmulatedNode& operator=(const EmulatedNode&) = delete;

    bool attached() const { return attached_; }
    // Whether the descriptor declares input report `id` (only such nodes get input reports).
    bool declaresInput(std::uint8_t id) const;

    // Makes the node's file in the testbed's /dev, served by `device`. False (with errno) when
    // the PTY or the file could not be made.
    bool plugIn(std::shared_ptr<hid::Device> device);
    // Removes the file and hangs up every handle opened since plugIn().
    void unplug();
    // Queues an input report for the node's readers (dropped while unplugged).
    void deliver(std::span<const std::uint8_t> report);

private:
    struct Answer {
        long result = -1;
        int error = 0;
    };

    static gboolean onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self);
    static gboolean onRead(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self);
    static void onConnected(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self);

    Answer ioctl(UMockdevIoctlClient* client);
    Answer read(UMockdevIoctlClient* client);
    Answer feature(bool set, UMockdevIoctlData* buffer, std::size_t length);
    // The device when `client` was opened in the current life, else nullptr.
    std::shared_ptr<hid::Device> deviceFor(UMockdevIoctlClient* client);
    void closePtyLocked();

    UMockdevTestbed* testbed_;
    std::string devNode_;
    std::string rootDir_;
    NodeIdentity identity_;
    hid::ParsedDescriptor parsed_;
    UMockdevIoctlBase* handler_ = nullptr;
    bool attached_ = false;

    std::mutex mutex_;
    std::shared_ptr<hid::Device> device_;  // null while unplugged
    unsigned life_ = 0;                    // counts plug-ins; handles remember theirs
    int master_ = -1;
    int drain_ = -1;  // the tool's own slave handle: takes the readiness byte back
    std::deque<std::vector<std::uint8_t>> input_;
};

}  // namespace gm::umockdev_mouse
