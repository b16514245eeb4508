#include "emulated_node.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace gm::umockdev_mouse {

namespace {

constexpr const char* kLifeKey = "gm-node-life";
constexpr std::uint8_t kReadyByte = 'r';

// The feature ioctls carry the buffer's length in their number; these are the rest.
constexpr unsigned kSetFeature = _IOC_NR(HIDIOCSFEATURE(0));
constexpr unsigned kGetFeature = _IOC_NR(HIDIOCGFEATURE(0));

// The client's buffer of `length` bytes behind the ioctl argument, copied here; written back
// to the client when the call completes. Null when the client's memory cannot be read.
UMockdevIoctlData* resolve(UMockdevIoctlClient* client, std::size_t length) {
    GError* error = nullptr;
    UMockdevIoctlData* data =
        umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, length, &error);
    if (error != nullptr) {
        g_error_free(error);
    }
    return data;
}

template <typename T>
void put(UMockdevIoctlData* data, const T& value) {
    umockdev_ioctl_data_update(data, 0, reinterpret_cast<guint8*>(const_cast<T*>(&value)),
                               static_cast<gint>(sizeof(T)));
}

}  // namespace

EmulatedNode::EmulatedNode(UMockdevTestbed* testbed, std::string devNode, NodeIdentity identity)
    : testbed_(testbed),
      devNode_(std::move(devNode)),
      identity_(std::move(identity)),
      parsed_(hid::parseReportDescriptor(identity_.descriptor)),
      handler_(umockdev_ioctl_base_new()) {
    gchar* root = umockdev_testbed_get_root_dir(testbed_);
    rootDir_ = root;
    g_free(root);
    g_signal_connect(handler_, "handle-ioctl", G_CALLBACK(onIoctl), this);
    g_signal_connect(handler_, "handle-read", G_CALLBACK(onRead), this);
    g_signal_connect(handler_, "client-connected", G_CALLBACK(onConnected), this);
    GError* error = nullptr;
    attached_ = umockdev_testbed_attach_ioctl(testbed_, devNode_.c_str(), handler_, &error);
    if (error != nullptr) {
        g_error_free(error);
    }
}

EmulatedNode::~EmulatedNode() {
    unplug();
    if (attached_) {
        umockdev_testbed_detach_ioctl(testbed_, devNode_.c_str(), nullptr);
    }
    g_signal_handlers_disconnect_by_data(handler_, this);
    g_object_unref(handler_);
}

bool EmulatedNode::declaresInput(std::uint8_t id) const {
    return hid::findReport(parsed_, hid::ReportType::Input, id).has_value();
}

bool EmulatedNode::plugIn(std::shared_ptr<hid::Device> device) {
    std::lock_guard lock(mutex_);
    closePtyLocked();
    char slaveName[256] = {};
    if (::openpty(&master_, &drain_, slaveName, nullptr, nullptr) != 0) {
        master_ = drain_ = -1;
        return false;
    }
    // Raw, so the readiness byte is neither echoed nor held back for a whole line; the tool's
    // own slave handle must never wait.
    termios raw{};
    ::tcgetattr(drain_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(drain_, TCSANOW, &raw);
    ::fcntl(drain_, F_SETFL, ::fcntl(drain_, F_GETFL) | O_NONBLOCK);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(drain_, F_SETFD, FD_CLOEXEC);
    const std::filesystem::path file = rootDir_ + devNode_;
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::filesystem::remove(file, ignored);
    if (::symlink(slaveName, file.c_str()) != 0) {
        closePtyLocked();
        return false;
    }
    device_ = std::move(device);
    ++life_;
    input_.clear();
    return true;
}

void EmulatedNode::unplug() {
    std::lock_guard lock(mutex_);
    device_.reset();
    input_.clear();
    closePtyLocked();
    std::error_code ignored;
    std::filesystem::remove(rootDir_ + devNode_, ignored);
}

void EmulatedNode::closePtyLocked() {
    for (int* fd : {&master_, &drain_}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
}

void EmulatedNode::deliver(std::span<const std::uint8_t> report) {
    std::lock_guard lock(mutex_);
    if (!device_ || report.empty()) {
        return;
    }
    input_.emplace_back(report.begin(), report.end());
    if (input_.size() == 1) {
        ssize_t written = 0;
        do {
            written = ::write(master_, &kReadyByte, 1);
        } while (written < 0 && errno == EINTR);
    }
}

std::shared_ptr<hid::Device> EmulatedNode::deviceFor(UMockdevIoctlClient* client) {
    const unsigned life = GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(client), kLifeKey));
    std::lock_guard lock(mutex_);
    return life == life_ ? device_ : nullptr;
}

void EmulatedNode::onConnected(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
    auto* node = static_cast<EmulatedNode*>(self);
    std::lock_guard lock(node->mutex_);
    // Life 0 never matches: a handle opened while unplugged is dead from the start.
    const unsigned life = node->device_ ? node->life_ : 0;
    g_object_set_data(G_OBJECT(client), kLifeKey, GUINT_TO_POINTER(life));
}

gboolean EmulatedNode::onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
    const Answer answer = static_cast<EmulatedNode*>(self)->ioctl(client);
    umockdev_ioctl_client_complete(client, answer.result, answer.error);
    return TRUE;
}

