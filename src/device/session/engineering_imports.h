#pragma once
// The engineering page's imports: a base macro file into the macro area and a fire macro file
// into the tail area, each written to the mouse at once.

#include <filesystem>

#include "device/session/session.h"

namespace gm::device::session {

// Reads 512 bytes into the macro area copy and writes them as two 256-byte blocks at 496 and
// 752. True when both writes were accepted.
bool importBaseMacros(Session& session, const std::filesystem::path& path);

// Reads ten 24-byte fire macro records, rebuilds the tail for the chip type and writes the
// tail at the tail offset. True when the write was accepted.
bool importFireMacros(Session& session, const std::filesystem::path& path);

}  // namespace gm::device::session
