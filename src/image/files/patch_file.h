#pragma once
// Patch code files: a 16-byte patch-code header (length at bytes 2..3, high byte first)
// followed by the patch code, as the mouse keeps them at image offsets 1008 and 1024.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "image/patch_header.h"

namespace gm::image::files {

struct PatchFile {
    std::string error;  // empty when usable, else why the file was refused
    PatchHeader header{};
    std::vector<std::uint8_t> code;  // exactly the chip's patch area length
    std::string note;                // set when bytes past the patch area were ignored
    bool ok() const { return error.empty(); }
};

// Reads a patch file for a patch area of `areaLength` bytes. Refuses a file shorter than the
// header, a header length larger than the area, and a file holding fewer code bytes than its
// header length.
PatchFile readPatchFile(const std::filesystem::path& path, std::size_t areaLength);

}  // namespace gm::image::files
