#pragma once
// Replacing the mouse's patch code from a file: the update page's load-then-program pair and
// the engineering page's one-step programming.

#include <filesystem>
#include <optional>
#include <string>

#include "device/session/session.h"
#include "image/files/patch_file.h"

namespace gm::device::session {

// Rebuilds the header's fixed bytes and its checksum over the first `length` patch bytes
// (length from header bytes 2..3); bytes 8..15 stay as they are.
void checkEEPatchCodeSection(image::files::PatchFile& patch);

// Writes the header at 1008 and the whole patch area at 1024, then restarts the mouse. The
// model's header copy and patch code buffer take the written bytes. True when the mouse was
// read back after its restart.
bool programPatch(Session& session, image::files::PatchFile patch);

// The update page: a file is loaded first and programmed on request; opening the page forgets
// what was loaded before.
class PatchUpdate {
public:
    explicit PatchUpdate(Session& session) : session_(session) {}

    // Without a device: "Finding the specified device". Otherwise forgets the loaded file.
    void openPage();
    // Reads a patch file for the current chip's patch area. A refused file is explained and
    // leaves the loaded flag clear.
    bool loadFile(const std::filesystem::path& path);
    // Programs the loaded file. Does nothing, silently, without a device or a loaded file.
    bool program();

    bool loaded() const { return patch_.has_value(); }
    const std::string& fileName() const { return fileName_; }

private:
    Session& session_;
    std::optional<image::files::PatchFile> patch_;
    std::string fileName_;
};

// The engineering page's one step: read the file and program it at once.
bool programPatchFile(Session& session, const std::filesystem::path& path);

}  // namespace gm::device::session
