#pragma once
// The Macro area goes to the mouse as its two 256-byte halves, at image 496 and 752, each an area
// write of the working copy (image_writes.h).

#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::device::session {

struct MacroHalfSteps {
    Step first = Step::WriteMacroArea;
    Step second = Step::WriteMacroArea;
};

// Sends both halves whatever the first answered, as the mouse takes them in turn; then a half
// the mouse did not take whole is read back, so the working copy shows what the mouse holds.
// The result is the first failure, with the refused and sent reports of both halves.
Result writeMacroHalves(Workspace& workspace, MacroHalfSteps steps = {});

}  // namespace gm::device::session
