#pragma once
// Profile files between the mouse and the disk, and restoring a kept backup.

#include <cstddef>
#include <filesystem>

#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::device::session {

// Reads the whole image from the mouse and writes it to profileSaveName(chosen), which is
// `saved` afterwards. Refuses an empty name and a folder; a failed or incomplete read writes
// nothing.
Result saveProfile(Workspace& workspace, const std::filesystem::path& chosen,
                   std::filesystem::path& saved);

// Whether a file made for the other chip may be written (the user confirmed it, or --force).
enum class OtherChip { Refused, Allowed };

// Loads a profile file into the mouse: refused (BadMarker, "Loading .bin is error!") unless
// byte 495 is 0xE0, and refused (OtherChip, naming both chips, nothing sent) when its patch code
// does not fit the mouse's chip unless allowed; otherwise the image is written whole, the mouse
// restarted and read back. A short or long file is used as far as it goes and noted. The read
// busy flag is clear afterwards.
Result loadProfile(Workspace& workspace, const std::filesystem::path& path,
                   OtherChip otherChip = OtherChip::Refused);

// Writes backup `number` (1 = newest) of the backup folder to the mouse like a loaded profile.
// A backup holds what the mouse held, so its marker byte is not required.
Result restoreBackup(Workspace& workspace, std::size_t number);

}  // namespace gm::device::session
