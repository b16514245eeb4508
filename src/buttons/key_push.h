#pragma once
// The profile push as the button operations use it: when the read busy flag is clear, push the
// key tables; when the mouse refused part of it, read the key tables back so the captions show
// what the mouse holds rather than what was asked.

#include "device/result.h"
#include "device/session/profile_push.h"
#include "device/session/workspace.h"

namespace gm::buttons {

device::Result pushKeyTables(device::Workspace& workspace,
                             device::session::FireKeys fireKeys = device::session::FireKeys::Kept);

// Writes the whole Vendor section (its check byte recomputed first) unless the read busy flag is
// set; used by the gesture operations that change combo slots and masks together.
device::Result writeVendorSection(device::Workspace& workspace);

// Writes `bytes` at a live-write address in chunks of up to three unless the read busy flag is set.
device::Result writeLive(device::Workspace& workspace, std::size_t address,
                         std::span<const std::uint8_t> bytes);

}  // namespace gm::buttons
