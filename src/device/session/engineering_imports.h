#pragma once
// The engineering page's imports: a base macro file into the macro area and a fire macro file
// into the tail area, each written to the mouse at once.

#include <filesystem>

#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::device::session {

// Reads 512 bytes into the macro area copy and writes them as two 256-byte blocks at 496 and
// 752. Fails when either block lost a report (both are sent).
Result importBaseMacros(Workspace& workspace, const std::filesystem::path& path);

// Reads ten 24-byte fire macro records, rebuilds the tail for the chip type and writes the
// tail at the tail offset.
Result importFireMacros(Workspace& workspace, const std::filesystem::path& path);

}  // namespace gm::device::session
