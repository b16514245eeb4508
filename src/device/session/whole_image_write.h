#pragma once
// The steps every replacement of the mouse's whole image shares (factory reset, engineering
// rebuild, loaded profile, restored backup): a backup of what the mouse holds, the busy state,
// the new image taken into the model, the write and the restart.

#include <string_view>

#include "device/session/session.h"
#include "image/layout.h"

namespace gm::device::session {

// Reads the whole image from the mouse (the model's buffer when the read is refused or
// incomplete) and stores it. True when stored, or when the session keeps no backups. On
// failure the user is told and the caller must not write: the image would be replaced with no
// way back.
bool keepBackup(Session& session, std::string_view reason);

// Read busy set, polling off, overlays shown.
void beginWholeImageWrite(Session& session);

// The model takes `image` as its buffer: working copies split from it, code texts rebuilt and
// every view refreshed.
void adoptImage(Session& session, const image::Image& image);

// Writes the model's buffer at address 0, ends the busy state and restarts the mouse. True when
// the mouse was found and read back after its restart.
bool finishWholeImageWrite(Session& session);

}  // namespace gm::device::session
