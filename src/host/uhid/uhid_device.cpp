#include "host/uhid/uhid_device.h"

#include <linux/uhid.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

namespace gm::host {

namespace {

// The answer's error field: any non-zero value makes the kernel fail the request with EIO.
constexpr std::uint16_t kRefused = EIO;
// Longest input report the status channel can deliver in one read.
constexpr std::size_t kInputBufferSize = 64;

template <std::size_t N>
void copyText(std::uint8_t (&field)[N], const std::string& text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

// uhid_event is large (about 4 KiB); a zeroed one on the heap.
std::unique_ptr<uhid_event> blankEvent(std::uint32_t type) {
    auto event = std::make_unique<uhid_event>();
    std::memset(event.get(), 0, sizeof(uhid_event));
    event->type = type;
    return event;
}

}  // namespace

UhidDevice::UhidDevice(int fd, hid::Device& device) : fd_(fd), device_(device) {}

bool UhidDevice::create(const UhidIdentity& identity, const std::vector<std::uint8_t>& descriptor) {
    descriptor_ = hid::parseReportDescriptor(descriptor);
    auto event = blankEvent(UHID_CREATE2);
    auto& create = event->u.create2;
    if (!descriptor_.ok || descriptor.size() > sizeof(create.rd_data)) {
        return false;
    }
    copyText(create.name, identity.name);
    copyText(create.uniq, identity.uniq);
    create.rd_size = static_cast<std::uint16_t>(descriptor.size());
    create.bus = identity.bus;
    create.vendor = identity.vendorId;
    create.product = identity.productId;
    create.version = identity.version;
    std::copy(descriptor.begin(), descriptor.end(), create.rd_data);
    return write(event.get(), sizeof(uhid_event));
}

UhidEvent UhidDevice::handleEvent() {
    auto event = blankEvent(0);
    ssize_t got = 0;
    do {
        got = ::read(fd_, event.get(), sizeof(uhid_event));
    } while (got < 0 && errno == EINTR);
    // Shorter events than the whole record are allowed; the rest stays zero.
    if (got < static_cast<ssize_t>(sizeof(event->type))) {
        return UhidEvent::Failed;
    }
    switch (event->type) {
        case UHID_START:
            return UhidEvent::Started;
        case UHID_STOP:
            return UhidEvent::Stopped;
        case UHID_OPEN:
            return UhidEvent::Opened;
        case UHID_CLOSE:
            return UhidEvent::Closed;
        case UHID_OUTPUT:
            return UhidEvent::Output;
        case UHID_GET_REPORT: {
            const auto& request = event->u.get_report;
            return answerGetReport(request.id, request.rnum, request.rtype);
        }
        case UHID_SET_REPORT: {
            const auto& request = event->u.set_report;
            const std::size_t size = std::min<std::size_t>(request.size, UHID_DATA_MAX);
            return answerSetReport(request.id, request.rnum, request.rtype, request.data, size);
        }
        default:
            return UhidEvent::Unknown;
    }
}

UhidEvent UhidDevice::answerGetReport(std::uint32_t id, std::uint8_t number, std::uint8_t type) {
    auto reply = blankEvent(UHID_GET_REPORT_REPLY);
    auto& answer = reply->u.get_report_reply;
    answer.id = id;
    answer.err = kRefused;
    // Only feature reports the descriptor declares are asked of the device, at their length.
    const auto declared = hid::findReport(descriptor_, hid::ReportType::Feature, number);
    if (type == UHID_FEATURE_REPORT && declared && declared->dataBytes < UHID_DATA_MAX) {
        std::vector<std::uint8_t> report(declared->dataBytes + 1, 0x00);
        report[0] = number;
        const hid::TransferResult got = device_.getFeature(report);
        if (got) {
            answer.err = 0;
            answer.size = static_cast<std::uint16_t>(got.length);
            std::copy_n(report.begin(), got.length, answer.data);
        }
    }
    return write(reply.get(), sizeof(uhid_event)) ? UhidEvent::ReportAnswered : UhidEvent::Failed;
}

UhidEvent UhidDevice::answerSetReport(std::uint32_t id, std::uint8_t number, std::uint8_t type,
                                      const std::uint8_t* data, std::size_t size) {
    auto reply = blankEvent(UHID_SET_REPORT_REPLY);
    auto& answer = reply->u.set_report_reply;
    answer.id = id;
    answer.err = kRefused;
    if (type == UHID_FEATURE_REPORT &&
        hid::findReport(descriptor_, hid::ReportType::Feature, number)) {
        if (device_.setFeature(std::span(data, size))) {
            answer.err = 0;
        }
    } else if (type == UHID_OUTPUT_REPORT) {
        answer.err = 0;  // keyboard LEDs: taken and ignored
    }
    return write(reply.get(), sizeof(uhid_event)) ? UhidEvent::ReportAnswered : UhidEvent::Failed;
}

bool UhidDevice::forwardInput(std::chrono::milliseconds timeout) {
    std::array<std::uint8_t, kInputBufferSize> buffer{};
    const hid::ReadResult read = device_.readInput(buffer, timeout);
    if (read.status == hid::ReadStatus::Timeout || read.status == hid::ReadStatus::Interrupted) {
        return true;
    }
    if (read.status != hid::ReadStatus::Ok) {
        return false;
    }
    auto event = blankEvent(UHID_INPUT2);
    event->u.input2.size = static_cast<std::uint16_t>(read.length);
    std::copy_n(buffer.begin(), read.length, event->u.input2.data);
    return write(event.get(), sizeof(uhid_event));
}

bool UhidDevice::destroy() {
    const auto event = blankEvent(UHID_DESTROY);
    return write(event.get(), sizeof(uhid_event));
}

bool UhidDevice::write(const void* event, std::size_t size) {
    std::lock_guard lock(writeMutex_);
    ssize_t written = 0;
    do {
        written = ::write(fd_, event, size);
    } while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(size);
}

}  // namespace gm::host
