#pragma once
// The gun-key list's file, "Fire Macro.bin": ten 4-byte codes in slot order, 40 bytes, beside the
// macro file. While it exists its codes name class-0B keys. A short or long file is read as far
// as it goes and said. Changes run under the file's lock: it is read again, changed and written
// whole through the writer (a temporary file renamed over it), so the editor and gmousectl never
// lose each other's change.

#include <filesystem>
#include <functional>
#include <optional>

#include "buttons/gun_key_list.h"
#include "device/result.h"
#include "image/files/file_writer.h"

namespace gm::host {

inline constexpr const char* kGunKeyFileName = "Fire Macro.bin";

class GunKeyFile {
public:
    GunKeyFile(std::filesystem::path path, image::files::FileWriter& writer);

    const std::filesystem::path& path() const { return path_; }

    // Reads the file; a missing one leaves no list (not an error). A wrong size is a note.
    device::Result load();
    // The list while the file exists; null otherwise.
    const buttons::GunKeyList* list() const { return list_ ? &*list_ : nullptr; }

    // Applies `change` to the list as the file holds it now (empty when missing) and writes the
    // file when `change` returns true. The list stays as it was when the write fails.
    device::Result change(const std::function<bool(buttons::GunKeyList&)>& change);

private:
    // The file's list (nothing when missing), with a note for a wrong size.
    device::Result read(std::optional<buttons::GunKeyList>& list) const;

    std::filesystem::path path_;
    image::files::FileWriter& writer_;
    std::optional<buttons::GunKeyList> list_;
};

}  // namespace gm::host
