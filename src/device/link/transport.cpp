#include "device/link/transport.h"

#include <algorithm>

#include "device/hid/report_descriptor.h"

namespace gm::device {

namespace {

bool sameId(std::uint32_t wanted, std::uint16_t actual) {
    return (wanted & 0xFFFF) == actual;
}

}  // namespace

Transport::Transport(hid::Backend& backend, Clock& clock, const Timing& timing)
    : backend_(backend), clock_(clock), timing_(timing) {
    response_.fill(0xFF);
}

int Transport::countHidDevices() {
    return backend_.countPresent();
}

OpenMouseResult Transport::openMouse(std::uint32_t vendorId, std::uint32_t productId) {
    OpenMouseResult result;
    LinkState found;
    for (const hid::InterfaceInfo& info : backend_.enumerate()) {
        if (!sameId(vendorId, info.vendorId) || !sameId(productId, info.productId)) {
            continue;
        }
        const auto caps = hid::findCollectionWithFeatureLength(
            hid::parseReportDescriptor(info.reportDescriptor), kFeatureReportLength);
        if (!caps) {
            continue;
        }
        const hid::OpenResult opened = backend_.open(info.path);
        if (!opened.device) {
            // A vanished interface is no news to the user; a refused one is.
            if (opened.error != hid::OpenError::NotFound) {
                result.problem = opened.message;
            }
            continue;
        }
        result.found = true;
        result.version = info.version;
        found.vendorId = info.vendorId;
        found.productId = info.productId;
        found.featureLength = caps->featureReportByteLength;
        found.inputLength = caps->inputReportByteLength;
        found.readWriteHandle = opened.device;

        const std::array<std::uint8_t, kFeatureReportLength> probeCommand{kCommandReportId, 0x0D};
        trace(ReportKind::SetFeature, probeCommand);
        if (opened.device->setFeature(probeCommand)) {
            found.commandHandle = opened.device;
        }
        std::array<std::uint8_t, kFeatureReportLength> probeData{kDataReportId};
        if (opened.device->getFeature(probeData)) {
            trace(ReportKind::GetFeature, probeData);
            found.dataHandle = opened.device;
        }
    }
    if (result.found) {
        result.problem.clear();
    }
    std::lock_guard lock(linkMutex_);
    link_ = std::move(found);
    return result;
}

void Transport::invalidate() {
    std::lock_guard lock(linkMutex_);
    link_ = LinkState{};
}

bool Transport::sendCommand(std::uint8_t code, std::uint8_t a2, std::uint8_t a3, std::uint8_t a4,
                            std::uint8_t a5) {
    const std::array<std::uint8_t, kFeatureReportLength> report{
        kCommandReportId, code, a2, a3, a4, a5, 0x00, 0x00};
    return sendCommandReport(report);
}

bool Transport::sendCommandReport(std::span<const std::uint8_t, kFeatureReportLength> report) {
    const auto handle = link().commandHandle;
    if (!handle || report[0] != kCommandReportId) {
        return false;
    }
    trace(ReportKind::SetFeature, report);
    return handle->setFeature(report);
}

bool Transport::sendData(const Payload& payload) {
    const auto handle = link().dataHandle;
    if (!handle) {
        return false;
    }
    std::array<std::uint8_t, kFeatureReportLength> report{kDataReportId};
    std::copy(payload.begin(), payload.end(), report.begin() + 1);
    trace(ReportKind::SetFeature, report);
    return handle->setFeature(report);
}

bool Transport::readData() {
    response_.fill(0xFF);
    const auto handle = link().dataHandle;
    if (!handle) {
        return false;
    }
    std::array<std::uint8_t, kFeatureReportLength> report{kDataReportId};
    if (!handle->getFeature(report)) {
        return false;
    }
    trace(ReportKind::GetFeature, report);
    std::copy(report.begin() + 1, report.end(), response_.begin());
    // The mouse needs a gap after each report it sends; a sleeping wait, not a spin.
    clock_.sleepFor(timing_.dataReportPacing);
    return true;
}

hid::ReadResult Transport::readInputReport(std::span<std::uint8_t> buffer,
                                           std::chrono::milliseconds timeout) {
    const auto handle = link().readWriteHandle;
    if (!handle) {
        return {hid::ReadStatus::Error, 0};
    }
    hid::ReadResult result = handle->readInput(buffer, timeout);
    // Never report more than the caller's buffer holds, whatever the backend claims.
    result.length = std::min(result.length, buffer.size());
    if (result.status == hid::ReadStatus::Ok) {
        trace(ReportKind::Input, buffer.first(result.length));
    }
    return result;
}

bool Transport::hasCommandChannel() const {
    return link().commandHandle != nullptr;
}

bool Transport::hasDataChannel() const {
    return link().dataHandle != nullptr;
}

bool Transport::hasInputChannel() const {
    return link().readWriteHandle != nullptr;
}

LinkState Transport::link() const {
    std::lock_guard lock(linkMutex_);
    return link_;
}

void Transport::setTrace(TraceSink sink) {
    std::lock_guard lock(linkMutex_);
    trace_ = std::make_shared<const TraceSink>(std::move(sink));
}

void Transport::trace(ReportKind kind, std::span<const std::uint8_t> bytes) const {
    std::shared_ptr<const TraceSink> sink;
    {
        std::lock_guard lock(linkMutex_);
        sink = trace_;
    }
    if (sink && *sink) {
        (*sink)(kind, bytes);
    }
}

}  // namespace gm::device
