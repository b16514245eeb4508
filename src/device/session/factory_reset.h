#pragma once
// Putting the mouse back to a factory configuration, and the engineering rebuild of the image
// from the built-in section defaults. Both replace the whole image and restart the mouse.

#include "device/result.h"
#include "device/session/whole_image_write.h"
#include "device/session/workspace.h"

namespace gm::device::session {

inline constexpr int kFactoryConfigCount = 3;

// Writes factory image Cfg`config` (1..3) of the identified chip type (the 4210A image before
// any identification).
Result writeFactoryImage(Workspace& workspace, int config);

// Rebuilds Vendor, User, the profiles and the fire key area from the section defaults, clears
// the macro area and the fire macro table, keeps the patch code and the tail, and writes the
// image.
Result rebuildEngineeringDefaults(Workspace& workspace);
// The same, ending an operation that kept its backup before its first write.
Result rebuildEngineeringDefaults(Workspace& workspace, KeptBackup kept);

}  // namespace gm::device::session