gboolean EmulatedNode::onRead(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
    const Answer answer = static_cast<EmulatedNode*>(self)->read(client);
    umockdev_ioctl_client_complete(client, answer.result, answer.error);
    return TRUE;
}

EmulatedNode::Answer EmulatedNode::ioctl(UMockdevIoctlClient* client) {
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    if (_IOC_TYPE(request) != 'H') {
        return {-1, ENOTTY};
    }
    if (!deviceFor(client)) {
        return {-1, ENODEV};
    }
    const unsigned number = _IOC_NR(request);
    const std::size_t length = _IOC_SIZE(request);
    if (number == kSetFeature || number == kGetFeature) {
        UMockdevIoctlData* buffer = length > 0 ? resolve(client, length) : nullptr;
        if (buffer == nullptr) {
            return {-1, length > 0 ? EFAULT : EINVAL};
        }
        const Answer answer = feature(number == kSetFeature, buffer, length);
        g_object_unref(buffer);
        return answer;
    }
    const auto& descriptor = identity_.descriptor;
    if (request == HIDIOCGRDESCSIZE) {
        UMockdevIoctlData* data = resolve(client, sizeof(int));
        if (data == nullptr) {
            return {-1, EFAULT};
        }
        put(data, static_cast<int>(descriptor.size()));
        g_object_unref(data);
        return {0, 0};
    }
    if (request == HIDIOCGRDESC) {
        UMockdevIoctlData* data = resolve(client, sizeof(hidraw_report_descriptor));
        if (data == nullptr) {
            return {-1, EFAULT};
        }
        auto* wanted = reinterpret_cast<hidraw_report_descriptor*>(data->data);
        Answer answer{-1, EINVAL};
        if (wanted->size < HID_MAX_DESCRIPTOR_SIZE) {
            const std::size_t count = std::min<std::size_t>(wanted->size, descriptor.size());
            umockdev_ioctl_data_update(data, offsetof(hidraw_report_descriptor, value),
                                       const_cast<guint8*>(descriptor.data()),
                                       static_cast<gint>(count));
            answer = {0, 0};
        }
        g_object_unref(data);
        return answer;
    }
    if (request == HIDIOCGRAWINFO) {
        UMockdevIoctlData* data = resolve(client, sizeof(hidraw_devinfo));
        if (data == nullptr) {
            return {-1, EFAULT};
        }
        hidraw_devinfo info{};
        info.bustype = identity_.bus;
        info.vendor = static_cast<__s16>(identity_.vendorId);
        info.product = static_cast<__s16>(identity_.productId);
        put(data, info);
        g_object_unref(data);
        return {0, 0};
    }
    return {-1, ENOTTY};
}

// A feature report goes to the device only when the node's descriptor declares its id, as a
// HID device that stalls every other one; a refusal is the stall (EPIPE), a device that went
// away ENODEV.
EmulatedNode::Answer EmulatedNode::feature(bool set, UMockdevIoctlData* buffer,
                                           std::size_t length) {
    const std::shared_ptr<hid::Device> device = [&] {
        std::lock_guard lock(mutex_);
        return device_;
    }();
    if (!device) {
        return {-1, ENODEV};
    }
    const std::uint8_t id = buffer->data[0];
    const auto declared = hid::findReport(parsed_, hid::ReportType::Feature, id);
    if (!declared) {
        return {-1, EPIPE};
    }
    auto failure = [](hid::TransferStatus status) {
        return Answer{-1, status == hid::TransferStatus::Gone ? ENODEV : EPIPE};
    };
    if (set) {
        const hid::TransferResult sent =
            device->setFeature(std::span<const std::uint8_t>(buffer->data, length));
        return sent ? Answer{static_cast<long>(length), 0} : failure(sent.status);
    }
    // The device answers with its whole report; the caller gets as much as its buffer holds.
    std::vector<std::uint8_t> report(declared->dataBytes + 1, 0x00);
    report[0] = id;
    const hid::TransferResult got = device->getFeature(report);
    if (!got) {
        return failure(got.status);
    }
    const std::size_t count = std::min(got.length, length);
    umockdev_ioctl_data_update(buffer, 0, report.data(), static_cast<gint>(count));
    return {static_cast<long>(count), 0};
}

// One whole queued report per read, as hidraw hands them out; EAGAIN when none waits (the
// backend opens the node non-blocking), EIO on a handle whose node went away.
EmulatedNode::Answer EmulatedNode::read(UMockdevIoctlClient* client) {
    if (!deviceFor(client)) {
        return {-1, EIO};
    }
    UMockdevIoctlData* buffer = umockdev_ioctl_client_get_arg(client);
    std::lock_guard lock(mutex_);
    if (input_.empty()) {
        return {-1, EAGAIN};
    }
    const std::vector<std::uint8_t> report = std::move(input_.front());
    input_.pop_front();
    if (input_.empty()) {
        std::uint8_t ready[16];
        while (::read(drain_, ready, sizeof(ready)) > 0) {
        }
    }
    const std::size_t count =
        std::min(report.size(), static_cast<std::size_t>(std::max(buffer->data_len, 0)));
    umockdev_ioctl_data_update(buffer, 0, const_cast<guint8*>(report.data()),
                               static_cast<gint>(count));
    return {static_cast<long>(count), 0};
}

}  // namespace gm::umockdev_mouse
