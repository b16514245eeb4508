#pragma once
// Writing the device macros: with polling paused, the key tables (the 147 bytes of the three
// profile sections, check bytes recomputed) and then the Macro area as its two halves, from
// the working copies. Refused data reports do not stop the sequence (the mouse expects all of
// it); a refused command ends it. Whatever the mouse did not take is read back afterwards, so
// the tables and the key captions show what the mouse holds, and the result names the first
// step that failed.

#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::macros {

device::Result writeDeviceMacros(device::Workspace& workspace);

}  // namespace gm::macros
