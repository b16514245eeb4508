#pragma once
// What the virtual mouse received, picked out of its record of reports: the command reports (all
// of them or one command's), the data reports, and the live writes decoded as address and bytes.
// Every rig asks the record through these, so "the commands the mouse saw" means the same in
// every test.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <vector>

#include "device/sim/virtual_mouse.h"
#include "device/trace.h"
#include "device/wire.h"
#include "image/layout.h"

namespace gm::testing {

using Bytes = std::vector<std::uint8_t>;

// The command reports the mouse received (set-feature, id 0x40), oldest first.
inline std::vector<Bytes> commandReports(const sim::VirtualMouse& mouse) {
    std::vector<Bytes> found;
    for (const sim::SeenReport& report : mouse.reports()) {
        if (report.kind == device::ReportKind::SetFeature && !report.bytes.empty() &&
            report.bytes[0] == device::kCommandReportId)
            found.push_back(report.bytes);
    }
    return found;
}

// Only the command reports with this command code.
inline std::vector<Bytes> commandReports(const sim::VirtualMouse& mouse, std::uint8_t code) {
    std::vector<Bytes> found = commandReports(mouse);
    std::erase_if(found,
                  [code](const Bytes& report) { return report.size() < 2 || report[1] != code; });
    return found;
}

// The data reports (id 0x41) in both directions: those sent to the mouse and those it answered.
inline std::vector<Bytes> dataReports(const sim::VirtualMouse& mouse) {
    std::vector<Bytes> found;
    for (const sim::SeenReport& report : mouse.reports()) {
        if (!report.bytes.empty() && report.bytes[0] == device::kDataReportId)
            found.push_back(report.bytes);
    }
    return found;
}

// One live write to the image (target 0): the address and the bytes written there.
struct LiveWrite {
    int address;
    Bytes bytes;
    bool operator==(const LiveWrite&) const = default;
};

inline void PrintTo(const LiveWrite& write, std::ostream* out) {
    *out << "{" << write.address << ":";
    for (const std::uint8_t byte : write.bytes)
        *out << " " << int{byte};
    *out << "}";
}

// The last bytes of the Vendor and User sections: their check bytes, which a live change to a
// byte of the section writes after it.
inline constexpr int kVendorCheckByte = image::kVendor.offset + image::kVendor.length - 1;
inline constexpr int kUserCheckByte = image::kUser.offset + image::kUser.length - 1;

enum class CheckBytes { LeftOut, Only };

// The live writes (target 0) the mouse received, oldest first, without the writes of the Vendor
// and User check bytes or only those. A live write report is {0x40, 0x05, target, address,
// up to three bytes, count}.
inline std::vector<LiveWrite> liveWrites(const sim::VirtualMouse& mouse,
                                         CheckBytes checkBytes = CheckBytes::LeftOut) {
    std::vector<LiveWrite> writes;
    for (const Bytes& report : commandReports(mouse, device::command::kLiveWrite)) {
        if (report.size() < device::kFeatureReportLength || report[2] != 0)
            continue;
        const bool checkByte = report[3] == kVendorCheckByte || report[3] == kUserCheckByte;
        if (checkByte != (checkBytes == CheckBytes::Only))
            continue;
        const std::size_t end = std::min<std::size_t>(4 + report[7], report.size());
        writes.push_back({report[3], Bytes(report.begin() + 4, report.begin() + end)});
    }
    return writes;
}

}  // namespace gm::testing
