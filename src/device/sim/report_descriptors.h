#pragma once
// The HID report descriptors of the virtual mouse's three interfaces, as a real device sends
// them: a boot pointer, a boot keyboard and the vendor collection with the 8-byte feature
// reports 0x40 (command) and 0x41 (data) and the 4-byte input report 0x42 (status).

#include <cstdint>
#include <vector>

namespace gm::sim {

std::vector<std::uint8_t> pointerReportDescriptor();
std::vector<std::uint8_t> keyboardReportDescriptor();
std::vector<std::uint8_t> vendorReportDescriptor();

}  // namespace gm::sim
