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

// All three collections in one interface, as one HID device (a virtual mouse behind uhid): the
// pointer and keyboard reports get report ids 1 and 2, as every report must have one once any
// has.
std::vector<std::uint8_t> singleInterfaceReportDescriptor();

// A mouse that splits the vendor reports over two interfaces (its third is the pointer): the
// keyboard interface also declares the feature reports 0x40 and 0x41, and a vendor interface
// declares the status input report 0x42 beside an 8-byte feature report 0x43 of its own.
std::vector<std::uint8_t> keyboardWithCommandReportsDescriptor();
std::vector<std::uint8_t> statusReportDescriptor();

}  // namespace gm::sim
