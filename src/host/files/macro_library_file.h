#pragma once
// The macro file: the PC macro library as 100 records of 272 bytes. Loaded at start (made from
// the default content, every record free, when missing). Two programs may change it (the editor
// and gmousectl), so every change runs under a lock on the file: it is read again when it changed
// since this program last read or wrote it, the change is applied to what it holds, and the
// whole store replaces the file through the writer (a temporary file renamed over it). A file of
// the wrong size is read as far as it goes, said once, and copied aside (".bak" beside it)
// before the first write replaces it.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "device/result.h"
#include "device/session/workspace.h"
#include "image/files/file_writer.h"
#include "macros/macro_outcome.h"

namespace gm::host {

class MacroLibraryFile {
public:
    MacroLibraryFile(std::filesystem::path path, image::files::FileWriter& writer);

    const std::filesystem::path& path() const { return path_; }

    // Reads the file into the workspace's store and tells the views (Macros, Library). A missing
    // file is made; a wrong size is a note of the result (the first time only).
    device::Result load(device::Workspace& workspace);

    // Runs `change` on the workspace's store as the header says. When it was refused nothing is
    // written; when the write fails the store is put back and the outcome's result says why.
    macros::MacroOutcome change(device::Workspace& workspace,
                                const std::function<macros::MacroOutcome()>& change);

private:
    // Reads the file; false (with `error`) when it exists but cannot be read.
    bool read(std::vector<std::uint8_t>& bytes, bool& missing, std::string& error) const;
    // Takes `bytes` into the store, noting a wrong size once.
    void take(device::Workspace& workspace, const std::vector<std::uint8_t>& bytes,
              device::Result& result);
    std::string write(std::span<const std::uint8_t> bytes);

    std::filesystem::path path_;
    image::files::FileWriter& writer_;
    std::vector<std::uint8_t> known_;  // the file as this program last read or wrote it
    bool knownMissing_ = true;
    bool sizeTold_ = false;
};

}  // namespace gm::host
