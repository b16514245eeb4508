#include "device/link/transport.h"

#include <algorithm>

#include "device/hid/mouse_reports.h"

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
    bool denied = false;
    for (const hid::InterfaceInfo& info : backend_.enumerate()) {
        if (!sameId(vendorId, info.vendorId) || !sameId(productId, info.productId)) {
            continue;
        }
        const hid::MouseReports roles = hid::mouseReportsOf(info.reportDescriptor);
        if (!roles.commandAndData && !roles.status) {
            continue;
        }
        const hid::OpenResult opened = backend_.open(info.path);
        if (!opened.device) {
            // A vanished interface is no news to the user; a refused one is.
            if (opened.error != hid::OpenError::NotFound) {
                result.problem = opened.message;
                denied = denied || opened.error == hid::OpenError::PermissionDenied;
            }
            continue;
        }
        if (roles.status) {
            found.readWriteHandle = opened.device;
            found.inputLength = static_cast<std::uint32_t>(roles.status->dataBytes + 1);
        }
        if (!roles.commandAndData) {
            continue;
        }
        result.found = true;
        result.version = info.version;
        found.vendorId = info.vendorId;
        found.productId = info.productId;
        found.featureLength = kFeatureReportLength;

        const std::array<std::uint8_t, kFeatureReportLength> probeCommand{kCommandReportId, 0x0D};
        trace(ReportKind::SetFeature, probeCommand);
        if (opened.device->setFeature(probeCommand)) {
            found.commandHandle = opened.device;
        }
        std::array<std::uint8_t, kFeatureReportLength> probeData{kDataReportId};
        if (fetchDataReport(opened.device, probeData) > 0) {
            found.dataHandle = opened.device;
        }
    }
    if (result.found) {
        result.problem.clear();
    } else {
        result.permissionDenied = denied;
        found = LinkState{};  // a status interface alone is no link
    }
    replaceLink(std::move(found));
    return result;
}

void Transport::invalidate() {
    replaceLink(LinkState{});
}

void Transport::replaceLink(LinkState next) {
    std::shared_ptr<hid::Device> replaced;
    {
        std::lock_guard lock(linkMutex_);
        replaced = std::move(link_.readWriteHandle);
        link_ = std::move(next);
    }
    // The status listener waits on the handle without a timeout: wake it so it lets go of the
    // old handle (a closed node, a new link) instead of holding it until a report comes.
    if (replaced) {
        replaced->interruptRead();
    }
}

bool Transport::sendCommand(std::uint8_t code, std::uint8_t a2, std::uint8_t a3, std::uint8_t a4,
                            std::uint8_t a5) {
    const std::array<std::uint8_t, kFeatureReportLength> report{
        kCommandReportId, code, a2, a3, a4, a5, 0x00, 0x00};
    return sendCommandReport(report);
}

bool Transport::sendCommandReport(std::span<const std::uint8_t, kFeatureReportLength> report) {
    if (report[0] != kCommandReportId) {
        return false;
    }
    return sendOn(usableHandle(&LinkState::commandHandle), report);
}

bool Transport::sendData(const Payload& payload) {
    std::array<std::uint8_t, kFeatureReportLength> report{kDataReportId};
    std::copy(payload.begin(), payload.end(), report.begin() + 1);
    return sendOn(usableHandle(&LinkState::dataHandle), report);
}

bool Transport::sendOn(const std::shared_ptr<hid::Device>& handle,
                       std::span<const std::uint8_t> report) {
    if (!handle) {
        return false;
    }
    trace(ReportKind::SetFeature, report);
    const hid::TransferResult sent = handle->setFeature(report);
    if (sent.status == hid::TransferStatus::Gone) {
        noteGone(handle);
    }
    return static_cast<bool>(sent);
}

bool Transport::readData() {
    response_.fill(0xFF);
    const auto handle = usableHandle(&LinkState::dataHandle);
    if (!handle) {
        return false;
    }
    std::array<std::uint8_t, kFeatureReportLength> report{kDataReportId};
    const std::size_t received = fetchDataReport(handle, report);
    if (received == 0) {
        return false;
    }
    std::copy(report.begin() + 1, report.begin() + static_cast<std::ptrdiff_t>(received),
              response_.begin());
    // The mouse needs a gap after each report it sends; a sleeping wait, not a spin.
    clock_.sleepFor(timing_.dataReportPacing);
    return true;
}

std::size_t Transport::fetchDataReport(const std::shared_ptr<hid::Device>& handle,
                                       std::span<std::uint8_t, kFeatureReportLength> report) {
    const hid::TransferResult got = handle->getFeature(report);
    if (got.status == hid::TransferStatus::Gone) {
        noteGone(handle);
    }
    // An answer needs at least one payload byte after the report id.
    if (!got || got.length < 2) {
        return 0;
    }
    const std::size_t received = std::min(got.length, report.size());
    trace(ReportKind::GetFeature, report.first(received));
    return received;
}

hid::ReadResult Transport::readInputReport(std::span<std::uint8_t> buffer,
                                           std::chrono::milliseconds timeout) {
    const auto handle = usableHandle(&LinkState::readWriteHandle);
    if (!handle) {
        return {hid::ReadStatus::Error, 0};
    }
    hid::ReadResult result = handle->readInput(buffer, timeout);
    // Never report more than the caller's buffer holds, whatever the backend claims.
    result.length = std::min(result.length, buffer.size());
    if (result.status == hid::ReadStatus::Ok) {
        trace(ReportKind::Input, buffer.first(result.length));
    } else if (result.status == hid::ReadStatus::Error) {
        noteGone(handle);
    }
    return result;
}

void Transport::interruptInputRead() {
    if (const auto handle = link().readWriteHandle) {
        handle->interruptRead();
    }
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

bool Transport::linkLost() const {
    std::lock_guard lock(linkMutex_);
    return link_.lost;
}

LinkState Transport::link() const {
    std::lock_guard lock(linkMutex_);
    return link_;
}

std::shared_ptr<hid::Device> Transport::usableHandle(
    std::shared_ptr<hid::Device> LinkState::*which) const {
    std::lock_guard lock(linkMutex_);
    return link_.lost ? nullptr : link_.*which;
}

void Transport::noteGone(const std::shared_ptr<hid::Device>& handle) {
    std::lock_guard lock(linkMutex_);
    // A handle of an earlier link (held by the status listener across a new search) says
    // nothing about the current one.
    if (handle == link_.commandHandle || handle == link_.dataHandle ||
        handle == link_.readWriteHandle) {
        link_.lost = true;
    }
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
