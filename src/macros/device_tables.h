#pragma once
// The device macro tables of the workspace follow the Macro area working copy: parsed again on
// every image replacement (a read from the mouse, a profile file, defaults, a restored backup)
// and whenever image bytes changed (the engineering base-macro import, a write the mouse
// refused and was read back). Views hear of it through a Macros notification.

#include "device/session/workspace.h"

namespace gm::macros {

// The value of a Macros notification: which list changed.
enum class MacroList { Device = 0, Library = 1 };

// Parses the working copy into model.macros; true when the tables changed.
bool syncDeviceMacros(image::ImageModel& model);
// Tells the views the device macros changed (Macros, MacroList::Device).
void tellDeviceMacros(device::Workspace& workspace);
// Both.
void reparseDeviceMacros(device::Workspace& workspace);

// Makes every image replacement re-parse, and every change of image bytes that changed the
// tables. A driver calls it once, before it connects.
void followMacroArea(device::Workspace& workspace);

}  // namespace gm::macros
