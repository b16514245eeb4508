#include "mouse_testbed.h"

#include <cstdio>
#include <sstream>

namespace gm::umockdev_mouse {

namespace {

constexpr const char* kUsbDevice = "/devices/pci0000:00/0000:00:14.0/usb1/1-1";

std::string hex(std::uint32_t value, int digits, bool upper) {
    char text[16];
    std::snprintf(text, sizeof(text), upper ? "%0*X" : "%0*x", digits, value);
    return text;
}

std::string hexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += hex(byte, 2, true);
    }
    return text;
}

std::string interfacePath(std::size_t index) {
    return std::string(kUsbDevice) + "/1-1:1." + std::to_string(index);
}

std::string nodeName(std::size_t index) {
    return "hidraw" + std::to_string(index);
}

}  // namespace

MouseTestbed::MouseTestbed(MouseIdentity identity)
    : identity_(std::move(identity)), testbed_(umockdev_testbed_new()) {
    if (testbed_ == nullptr) {
        error_ = "cannot make the umockdev testbed";
        return;
    }
    for (std::size_t i = 0; i < identity_.descriptors.size(); ++i) {
        NodeIdentity node{0x0003, identity_.vendorId, identity_.productId,
                          identity_.descriptors[i]};
        nodes_.push_back(
            std::make_unique<EmulatedNode>(testbed_, "/dev/" + nodeName(i), std::move(node)));
        if (!nodes_.back()->attached()) {
            error_ = "cannot attach the ioctl handler of /dev/" + nodeName(i);
        }
    }
}

MouseTestbed::~MouseTestbed() {
    unplug();
    nodes_.clear();
    if (testbed_ != nullptr) {
        g_object_unref(testbed_);
    }
}

std::string MouseTestbed::rootDir() const {
    gchar* root = umockdev_testbed_get_root_dir(testbed_);
    std::string text = root;
    g_free(root);
    return text;
}

// The devices in umockdev's record format, parents first.
std::string MouseTestbed::sysfsRecord() const {
    const std::string vendor = hex(identity_.vendorId, 4, true);
    const std::string product = hex(identity_.productId, 4, true);
    std::ostringstream record;
    record << "P: " << kUsbDevice << "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\n"
           << "A: idVendor=" << hex(identity_.vendorId, 4, false) << "\n"
           << "A: idProduct=" << hex(identity_.productId, 4, false) << "\n"
           << "A: bcdDevice=" << hex(identity_.version, 4, false) << "\n\n";
    for (std::size_t i = 0; i < identity_.descriptors.size(); ++i) {
        const std::string hidName =
            "0003:" + vendor + ":" + product + "." +
            hex(static_cast<std::uint32_t>(firstHidNumber_ + static_cast<int>(i)), 4, true);
        const std::string hidPath = interfacePath(i) + "/" + hidName;
        record << "P: " << interfacePath(i) << "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\n"
               << "A: bInterfaceNumber=" << hex(static_cast<std::uint32_t>(i), 2, false)
               << "\nA: bInterfaceClass=03\n\n"
               << "P: " << hidPath << "\nE: SUBSYSTEM=hid\n"
               << "E: HID_ID=0003:0000" << vendor << ":0000" << product << "\n"
               << "E: HID_NAME=gmouse virtual mouse\n"
               << "H: report_descriptor=" << hexBytes(identity_.descriptors[i]) << "\n\n"
               << "P: " << hidPath << "/hidraw/" << nodeName(i) << "\nE: SUBSYSTEM=hidraw\n"
               << "E: DEVNAME=/dev/" << nodeName(i) << "\n"
               << "A: dev=241:" << i << "\n"
               << "L: device=../../../" << hidName << "\n\n";
    }
    return record.str();
}

bool MouseTestbed::plugIn(const std::shared_ptr<hid::Device>& device) {
    if (!error_.empty()) {
        return false;
    }
    unplug();
    GError* failure = nullptr;
    if (!umockdev_testbed_add_from_string(testbed_, sysfsRecord().c_str(), &failure)) {
        error_ = std::string("cannot add the mouse to the testbed: ") +
                 (failure != nullptr ? failure->message : "unknown error");
        if (failure != nullptr) {
            g_error_free(failure);
        }
        return false;
    }
    for (std::size_t i = identity_.descriptors.size(); i-- > 0;) {
        const std::string hidPath =
            interfacePath(i) + "/0003:" + hex(identity_.vendorId, 4, true) + ":" +
            hex(identity_.productId, 4, true) + "." +
            hex(static_cast<std::uint32_t>(firstHidNumber_ + static_cast<int>(i)), 4, true);
        syspaths_.push_back("/sys" + hidPath + "/hidraw/" + nodeName(i));
        syspaths_.push_back("/sys" + hidPath);
        syspaths_.push_back("/sys" + interfacePath(i));
    }
    syspaths_.push_back(std::string("/sys") + kUsbDevice);
    firstHidNumber_ += static_cast<int>(identity_.descriptors.size());
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        if (!nodes_[i]->plugIn(device)) {
            error_ = "cannot make /dev/" + nodeName(i) + " in the testbed";
            return false;
        }
    }
    return true;
}

void MouseTestbed::unplug() {
    for (auto& node : nodes_) {
        node->unplug();
    }
    for (const std::string& syspath : syspaths_) {
        umockdev_testbed_remove_device(testbed_, syspath.c_str());
    }
    syspaths_.clear();
}

void MouseTestbed::deliver(std::span<const std::uint8_t> report) {
    for (auto& node : nodes_) {
        if (!report.empty() && node->declaresInput(report[0])) {
            node->deliver(report);
        }
    }
}

}  // namespace gm::umockdev_mouse
