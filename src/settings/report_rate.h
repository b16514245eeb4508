#pragma once
// The USB report rate (Vendor 4 bits 5-4). The mouse takes a new rate only when it enumerates
// again, so a change of the rate restarts it and reads it back.
#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::settings {

// Writes the rate (125, 250, 500 or 1000 Hz); restarts the mouse when it differs from the rate
// the mouse runs at. Choosing the running rate writes the byte and does not restart.
device::Result setReportRate(device::Workspace& workspace, int hertz);

}  // namespace gm::settings
