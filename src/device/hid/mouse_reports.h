#pragma once
// Which of the mouse's reports a HID interface declares. On Linux one hidraw node is a whole
// interface and the kernel passes any report id to it, so every node of the mouse accepts the
// probes; only the report descriptor tells which interface carries which channel.

#include <cstdint>
#include <optional>
#include <span>

#include "device/hid/report_descriptor.h"

namespace gm::hid {

struct MouseReports {
    bool commandAndData = false;           // feature reports 0x40 and 0x41, 7 data bytes each
    std::optional<DeclaredReport> status;  // input report 0x42
};

MouseReports mouseReportsOf(std::span<const std::uint8_t> descriptor);

}  // namespace gm::hid
