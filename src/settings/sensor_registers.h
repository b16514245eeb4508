#pragma once
// The 33 sensor and LED-driver start-up registers (Vendor 9..41), passed through unchanged.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::settings {

inline constexpr std::size_t kFirstRegisterAddress = 9;
inline constexpr std::size_t kRegisterCount = 33;

// The register names in address order ("Avg_lb_lq" at Vendor 9 ... "LED Init1" at Vendor 41).
const std::array<std::string_view, kRegisterCount>& registerNames();
// The address of a register by its name (letters compared without case, spaces ignored).
std::optional<std::size_t> registerAddressOf(std::string_view name);

// Writes one register; values above 255 become 255. The working copy takes the value too, so a
// later write of the whole Vendor section does not put the old one back.
device::Result setSensorRegister(device::Workspace& workspace, std::size_t address, int value);

}  // namespace gm::settings
