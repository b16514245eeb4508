#pragma once
// Profile files between the mouse and the disk, and restoring a kept backup.

#include <cstddef>
#include <filesystem>

#include "device/session/session.h"

namespace gm::device::session {

// Reads the whole image from the mouse and writes it to profileSaveName(chosen). Returns the
// file written, or an empty path when nothing was saved (no device, failed read, write error).
std::filesystem::path saveProfile(Session& session, const std::filesystem::path& chosen);

// Loads a profile file into the mouse: refused unless byte 495 is 0xE0; otherwise the image is
// written whole and the mouse restarted. True when the mouse was read back after the restart.
// The read busy flag is clear afterwards on every path.
bool loadProfile(Session& session, const std::filesystem::path& path);

// Writes backup `number` (1 = newest) of the session's backup store to the mouse like a loaded
// profile. A backup holds what the mouse held, so its marker byte is not required.
bool restoreBackup(Session& session, std::size_t number);

}  // namespace gm::device::session
