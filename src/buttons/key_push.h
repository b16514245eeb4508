#pragma once
// The profile push as the button operations use it: when the read busy flag is clear, push the
// key tables (device/session/profile_push.h; what the mouse refused is read back, so the
// captions show what the mouse holds rather than what was asked).

#include "device/result.h"
#include "device/session/profile_push.h"
#include "device/session/workspace.h"

namespace gm::buttons {

device::Result pushKeyTables(device::Workspace& workspace,
                             device::session::FireKeys fireKeys = device::session::FireKeys::Kept);

}  // namespace gm::buttons
