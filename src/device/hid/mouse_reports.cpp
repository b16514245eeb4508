#include "device/hid/mouse_reports.h"

#include "device/wire.h"

namespace gm::hid {

MouseReports mouseReportsOf(std::span<const std::uint8_t> descriptor) {
    const ParsedDescriptor parsed = parseReportDescriptor(descriptor);
    const auto isPayloadFeature = [&](std::uint8_t id) {
        const auto report = findReport(parsed, ReportType::Feature, id);
        return report && report->dataBytes == device::kPayloadLength;
    };
    return {isPayloadFeature(device::kCommandReportId) && isPayloadFeature(device::kDataReportId),
            findReport(parsed, ReportType::Input, device::kStatusReportId)};
}

}  // namespace gm::hid
