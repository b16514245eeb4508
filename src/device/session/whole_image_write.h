#pragma once
// Replacing the mouse's whole image (factory reset, engineering rebuild, loaded profile, restored
// backup): a backup of what the mouse holds, the new image taken into the model, the write, the
// restart, and a read-back compared with what was written.

#include <cstddef>
#include <optional>
#include <string_view>

#include "device/result.h"
#include "device/session/workspace.h"
#include "image/layout.h"

namespace gm::device::session {

// Reads the whole image from the mouse (the model's buffer when the read is incomplete) and
// stores it as a new backup (Result::backup = 1). Done without storing when the policy skips
// backups. On failure (BackupNotStored) the caller must not write.
Result keepBackup(Workspace& workspace, std::string_view reason);

// The model takes `image` as its buffer: working copies split from it, code texts rebuilt, and
// the views told.
void adoptImage(Workspace& workspace, const image::Image& image);

// Keeps a backup, takes `image` into the model, writes it at address 0, restarts the mouse and
// reads it back. Fails naming the step: the write (reports refused), the restart, the read-back,
// or ReadBackDiffers with the areas that differ. Result::backup names the backup kept.
Result replaceWholeImage(Workspace& workspace, const image::Image& image, std::string_view reason);

// The backup an operation kept itself, before its first write, when a whole-image write ends it:
// that write keeps no second backup, and its result names this one.
struct KeptBackup {
    std::optional<std::size_t> backup;  // as keepBackup() returned it
};
Result replaceWholeImage(Workspace& workspace, const image::Image& image, KeptBackup kept);

// Restarts the mouse after `written` was written to it (whole or in part), reads it back and
// compares: the tail of every whole-area write. `write` is the write's own result, returned when
// it failed (the restart happens all the same, as the mouse expects after a write).
Result restartAndVerify(Workspace& workspace, const image::Image& written, Result write);

}  // namespace gm::device::session
