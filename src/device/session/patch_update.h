#pragma once
// Replacing the mouse's patch code from a file: the update page's load-then-program pair and
// the engineering page's one-step programming.

#include <filesystem>
#include <optional>
#include <string>

#include "device/result.h"
#include "device/session/workspace.h"
#include "image/files/patch_file.h"

namespace gm::device::session {

// Rebuilds the header's fixed bytes and its checksum over the first `length` patch bytes
// (length from header bytes 2..3); bytes 8..15 stay as they are.
void refreshPatchHeader(image::files::PatchFile& patch);

// Keeps a backup of the image, writes the header at 1008 and the whole patch area at 1024,
// restarts the mouse and reads it back; the model's header copy and patch code take the
// written bytes.
Result programPatch(Workspace& workspace, image::files::PatchFile patch);

// The update page: a file is loaded first and programmed on request; opening the page forgets
// what was loaded before.
class PatchUpdate {
public:
    explicit PatchUpdate(Workspace& workspace) : workspace_(workspace) {}

    // Without a device: "Finding the specified device". Otherwise forgets the loaded file.
    void openPage();
    // Reads a patch file for the current chip's patch area; a refused file leaves nothing loaded.
    Result loadFile(const std::filesystem::path& path);
    // Programs the loaded file.
    Result program();

    bool loaded() const { return patch_.has_value(); }
    const std::string& fileName() const { return fileName_; }

private:
    Workspace& workspace_;
    std::optional<image::files::PatchFile> patch_;
    std::string fileName_;
};

// The engineering page's one step: read the file and program it at once.
Result programPatchFile(Workspace& workspace, const std::filesystem::path& path);

}  // namespace gm::device::session
