#pragma once
// Applying the fire-key sets: the area bytes, and every button holding a set rewritten with its
// new values; refreshing the sets from an image that was read.

#include "buttons/button_state.h"
#include "buttons/macro_catalogue.h"
#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::buttons {

// Writes the three sets of `state.fire` into the fire-key area, rewrites every profile key that
// held a set (as recognised by the remembered values) with the set's new code, remembers the new
// values and pushes the key tables and the area. Both pages apply through this.
device::Result applyFireKeys(device::Workspace& workspace, ButtonState& state,
                             const MacroCatalogue* macros = nullptr);

// After a read: the sets from the area, then the continue flags (and R, T) from the fire keys of
// the active profile.
void refreshFireKeys(const image::ImageModel& model, ButtonState& state);

}  // namespace gm::buttons
