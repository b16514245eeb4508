#pragma once
// The copy kept before a whole-image write: what the mouse holds right now, read fresh, stored
// in the session's backup store.

#include <string_view>

#include "device/session/session.h"

namespace gm::device::session {

// Reads the whole image from the mouse (the model's buffer when the mouse refuses the read)
// and stores it. True when stored, or when the session keeps no backups. On failure the user
// is told and the caller must not write: the image would be replaced with no way back.
bool keepBackup(Session& session, std::string_view reason);

}  // namespace gm::device::session
